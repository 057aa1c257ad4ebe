// The example programs run through `pendrel --run` print exactly their expected output; damaged
// program files and bad options end with one line and status 1.
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>

namespace {

struct PendrelRun {
    int status = -1;
    std::string out;
};

// Runs pendrel with the arguments; standard error goes to the file given.
PendrelRun Pendrel(const std::string& args, const std::string& errFile = "/dev/null") {
    const char* bin = std::getenv("OLVAN_BIN");
    const std::string command =
        std::string(bin != nullptr ? bin : ".") + "/pendrel " + args + " 2>" + errFile;
    PendrelRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0)
        run.out.append(buf.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

std::string ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

const std::filesystem::path kExamples = OLVAN_EXAMPLES_DIR;

} // namespace

TEST(PendrelExamples, EveryExamplePrintsItsExpectedOutput) {
    int examples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kExamples)) {
        if (entry.path().extension() != ".zez") continue;
        ++examples;
        std::filesystem::path base = entry.path();
        std::string args = ReadAll(base.replace_extension(".args"));
        while (!args.empty() && (args.back() == '\n' || args.back() == ' '))
            args.pop_back();
        const std::string expected = ReadAll(base.replace_extension(".expected"));
        const PendrelRun run = Pendrel("--run " + entry.path().string() + " " + args);
        EXPECT_EQ(run.status, 0) << entry.path();
        EXPECT_EQ(run.out, expected) << entry.path();
    }
    EXPECT_GE(examples, 4);
}

TEST(PendrelExamples, MaxCallsStopsTheRunWithStatusThree) {
    // The counter's timer makes a call on every tick: the second one passes the limit.
    const PendrelRun run =
        Pendrel("--run " + (kExamples / "counter.zez").string() + " --ticks 20 --max-calls 1");
    EXPECT_EQ(run.status, 3);
}

TEST(PendrelExamples, DamagedFilesSayOneLineAndEndWithStatusOne) {
    const std::string good = ReadAll(kExamples / "arithmetic.zez");
    ASSERT_GT(good.size(), 100u);
    const olvan_test::TempFolder folder;
    const std::string file = folder.File("damaged_example.zez");
    const std::string err = folder.File("damaged_example.err");
    std::string unknown = good;
    unknown[0] = static_cast<char>(200);
    std::string absurd = good;
    // The long after the view's header (its x) and everything after it made huge.
    for (std::size_t i = 14; i < 40; ++i)
        absurd[i] = '\x7f';
    for (const std::string& bytes :
         {good.substr(0, good.size() / 2), unknown, absurd, std::string("YZ"), std::string()}) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        const PendrelRun run = Pendrel("--run " + file, err);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        const std::string message = ReadAll(err);
        EXPECT_NE(message.find("empty program"), std::string::npos) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    }
}

TEST(PendrelExamples, BadOptionsSayOneLineAndEndWithStatusOne) {
    const std::string example = (kExamples / "arithmetic.zez").string();
    const olvan_test::TempFolder folder;
    const std::string err = folder.File("bad_option.err");
    for (const std::string& args :
         {std::string("--run"), "--run " + example + " --ticks", "--run " + example + " --ticks x",
          "--run " + example + " --max-calls -2", "--run " + example + " --speed 3",
          "--run " + example + " " + example}) {
        const PendrelRun run = Pendrel(args, err);
        EXPECT_EQ(run.status, 1) << args;
        const std::string message = ReadAll(err);
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << args;
    }
}
