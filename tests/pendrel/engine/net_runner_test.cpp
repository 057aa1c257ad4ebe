#include "pendrel/engine/net_runner.h"

#include "engine_fixture.h"

#include <algorithm>
#include <sstream>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunWith(std::vector<std::string> args, const std::string& input = "") {
    std::vector<const char*> argv{"pendrel"};
    for (const std::string& a : args)
        argv.push_back(a.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    int status = pendrel::RunCommandLine(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {status, out.str(), err.str()};
}

using CommandLine = EngineTest;

TEST_F(CommandLine, HelpAndUsage) {
    Outcome help = RunWith({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--net FILE"), std::string::npos);
    Outcome none = RunWith({});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("usage:"), std::string::npos);
    EXPECT_TRUE(none.out.empty());
}

TEST_F(CommandLine, BadOptionsGiveOneLineReasons) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{"--net"},
                                               {"--net", "-", "--ticks", "x"},
                                               {"--net", "-", "--ticks", "-1"},
                                               {"--net", "-", "--max-calls", "5k"},
                                               {"--net", "-", "--send", "novalue"},
                                               {"--net", "-", "--send", "=1"},
                                               {"--bogus"},
                                               {"--net", "-", "--out", ""},
                                               {"--net", "/nonexistent/dir/net.txt"},
                                               {"--net", "/"}}) {
        Outcome r = RunWith(args);
        EXPECT_EQ(r.status, 1) << args.back();
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_EQ(r.err.rfind("pendrel: ", 0), 0u) << r.err;
    }
}

TEST_F(CommandLine, RunsANetFromStandardInput) {
    Outcome r =
        RunWith({"--net", "-", "--out", "r", "--send", "a=[250,1,2] 3"}, "<a> 10 ADD <r>\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "r: 260,11,12\nr: 13\n");
}

TEST_F(CommandLine, LineFeedsInResultsArePrintedEscaped) {
    Outcome r = RunWith({"--net", "-", "--out", "r", "--send", "a=\"two\\nlines\""}, "<a> xM <r>");
    EXPECT_EQ(r.out, "r: two\\nlines\n");
}

TEST_F(CommandLine, MessagesFromDataOut) {
    Outcome r = RunWith({"--net", "-", "--send", "a=4"}, "<a> RAMP <DataOut>");
    EXPECT_EQ(r.out, "Message: CLASS: Array\\nDIMS : 1 (4)Long\\n  1  2  3  4\n");
}

TEST_F(CommandLine, SendingToAMissingPathIsReported) {
    Outcome r = RunWith({"--net", "-", "--send", "nowhere=1"}, "");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("nowhere"), std::string::npos);
}

TEST_F(CommandLine, CallLimitStopsANetThatFeedsItself) {
    Outcome r = RunWith({"--net", "-", "--send", "a=1", "--max-calls", "100"}, "<a> 1 ADD <a>");
    EXPECT_EQ(r.status, 3);
    Outcome enough = RunWith({"--net", "-", "--send", "a=1", "--max-calls", "1"}, "<a> 1 ADD <b>");
    EXPECT_EQ(enough.status, 0);
}

TEST_F(CommandLine, TwoRunnersKeepTheirResultsApart) {
    std::vector<std::string> first, second;
    pendrel::NetRunner a([&](std::string_view n, vOBJECT* o) {
        first.push_back(std::string(n) + "=" + pendrel::ResultText(o));
    });
    pendrel::NetRunner b([&](std::string_view n, vOBJECT* o) {
        second.push_back(std::string(n) + "=" + pendrel::ResultText(o));
    });
    a.RegisterPath("out");
    b.RegisterPath("out");
    a.SendCommands("<in> 1 ADD <out>");
    b.SendCommands("<in> 2 ADD <out>");
    a.Run();
    b.Run();
    EXPECT_TRUE(a.Send("in", "1"));
    EXPECT_TRUE(b.Send("in", "1"));
    a.RunQueue(100);
    b.RunQueue(100);
    EXPECT_EQ(first, (std::vector<std::string>{"out=2"}));
    EXPECT_EQ(second, (std::vector<std::string>{"out=3"}));
}

TEST_F(CommandLine, ATickArrayReachesTheTimerPath) {
    std::vector<std::string> got;
    pendrel::NetRunner r(
        [&](std::string_view, vOBJECT* o) { got.push_back(pendrel::ResultText(o)); });
    r.RegisterPath("t");
    r.SendCommands("<Timer> xM <t>");
    r.Tick(7);
    EXPECT_EQ(got, (std::vector<std::string>{"7"}));
    r.Reset();
    r.Tick(1); // no net any more: the tick waits on the timer path alone
    EXPECT_EQ(got.size(), 1u);
}

} // namespace

namespace {

TEST_F(CommandLine, TeeOrMoveFeedingItselfDoesNotRecurseWithoutEnd) {
    Outcome move = RunWith({"--net", "-", "--send", "a=1"}, "<a> xM <a>");
    EXPECT_EQ(move.status, 0);
    Outcome tee = RunWith({"--net", "-", "--send", "a=1", "--out", "r"}, "<a> <!r> xT <a>");
    EXPECT_EQ(tee.status, 0);
    EXPECT_FALSE(tee.out.empty());
    // Both of the tee's outputs lead back to its input, so that every hand-on makes two: the
    // run ends all the same, whether the input is taken or held.
    for (const char* net : {"<a> <!a> xT <a>", "{a} <a> xT <a>"}) {
        Outcome doubling = RunWith({"--net", "-", "--send", "a=1", "--out", "r"}, net);
        EXPECT_EQ(doubling.status, 0) << net << "\n" << doubling.err;
    }
}

TEST_F(CommandLine, ANetWhoseCallsMultiplyIsStopped) {
    // Every object on a becomes two: the waiting calls double each round.
    pendrel::NetRunner r([](std::string_view, vOBJECT*) {});
    r.SetWaitingLimit(1000);
    r.SendCommands("<a> <!b> xT <c>\n<b> 1 ADD <a>\n<c> 1 ADD <a>\n");
    r.Run();
    r.Send("a", "1");
    long calls = r.RunQueue(1'000'000);
    EXPECT_TRUE(r.IsFlooded());
    EXPECT_LT(calls, 5000);
    EXPECT_EQ(r.RunQueue(10), 0);
}

} // namespace

namespace {

using UnreadTimerNet = EngineTest;

// A million ticks through a net whose result nobody takes: the engine holds as many blocks of
// memory at the end as after the first thousand.
TEST_F(UnreadTimerNet, HoldsAFlatNumberOfObjects) {
    pendrel::NetRunner runner([](std::string_view, vOBJECT*) {});
    runner.SendCommands("<Timer> xM <tick>\n<tick> 1 ADD <nobody>\n");
    runner.Run();
    long settled = 0;
    for (long t = 1; t <= 1'000'000; ++t) {
        runner.Tick(static_cast<std::uint32_t>(t));
        runner.RunQueue(100);
        if (t == 1000) settled = sysLiveBlocks();
    }
    EXPECT_EQ(sysLiveBlocks(), settled);
    EXPECT_TRUE(runner.QueueEmpty());
}

} // namespace
