// Runs that cannot go on: nets whose calls multiply, programs that feed themselves for ever,
// files whose lists refer back to what holds them. The program stays answerable, stops with a
// message, and never crashes.
#include "program_fixture.h"

#include "common/sanitizer.h"
#include "pendrel/builder/gdata.h"
#include "pendrel/builder/zez_file.h"
#include "pendrel/engine/engine.h"
#include "pendrel/engine/failure.h"

#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const std::filesystem::path kCorpus = PENDREL_CORPUS_DIR;

constexpr bool kSanitized = olvan::kAddressSanitizer;

class RunStopTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        view->SetMessageObserver([this](std::string_view m) { messages.emplace_back(m); });
    }
    std::vector<std::string> messages;
};

} // namespace

TEST_F(RunStopTest, ANetWhoseCallsMultiplyIsHaltedWithAMessage) {
    view->Run();
    view->Binding().SetWaitingLimit(500);
    // Every call's result reaches its own input twice: the waiting calls double.
    view->Binding().zez_sendcommands("<a> ABS <f>\n<f> <!a> xT <a>\n");
    ASSERT_TRUE(view->Binding().zez_send("a", "1"));
    int idles = 0;
    for (; idles < 5000 && view->IsRunning(); ++idles)
        view->DoIdle();
    EXPECT_FALSE(view->IsRunning());
    EXPECT_LT(idles, 5000);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "stopped: more than 500 calls waiting at once");
    // Run again: the stop is forgotten and the new net runs.
    messages.clear();
    GVPLFunction* abs = Function("ABS");
    Connect(Add<GVPLInputData>(0, 0, 40, 20), 1, abs, 1);
    Connect(abs, 1, Add<GVPLOutputBox>(100, 0, 40, 20), 1);
    view->Run();
    ASSERT_TRUE(view->Binding().zez_send("X000001", "-4"));
    Ticks(1);
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000002: 4"});
    EXPECT_TRUE(messages.empty());
}

TEST_F(RunStopTest, HeadlessRunsStopAtTheFloodToo) {
    view->Run();
    view->Binding().SetWaitingLimit(300);
    view->Binding().zez_sendcommands("<a> ABS <f>\n<f> <!a> xT <a>\n");
    ASSERT_TRUE(view->Binding().zez_send("a", "1"));
    EXPECT_EQ(vpl::RunTicks(*view, clock, 5, 0), vpl::RunEnd::Stopped);
    EXPECT_FALSE(view->IsRunning());
    EXPECT_EQ(view->Binding().Stopped(), pendrel::NetRunner::Stop::Flooded);
    ASSERT_EQ(messages.size(), 1u);
}

TEST_F(RunStopTest, AValueDoublingWithoutEndStopsAtTheArrayLimit) {
    view->Run();
    view->Binding().zez_sendcommands("<a> <a> APPEND <a>\n");
    // Started above half the limit, the first doubling passes it.
    unsigned long half[1] = {kMaxArrayBytes / 4 / 2 + 1};
    vARRAY* start = vArrayCreate(kTypeL, 1, half);
    ASSERT_NE(start, nullptr);
    vvIncOwners(start);
    ASSERT_TRUE(view->Binding().zez_sendobject("a", start));
    vvRelease(start);
    EXPECT_EQ(vpl::RunTicks(*view, clock, 1, 0), vpl::RunEnd::Stopped);
    EXPECT_EQ(view->Binding().Stopped(), pendrel::NetRunner::Stop::TooLarge);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("array limit"), std::string::npos) << messages[0];
    // A value refused while nothing runs is not the next run's stop.
    vTakeFailure();
    unsigned long huge[1] = {kMaxArrayBytes};
    EXPECT_EQ(vArrayCreate(kTypeL, 1, huge), nullptr);
    view->Run();
    EXPECT_EQ(vpl::RunTicks(*view, clock, 1, 0), vpl::RunEnd::Finished);
    EXPECT_EQ(view->Binding().Stopped(), pendrel::NetRunner::Stop::None);
}

