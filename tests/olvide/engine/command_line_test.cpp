// The command-line modes in the same process, so that the sanitizers watch every input that
// once broke olvide: reading, running and printing each must end with a documented status.
#include "olvide/engine/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace olvide {
namespace {

namespace fs = std::filesystem;

int status(const std::vector<std::string>& args, std::string* err = nullptr) {
    std::ostringstream out;
    std::ostringstream messages;
    const int s = runCommandLine(args, out, messages);
    if (err) *err = messages.str();
    return s;
}

TEST(CommandLineCorpus, EveryInputThatOnceBrokeOlvideRunsAndPrintsInOrder) {
    int checked = 0;
    for (const auto& entry : fs::directory_iterator(OLVIDE_CORPUS_DIR)) {
        if (!entry.is_regular_file()) continue;
        const std::string file = entry.path().string();
        // The step bound ends a program that loops for ever (status 3), as a teacher would.
        const int run = status({"--run", file, "--max-steps", "1000000"});
        EXPECT_TRUE(run == kExitEnded || run == kExitBadInput || run == kExitHalted ||
                    run == kExitStepLimit)
            << file << ": " << run;
        const int dump = status({"--dump", file});
        EXPECT_TRUE(dump == kExitEnded || dump == kExitBadInput) << file << ": " << dump;
        ++checked;
    }
    EXPECT_GE(checked, 2);
}

TEST(CommandLineCorpus, ARunNestingWithoutEndStopsWithItsMessage) {
    std::string err;
    const fs::path corpus(OLVIDE_CORPUS_DIR);
    EXPECT_EQ(status({"--run", (corpus / "olv_infinite_recursion.olv").string()}, &err),
              kExitHalted);
    EXPECT_EQ(err, "函数调用嵌套太深,程序停止运行!\n");
    EXPECT_EQ(status({"--run", (corpus / "olv_branch_entering_itself.olv").string()}, &err),
              kExitHalted);
    EXPECT_EQ(err, "流程嵌套太深,程序停止运行!\n");
}

} // namespace
} // namespace olvide
