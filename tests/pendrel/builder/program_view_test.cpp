// Programs drawn with boxes and ties, set up into net text and run on a simulated clock.
#include "program_fixture.h"

#include "pendrel/framework/properties.h"

TEST_F(ProgramTest, SetupRegistersOutputsThenFunctionsThenInputs) {
    GVPLFunction* add = Function("ADD");             // ties 1, 2
    auto* out = Add<GVPLOutputBox>(100, 10, 60, 20); // tie 3
    auto* a = Add<GVPLInputData>(0, 0, 40, 20);
    auto* b = Add<GVPLInputData>(0, 40, 40, 20);
    Connect(a, 1, add, 1);
    Connect(b, 1, add, 2);
    Connect(add, 1, out, 1);
    EXPECT_EQ(NetText(), Lines{"<X000001> <X000002> ADD <X000003>"});
    EXPECT_EQ(out->Key(), "X000003");
    ASSERT_EQ(view->Outputs().Length(), 1);
    // An input with one connection sends straight to that tie's path and writes no text.
    EXPECT_EQ(a->PathName().Text(), "X000001");
    EXPECT_EQ(b->PathName().Text(), "X000002");

    view->Run();
    for (char c : std::string("[5,40]\r"))
        a->KeyEvent(c);
    for (char c : std::string("7\r"))
        b->KeyEvent(c);
    Ticks(1);
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000003: 12,47"});
    EXPECT_EQ(out->ResultText(), "12,47");
}

TEST_F(ProgramTest, FunctionFeedingThreeBoxesWritesTheChain) {
    GVPLFunction* abs = Function("ABS"); // tie 1
    Connect(Add<GVPLInputData>(0, 0, 40, 20), 1, abs, 1);
    auto* o1 = Add<GVPLOutputBox>(100, 0, 60, 20);  // 2
    auto* o2 = Add<GVPLOutputBox>(100, 30, 60, 20); // 3
    auto* o3 = Add<GVPLOutputBox>(100, 60, 60, 20); // 4
    Connect(abs, 1, o1, 1);
    Connect(abs, 1, o2, 1);
    Connect(abs, 1, o3, 1);
    EXPECT_EQ(NetText(), Lines{"<X000001> ABS <FuncX000002>\n"
                               " <FuncX000002> <!X000002> xT <FuncX000003>\n"
                               " <FuncX000003> <!X000003> xT <FuncX000004>\n"
                               " <FuncX000004> xM <X000004>\n"});
    view->Run();
    view->Binding().zez_send("X000001", "-3");
    Ticks(1);
    EXPECT_EQ(results, (Lines{"GVPLOutputBox X000002: 3", "GVPLOutputBox X000003: 3",
                              "GVPLOutputBox X000004: 3"}));
}

TEST_F(ProgramTest, UnconnectedTiesAndEmptyBoxes) {
    Function("ADD");
    Add<GVPLFunction>(10, 60, 60, 40); // no function chosen: no text at all
    Add<GVPLTimer>(10, 100, 40, 20);   // unconnected timer: no text, not counted
    // Inputs nothing feeds read from path 0; an output going nowhere writes no delivery.
    EXPECT_EQ(NetText(), Lines{"<X000000> <X000000> ADD"});
    EXPECT_EQ(view->Binding().TimerCounter(), 0);
}

TEST_F(ProgramTest, HeldInputTiesAreWrittenInBracesOnTheirOwnPaths) {
    GVPLFunction* mul = Function("MUL");
    GVPLFunction* sub = Function("SUB");
    auto* out = Add<GVPLOutputBox>(100, 10, 60, 20);
    Connect(Add<GVPLInputData>(0, 0, 40, 20), 1, mul, 1);
    Connect(mul, 1, sub, 1);
    Connect(sub, 1, out, 1);
    ASSERT_TRUE(mul->InputTie(2)->DepositInputValue("10"));
    ASSERT_TRUE(sub->InputTie(2)->DepositInputValue("1"));
    EXPECT_EQ(mul->InputTie(2)->HoldFlag(), 1);
    // The two constants have no connection, yet each keeps a path of its own.
    EXPECT_EQ(NetText(),
              (Lines{"<X000001> {X000002} MUL <X000003>", "<X000003> {X000004} SUB <X000005>"}));
    view->Run();
    view->Binding().zez_send("X000001", "[2,3]");
    Ticks(1);
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000005: 19,29"});
}

TEST_F(ProgramTest, TwoTimersChainFromOneTimerPath) {
    auto* t1 = Add<GVPLTimer>(0, 0, 40, 20);
    auto* t2 = Add<GVPLTimer>(0, 40, 40, 20);
    auto* o1 = Add<GVPLOutputBox>(100, 0, 60, 20);  // 1
    auto* o2 = Add<GVPLOutputBox>(100, 40, 60, 20); // 2
    t2->SetPeriod("0.5");
    Connect(t1, 1, o1, 1);
    Connect(t2, 1, o2, 1);
    EXPECT_EQ(NetText(), (Lines{"<Timer> xM <TimerOut000001>\n"
                                "<TimerOut000001> <!TimerIn000001> xT <TimerOut000002>\n"
                                "<TimerIn000001> 6 xCOUNT <X000001>\n",
                                "<TimerOut000002> <!TimerIn000002> xT <TimerOut000003>\n"
                                "<TimerIn000002> 3 xCOUNT <X000002>\n"}));
    view->Run();
    Ticks(6);
    // The half-second timer fires at ticks 3 and 6, the one-second timer at 6.
    EXPECT_EQ(results, (Lines{"GVPLOutputBox X000002: 3", "GVPLOutputBox X000001: 6",
                              "GVPLOutputBox X000002: 3"}));
}

