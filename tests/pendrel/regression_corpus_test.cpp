// Every input that once broke pendrel, run as a user would run it: it ends within a minute or
// two (a few seconds on an idle machine), in bounded memory, with a documented status and a
// message for anything it refused.
#include "pendrel_program.h"

#include <algorithm>
#include <set>

namespace {

const fs::path kCorpus = PENDREL_CORPUS_DIR;
// The statuses pendrel documents: done, bad input, stopped by the call or flood limit, stopped
// by a value too large or memory running out.
const std::set<int> kDocumented = {0, 1, 3, 4};
constexpr long kTwoGigabytes = 2'000'000;
// A minute for each run, two under the sanitizer: a value that doubles until the array limit
// takes a few seconds on an idle machine, a minute in a sanitized build on a busy one.
constexpr int kSeconds = kSanitized ? 120 : 60;

std::vector<fs::path> FilesIn(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

TEST_F(PendrelProgram, EveryInputThatOnceBrokePendrelEndsWithADocumentedStatus) {
    int checked = 0;
    for (const fs::path& file : FilesIn(kCorpus / "zez")) {
        const Outcome o =
            RunPendrel({"--run", file.string(), "--ticks", "20", "--max-calls", "100000"}, "",
                       kSeconds, kTwoGigabytes);
        EXPECT_TRUE(kDocumented.count(o.status)) << file << ": " << o.status << "\n" << o.err;
        ++checked;
    }
    for (const fs::path& file : FilesIn(kCorpus / "net")) {
        const Outcome o =
            RunPendrel({"--net", file.string(), "--send", "a=1"}, "", kSeconds, kTwoGigabytes);
        EXPECT_TRUE(kDocumented.count(o.status)) << file << ": " << o.status << "\n" << o.err;
        ++checked;
    }
    EXPECT_GE(checked, 5);
}

TEST_F(PendrelProgram, AListReferringBackToItsOwnGraphicIsRefusedWithAReason) {
    const Outcome o =
        RunPendrel({"--run", (kCorpus / "zez" / "zez_list_cycle_stack_overflow.zez").string()});
    EXPECT_EQ(o.status, 1);
    EXPECT_NE(o.err.find("refers back to a graphic that contains it"), std::string::npos) << o.err;
    EXPECT_EQ(o.out, "");
}

TEST_F(PendrelProgram, AValueDoublingWithoutEndStopsAtTheArrayLimitInBoundedMemory) {
    // One gigabyte of address space is enough: the value stops growing at the limit.
    const Outcome o = RunPendrel(
        {"--net", (kCorpus / "net" / "net_append_doubling.net").string(), "--send", "a=1"}, "",
        kSeconds, 1'000'000);
    EXPECT_EQ(o.status, 4) << o.err;
    EXPECT_NE(o.err.find("array limit"), std::string::npos) << o.err;
}

TEST_F(PendrelProgram, AProgramWhoseValueDoublesStopsAndHaltsWithoutAborting) {
    const Outcome o = RunPendrel(
        {"--run", (kCorpus / "zez" / "zez_append_doubling.zez").string(), "--ticks", "20"}, "",
        kSeconds, kTwoGigabytes);
    EXPECT_EQ(o.status, 4) << o.err;
    EXPECT_NE(o.err.find("array limit"), std::string::npos) << o.err;
}

TEST_F(PendrelProgram, AFolderOrADeviceIsNamedForWhatItIs) {
    fs::create_directories(dir / "programs.zez");
    const std::string folderName = (dir / "programs.zez").string();
    for (const char* mode : {"--run", "--net"}) {
        Outcome o = RunPendrel({mode, folderName});
        EXPECT_EQ(o.status, 1) << mode;
        EXPECT_NE(o.err.find("a folder, not a program file"), std::string::npos) << o.err;
        EXPECT_EQ(o.err.find("not found"), std::string::npos) << o.err;
        EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << o.err;
        o = RunPendrel({mode, "/dev/null"});
        EXPECT_EQ(o.status, 1) << mode;
        EXPECT_NE(o.err.find("not a regular file"), std::string::npos) << o.err;
        o = RunPendrel({mode, (dir / "missing.zez").string()});
        EXPECT_EQ(o.status, 1) << mode;
        EXPECT_NE(o.err.find("file not found"), std::string::npos) << o.err;
    }
}

TEST_F(PendrelProgram, HelpListsTheExitStatuses) {
    const Outcome o = RunPendrel({"--help"});
    EXPECT_EQ(o.status, 0);
    for (const char* status : {"0 ", "1 ", "3 ", "4 "})
        EXPECT_NE(o.out.find(std::string("\n  ") + status), std::string::npos) << status;
}

} // namespace
