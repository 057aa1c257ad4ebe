// Runs the pendrel program on net descriptions and checks what it prints.
#include "pendrel_program.h"

namespace {

TEST_F(PendrelProgram, AddOfUnsignedCharArrayAndLongScalarWrapsAround) {
    // CREATE makes a UC array of 5; INSERT puts the values in; ADD 10 wraps 250 to 4.
    Outcome o = RunNet("<go> [5] CREATE <img>\n"
                       "<img> <vals> [1] INSERT <uc>\n"
                       "<uc> 10 ADD <r>\n"
                       "<vals2> 50 TOTYPE <vals>\n",
                       {"--out", "r", "--send", "vals2=[250,1,2,3,4]", "--send", "go=50"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "r: 4,11,12,13,14\n");
}

TEST_F(PendrelProgram, HeldInputIsReusedForEveryTrigger) {
    Outcome o =
        RunNet("<x> {factor} MUL <r>\n", {"--out", "r", "--send", "factor=3", "--send", "x=1 2 3",
                                          "--send", "factor=10", "--send", "x=4"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "r: 3\nr: 6\nr: 9\nr: 40\n");
}

TEST_F(PendrelProgram, FanOutThroughTeeAndMove) {
    // An ADD box whose output goes to three boxes, as the builder writes it.
    Outcome o = RunNet("<X000001> <X000002> ADD <FuncX000003>\n"
                       " <FuncX000003> <!X000003> xT <FuncX000004>\n"
                       " <FuncX000004> <!X000004> xT <FuncX000005>\n"
                       " <FuncX000005> xM <X000005>\n",
                       {"--out", "X000003", "--out", "X000004", "--out", "X000005", "--send",
                        "X000001=[1,2]", "--send", "X000002=[10,20]"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "X000003: 11,22\nX000004: 11,22\nX000005: 11,22\n");
}

TEST_F(PendrelProgram, CountFedByTicks) {
    // The timer chain of one timer box with a period of 0.5 seconds (3 tick units).
    Outcome o = RunNet("<Timer> xM <TimerOut000001>\n"
                       "<TimerOut000001> <!TimerIn000001> xT <TimerOut000002>\n"
                       "<TimerIn000001> 3 xCOUNT <X000007>\n",
                       {"--out", "X000007", "--ticks", "10"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "X000007: 3\nX000007: 3\nX000007: 3\n");
}

TEST_F(PendrelProgram, RampFeedingSmooth) {
    // A ramp of 8 as an unsigned-char image, smoothed by a box of 3.
    Outcome o = RunNet("<n> RAMP <ramp>\n"
                       "<ramp> 50 TOTYPE <img>\n"
                       "<img> 3 SMOOTH <r>\n",
                       {"--out", "r", "--send", "n=8"});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, "r: 0,2,3,4,5,6,7,0\n");
}

TEST_F(PendrelProgram, NetFromStandardInput) {
    fs::path file = dir / "stdin.txt";
    std::ofstream(file) << "<a> 2 MUL <r>";
    Outcome o = RunPendrel({"--net", "-", "--out", "r", "--send", "a=21"}, file.string());
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "r: 42\n");
}

TEST_F(PendrelProgram, UsageHelpAndErrors) {
    Outcome help = RunPendrel({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--max-calls"), std::string::npos);
    EXPECT_NE(help.out.find("--run FILE.zez"), std::string::npos);
    // Without a mode pendrel is the desktop program; options without one give the usage.
    Outcome none = RunPendrel({"--ticks", "1"});
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.err.find("usage:"), std::string::npos);
    Outcome missing = RunPendrel({"--net", (dir / "missing.txt").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("file not found"), std::string::npos) << missing.err;
    Outcome bad = RunPendrel({"--net", "-", "--ticks", "many"});
    EXPECT_EQ(bad.status, 1);
}

TEST_F(PendrelProgram, WithoutADisplayTheDesktopProgramSaysSo) {
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 " +
                                Quote(program.string()) + " some.zez > /dev/null 2> " +
                                Quote((dir / "err").string());
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, 1);
    // Built with its windows it has no display here; built without, it has no windows.
    EXPECT_NE(ReadFile(dir / "err").find("use --run or --net"), std::string::npos);
}

TEST_F(PendrelProgram, SelfFeedingNetStopsAtTheCallLimit) {
    Outcome o = RunNet("<a> 1 ADD <a>\n", {"--send", "a=0", "--max-calls", "1000"});
    EXPECT_EQ(o.status, 3);
    EXPECT_NE(o.err.find("1000"), std::string::npos);
}

TEST_F(PendrelProgram, MalformedNetsNeverCrashOrHang) {
    const std::string nets[] = {
        "<a> <b ADD <r>\n",
        "<a> \"never closed ADD <r>\n",
        "<a> [[[[[1]]]]] ADD <r>\n",
        "FROB <a> QUUX 1 ZAP <r>\n",
        std::string(20000, '{') + std::string(20000, '['),
        "<" + std::string(100000, 'n') + "> " + std::string(5000, '7') + " ADD <r>\n",
        "]]]]>>>>}}}} \"\"\"\" <!<!<! xT xM xT\n",
    };
    for (const std::string& net : nets) {
        Outcome o = RunNet(net, {"--out", "r", "--send", "a=1", "--ticks", "3"});
        EXPECT_TRUE(o.status == 0 || o.status == 3) << o.status << " for " << net.substr(0, 40);
    }
}

} // namespace