TEST_F(ProgramTest, IdleRunsAtMostSixCallsPerRound) {
    GVPLFunction* abs = Function("ABS");
    Connect(Add<GVPLInputData>(0, 0, 40, 20), 1, abs, 1);
    auto* out = Add<GVPLOutputBox>(100, 10, 60, 20);
    Connect(abs, 1, out, 1);
    view->Run();
    view->Binding().zez_send("X000001", "1 2 3 4 5 6 7 8 9 10");
    view->DoIdle();
    EXPECT_EQ(results.size(), 6u);
    view->DoIdle();
    EXPECT_EQ(results.size(), 10u);
    EXPECT_EQ(out->ResultText(), "10"); // the one-line box shows the latest result
}

TEST_F(ProgramTest, IdleDoesNothingWhileHalted) {
    GVPLFunction* abs = Function("ABS");
    Connect(Add<GVPLInputData>(0, 0, 40, 20), 1, abs, 1);
    auto* out = Add<GVPLOutputBox>(100, 10, 60, 20);
    Connect(abs, 1, out, 1);
    view->SetupProgram();
    view->Binding().zez_send("X000001", "-1");
    view->DoIdle();
    EXPECT_TRUE(results.empty());
}

TEST_F(ProgramTest, RunSetsAndHaltClearsTheRunModeBits) {
    GVPLFunction* abs = Function("ABS");
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    Connect(in, 1, abs, 1);
    view->Run();
    EXPECT_TRUE(view->IsRunning());
    EXPECT_TRUE(view->WantsIdle());
    EXPECT_TRUE(abs->IsSet(0x10020));
    EXPECT_TRUE(abs->InputTie(1)->IsSet(0x40100));
    view->Halt();
    EXPECT_FALSE(view->IsRunning());
    EXPECT_FALSE(view->WantsIdle());
    EXPECT_FALSE(abs->IsSet(0x10020));
    EXPECT_FALSE(abs->InputTie(1)->IsSet(0x40100));
}

TEST_F(ProgramTest, HeldValuesSurviveHaltAndRun) {
    // A counter: the timer's 6 is added to the sum fed back on a holding tie.
    auto* timer = Add<GVPLTimer>(0, 0, 40, 20);
    GVPLFunction* add = Function("ADD", 50, 0);     // ties 1, 2
    auto* out = Add<GVPLOutputBox>(120, 0, 60, 20); // 3
    Connect(timer, 1, add, 1);
    Connect(add, 1, add, 2);
    Connect(add, 1, out, 1);
    ASSERT_TRUE(add->InputTie(2)->DepositInputValue("0"));
    view->Run();
    Ticks(12);
    EXPECT_EQ(results, (Lines{"GVPLOutputBox X000003: 6", "GVPLOutputBox X000003: 12"}));
    view->Halt();
    EXPECT_EQ(add->InputTie(2)->HeldValueText(), "12");
    results.clear();
    view->Run();
    Ticks(6);
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000003: 18"});
}

TEST_F(ProgramTest, DepositWhileRunningIsSentAtOnce) {
    GVPLFunction* add = Function("ADD");
    Connect(Add<GVPLInputData>(0, 0, 40, 20), 1, add, 1);
    auto* out = Add<GVPLOutputBox>(100, 10, 60, 20);
    Connect(add, 1, out, 1);
    ASSERT_TRUE(add->InputTie(2)->DepositInputValue("5"));
    view->Run();
    // The first data item of the typed text is the value.
    ASSERT_TRUE(add->InputTie(2)->DepositInputValue("\"no\" 41"));
    EXPECT_EQ(add->InputTie(2)->HeldValueText(), "no");
    EXPECT_FALSE(add->InputTie(2)->DepositInputValue("nothing here"));
    ASSERT_TRUE(add->InputTie(2)->DepositInputValue("41"));
    view->Binding().zez_send("X000001", "1");
    Ticks(1);
    // Each deposit replaced the value held on the path: the latest is added.
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000003: 42"});
}

TEST_F(ProgramTest, InputWithSeveralConnectionsFansOut) {
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    auto* o1 = Add<GVPLOutputBox>(100, 0, 60, 20);  // 1
    auto* o2 = Add<GVPLOutputBox>(100, 40, 60, 20); // 2
    Connect(in, 1, o1, 1);
    Connect(in, 1, o2, 1);
    EXPECT_EQ(NetText(), Lines{" <InputX000001> <!X000001> xT <InputX000002>\n"
                               " <InputX000002> xM <X000002>\n"});
    EXPECT_EQ(in->PathName().Text(), "InputX000001");
    view->Run();
    for (char c : std::string("\"hi\"\r"))
        in->KeyEvent(c);
    Ticks(1);
    EXPECT_EQ(results, (Lines{"GVPLOutputBox X000001: hi", "GVPLOutputBox X000002: hi"}));
}

TEST_F(ProgramTest, OutputsOfOtherProgramsAreNotFed) {
    GVPLFunction* abs = Function("ABS");
    Connect(Add<GVPLInputData>(0, 0, 40, 20), 1, abs, 1);
    auto* out = Add<GVPLOutputBox>(100, 10, 60, 20);
    Connect(abs, 1, out, 1);
    GVPLProgramView other(0, 0, 100, 100);
    other.SetTickSource(&clock);
    view->Run();
    other.Run();
    other.Binding().zez_send("X000001", "-5"); // nothing of that name in the other program
    vpl::RunTicks(other, clock, 1, 0);
    EXPECT_TRUE(results.empty());
}