TEST_F(RunStopTest, AProgramFeedingItselfLeavesEveryIdleTickAnswerable) {
    SetNextLineNumber(1);
    auto loaded =
        vpl::ReadProgramFile((kCorpus / "zez" / "zez_feedback_loop.zez").string(), false, &clock);
    ASSERT_NE(loaded, nullptr);
    Watch(*loaded);
    loaded->Run();
    for (int i = 1; i <= 50; ++i) {
        clock.Advance(1);
        loaded->DoIdle(); // returns after a handful of calls, however the program runs
        EXPECT_LE(results.size(), 6u * i);
    }
    EXPECT_GT(results.size(), 10u);
    loaded->MenuEvent(vplcmd::kHalt);
    EXPECT_FALSE(loaded->IsRunning());
    const std::size_t shown = results.size();
    loaded->DoIdle();
    EXPECT_EQ(results.size(), shown);
}

TEST(RunOptions, ARunIsBoundedByTheSameCallLimitAsANet) {
    vpl::RunOptions options;
    const std::string_view words[] = {"program.zez"};
    std::string error;
    ASSERT_TRUE(vpl::ParseRunOptions(words, &options, &error));
    EXPECT_EQ(options.maxCalls, pendrel::kDefaultMaxCalls);
}

TEST_F(RunStopTest, WalksFollowOnlyWhatAListOwns) {
    auto* out = Add<GVPLOutputBox>(0, 0, 40, 20);
    // An entry referring back to the view that holds the box, as a damaged file makes one.
    out->Insert(view.get());
    EXPECT_TRUE(HoldsAnOwnerOfItself(*view));
    view->SetupProgram();
    EXPECT_EQ(view->Outputs().Length(), 1);
    out->Remove(view.get());
    EXPECT_FALSE(HoldsAnOwnerOfItself(*view));
}

TEST_F(RunStopTest, AFileWhoseListRefersBackIsRefusedWithTheReason) {
    std::string problem;
    const auto loaded = vpl::ReadProgramFile(
        (kCorpus / "zez" / "zez_list_cycle_stack_overflow.zez").string(), true, &clock, &problem);
    EXPECT_EQ(loaded, nullptr);
    EXPECT_EQ(problem, "a list refers back to a graphic that contains it");
}

// How much address space the process has taken, in bytes.
unsigned long long AddressSpaceInUse() {
    std::ifstream statm("/proc/self/statm");
    unsigned long long pages = 0;
    statm >> pages;
    return pages * static_cast<unsigned long long>(::sysconf(_SC_PAGESIZE));
}

TEST_F(RunStopTest, AHeldValueTooLargeToCopyIsDroppedWithAMessage) {
    if (kSanitized) GTEST_SKIP() << "the sanitizer cannot run with bounded address space";
    GVPLFunction* add = Function("ADD");
    auto* out = Add<GVPLOutputBox>(100, 0, 40, 20);
    Connect(add, 1, out, 1);
    ASSERT_TRUE(add->InputTie(2)->DepositInputValue("7"));
    view->Run();
    // 16 MB waiting on the held path, in place of the 7.
    unsigned long size[1] = {4ul << 20};
    vARRAY* big = vArrayCreate(kTypeL, 1, size);
    ASSERT_NE(big, nullptr);
    vvIncOwners(big);
    ASSERT_TRUE(view->Binding().zez_sendobject("X000002", big));
    vvRelease(big);
    const auto haltInLittleMemory = [&] {
        // Room for a little more, not for a copy of the value: memory kept for reuse is given
        // back first, so that the copy must ask the system.
        sysTrimCache();
        ::malloc_trim(0);
        const rlimit limit{AddressSpaceInUse() + (8ull << 20), RLIM_INFINITY};
        ::setrlimit(RLIMIT_AS, &limit);
        view->Halt();
        const bool told =
            messages.size() == 1 &&
            messages[0] == "the value held on X000002 is too large to keep; it was dropped";
        const std::string held = add->InputTie(2)->HeldValueText();
        for (const std::string& m : messages)
            std::fprintf(stderr, "message: %s\n", m.c_str());
        std::fprintf(stderr, "held: %s\n", held.c_str());
        std::_Exit(told && held == "7" ? 0 : 1);
    };
    EXPECT_EXIT(haltInLittleMemory(), ::testing::ExitedWithCode(0), "");
    // With memory to spare the same halt keeps the value.
    view->Halt();
    EXPECT_TRUE(messages.empty());
    EXPECT_NE(add->InputTie(2)->HeldValueText(), "7");
}
