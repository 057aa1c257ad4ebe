// olvide on the command line, run as a separate program the way a teacher would run it.
#include "olvide/model/codepage.h"
#include "olvide/model/files/program_documents.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "tests/support/memory_bound.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace olvide {
namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string quote(const std::string& s) {
    std::string q = "'";
    for (char c : s)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        const char* bin = std::getenv("OLVAN_BIN");
        ASSERT_NE(bin, nullptr) << "OLVAN_BIN names the folder of the programs";
        program = fs::path(bin) / "olvide";
        dir = fs::temp_directory_path() /
              ("olvide_cli_" + std::to_string(::getpid()) + "_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // `limits` goes before the program: shell words that bound its time or memory.
    Result olvide(const std::vector<std::string>& args, const std::string& limits = {}) {
        std::string command = limits + quote(program.string());
        for (const std::string& a : args)
            command.append(1, ' ').append(quote(a));
        command.append(" >").append(quote((dir / "out.txt").string()));
        command.append(" 2>").append(quote((dir / "err.txt").string()));
        const int raw = std::system(command.c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = readFile(dir / "out.txt");
        r.err = readFile(dir / "err.txt");
        return r;
    }
    static std::string example(const char* name) {
        return (fs::path(OLVIDE_EXAMPLES_DIR) / name).string();
    }

    fs::path program;
    fs::path dir;
};

TEST_F(CommandLine, EveryExamplePrintsExactlyItsExpectedOutput) {
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(OLVIDE_EXAMPLES_DIR)) {
        if (entry.path().extension() != ".expected") continue;
        fs::path olv = entry.path();
        olv.replace_extension(".olv");
        const Result r = olvide({"--run", olv.string()});
        EXPECT_EQ(r.status, 0) << olv << "\n" << r.err;
        EXPECT_EQ(r.out, readFile(entry.path())) << olv;
        EXPECT_EQ(r.err, "") << olv;
        ++checked;
    }
    EXPECT_GE(checked, 6);
}

TEST_F(CommandLine, DumpShowsEveryCommanderWithItsSteps) {
    const Result r = olvide({"--dump", example("factorial.olv")});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("main 阶乘表\n  1 阶乘表开始一个流程.\n  2 Do i\n"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("false 到底_Falseman\n"), std::string::npos);
    EXPECT_NE(r.out.find("  3 调用factorial_阶乘\n  4 子结果 * n => r\n"), std::string::npos);
    EXPECT_NE(r.out.find("number n = \"0\" \"0\" in\n"), std::string::npos);
}

TEST_F(CommandLine, ValuesFollowTheOutputsAndSetChangesAStartValue) {
    const Result r = olvide({"--run", example("counted_loop.olv"), "--values", "--set", "和=100"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "[结果]\n1\n4\n9\n16\n25\n155\n平方 = 25\n和 = 155\n");
}

TEST_F(CommandLine, MainChoosesTheStartedCommanderAndNamesIgnoreCase) {
    const Result r =
        olvide({"--run", example("factorial.olv"), "--main", "阶乘", "--set", "N=5", "--values"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\nr = 120\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find("[阶乘值]\n"), 0u); // the output is listed, with no lines
    EXPECT_EQ(r.out.find("[阶乘值]\n1"), std::string::npos);
}

TEST_F(CommandLine, MaxStepsStopsTheRunWithStatus3) {
    const Result r = olvide({"--run", example("counted_loop.olv"), "--max-steps", "10"});
    EXPECT_EQ(r.status, 3);
    EXPECT_EQ(r.out, "[结果]\n1\n4\n"); // the lines written so far
    EXPECT_NE(r.err.find("10 steps"), std::string::npos);
}

TEST_F(CommandLine, BadOptionsAndUnreadableFilesGiveStatus1AndAReason) {
    // Without a mode olvide is the desktop program; an option it does not know is refused.
    Result r = olvide({"--frobnicate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("usage"), std::string::npos);
    EXPECT_NE(r.err.find("--frobnicate"), std::string::npos);
    r = olvide({"--run", example("counted_loop.olv"), "--max-steps", "many"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--max-steps"), std::string::npos);
    r = olvide({"--run", example("counted_loop.olv"), "--frobnicate"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("--frobnicate"), std::string::npos);
    r = olvide({"--run", example("counted_loop.olv"), "--main", "nobody"});
    EXPECT_EQ(r.status, 1);
    r = olvide({"--run", example("counted_loop.olv"), "--set", "nobody=1"});
    EXPECT_EQ(r.status, 1);
    r = olvide({"--run", (dir / "missing.olv").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.olv"), std::string::npos);
    EXPECT_EQ(r.out, "");
}

TEST_F(CommandLine, ADamagedFileIsRefusedClearly) {
    std::string bytes = readFile(example("strings.olv"));
    const fs::path cut = dir / "cut.olv";
    std::ofstream(cut, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    Result r = olvide({"--run", cut.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("damaged"), std::string::npos) << r.err;
    const fs::path other = dir / "other.olv";
    std::ofstream(other, std::ios::binary) << "not a program";
    r = olvide({"--dump", other.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Not Olvane format!"), std::string::npos) << r.err;
}

TEST_F(CommandLine, AStepThatStopsTheRunGivesStatus2AndItsMessage) {
    NullPlatform platform;
    Workspace workspace(platform);
    Tprogramspace& p = workspace.newProgram();
    TMaincommander* m = p.placeMainCommander(300, 40);
    p.activateCommander(m);
    auto* x = static_cast<TprogramNumber*>(p.placeElement(kind::Number, 60, 60));
    x->setAllStores("-1");
    auto* out = static_cast<TprogramOutput*>(p.placeElement(kind::Output, 90, 60));
    out->SetAlias("out");
    p.services().AddStep(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr,
                         p.services().MakeConstant("before"));
    p.services().AddStep(stepkind::Unary, "logx", x, nullptr, x, nullptr);
    p.services().AddStep(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr,
                         p.services().MakeConstant("after"));
    ASSERT_EQ(saveProgram(p, (dir / "log.olv").string()), SaveOutcome::Saved);
    const Result r = olvide({"--run", (dir / "log.olv").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "[out]\nbefore\n");
    EXPECT_EQ(r.err, "零或负数不能取对数,程序停止运行!\n");
}

TEST_F(CommandLine, TwoLineAliasesPrintJoinedByAnUnderscore) {
    NullPlatform platform;
    Workspace workspace(platform);
    Tprogramspace& p = workspace.newProgram();
    p.activateCommander(p.placeMainCommander(300, 40));
    auto* x = static_cast<TprogramNumber*>(p.placeElement(kind::Number, 60, 60));
    x->SetAlias("first\r\nsecond");
    x->setAllStores("7");
    auto* out = static_cast<TprogramOutput*>(p.placeElement(kind::Output, 90, 60));
    out->SetAlias("out\r\nput");
    p.services().AddStep(stepkind::Binary, "O+S", out, x, nullptr, nullptr);
    ASSERT_EQ(saveProgram(p, (dir / "two.olv").string()), SaveOutcome::Saved);
    const Result r = olvide({"--run", (dir / "two.olv").string(), "--values"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "[out_put]\n7\nfirst_second = 7\n");
}

// Every input that once broke olvide ends in time, within bounded memory, with a documented
// status, in both modes, run as a teacher would run it: with no bound on its steps.
TEST_F(CommandLine, EveryInputThatOnceBrokeOlvideEndsWithADocumentedStatus) {
    const std::string bounded = olvan_test::MemoryBoundWords(2000000) + "timeout 60 ";
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(OLVIDE_CORPUS_DIR)) {
        if (!entry.is_regular_file()) continue;
        const std::string file = entry.path().string();
        Result r = olvide({"--run", file}, bounded);
        EXPECT_TRUE(r.status >= 0 && r.status <= 2) << file << ": " << r.status << "\n" << r.err;
        r = olvide({"--dump", file}, bounded);
        EXPECT_TRUE(r.status == 0 || r.status == 1) << file << ": " << r.status << "\n" << r.err;
        ++checked;
    }
    EXPECT_GE(checked, 2);
}

TEST_F(CommandLine, AFolderOrADeviceIsNamedForWhatItIs) {
    fs::create_directories(dir / "lessons.olv");
    Result r = olvide({"--run", (dir / "lessons.olv").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("a folder, not a program file"), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find("not found"), std::string::npos) << r.err;
    r = olvide({"--dump", "/dev/null"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
}

TEST_F(CommandLine, HelpListsTheOptions) {
    const Result r = olvide({"--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* option : {"--run", "--main", "--set", "--max-steps", "--values", "--dump"})
        EXPECT_NE(r.out.find(option), std::string::npos) << option;
}

} // namespace
} // namespace olvide
