#include "process_fixture.h"

namespace {

using Paths = EngineTest;

int handlerCalls = 0;
vOBJECT* handlerSaw = nullptr;
int CountingHandler(vPATH*, vOBJECT* obj) {
    ++handlerCalls;
    handlerSaw = obj;
    return 7;
}

TEST_F(Paths, HoldSizeKeepsOnlyTheMostRecent) {
    Owned p(vvPathCreate("held"));
    vvPathSetHoldSize(p.As<vPATH>(), 1);
    vTEXT* first = vTextCreate("first");
    vvPathSend(p.As<vPATH>(), first); // freed when replaced; LeakSanitizer checks it
    vTEXT* second = vTextCreate("second");
    vvPathSend(p.As<vPATH>(), second);
    EXPECT_EQ(vvListSize(p.As<vPATH>()), 1);
    EXPECT_EQ(vListFirst(p.As<vPATH>()), second);
    Owned plain(vvPathCreate(""));
    EXPECT_EQ(vGetKey(plain.obj), nullptr);
    vvPathSend(plain.As<vPATH>(), vTextCreate("a"));
    vvPathSend(plain.As<vPATH>(), vTextCreate("b"));
    EXPECT_EQ(vvListSize(plain.As<vPATH>()), 2);
}

TEST_F(Paths, HandlerIsFoundUpTheParentLinks) {
    Owned top(vvPathCreate("top"));
    Owned middle(vvPathCreate("middle"));
    Owned leaf(vvPathCreate("leaf"));
    vSetParent(leaf.obj, middle.obj);
    vSetParent(middle.obj, top.obj);
    vvPathSetHandler(top.As<vPATH>(), &CountingHandler);
    handlerCalls = 0;
    vTEXT* t = vTextCreate("x");
    EXPECT_EQ(vvPathSend(leaf.As<vPATH>(), t), 7);
    EXPECT_EQ(handlerCalls, 1);
    EXPECT_EQ(handlerSaw, t);
    EXPECT_EQ(vListFirst(leaf.As<vPATH>()), t); // the object waits on the path it was sent to
    EXPECT_EQ(vvPathSend(leaf.As<vPATH>(), nullptr), 7); // a poke
    EXPECT_EQ(handlerSaw, nullptr);
    EXPECT_EQ(vvListSize(leaf.As<vPATH>()), 1);
    Owned lone(vvPathCreate("lone"));
    EXPECT_EQ(vvPathSend(lone.As<vPATH>(), vTextCreate("y")), 0);
}

TEST_F(Paths, ParentLoopsDoNotHang) {
    Owned a(vvPathCreate("a"));
    Owned b(vvPathCreate("b"));
    vSetParent(a.obj, b.obj);
    vSetParent(b.obj, a.obj);
    EXPECT_EQ(vvPathSend(a.As<vPATH>(), vTextCreate("z")), 0);
    vSetParent(a.obj, nullptr);
    vSetParent(b.obj, nullptr);
}

TEST_F(Paths, GetSubSearchesDepthFirst) {
    Owned root(vvPathCreate("root"));
    vPATH* inner = vvPathCreate("inner");
    vPATH* deep = vvPathCreate("deep");
    vPATH* direct = vvPathCreate("deep");
    vvInsert(inner, deep);
    vvInsert(root.As<vPATH>(), inner);
    vvInsert(root.As<vPATH>(), direct);
    EXPECT_EQ(vvPathGetSub(root.As<vPATH>(), "deep"), direct); // own entries first
    EXPECT_EQ(vvPathGetSub(root.As<vPATH>(), "inner"), inner);
    EXPECT_EQ(vvPathGetSub(root.As<vPATH>(), "missing"), nullptr);
    Owned text(vTextCreate("t"));
    EXPECT_EQ(vvPathGetSub(text.As<vPATH>(), "deep"), nullptr);
}

using Blocks = ProcessTest;

TEST_F(Blocks, TwoTriggeringInputsFireOnlyWhenBothHoldData) {
    AddResultPath("sum");
    Program("<a> <b> ADD <sum>");
    Send("a", "1 2");
    EXPECT_EQ(RunAll(), 0);
    EXPECT_EQ(vvListSize(PublicPath("a")), 2);
    Send("b", "10");
    EXPECT_EQ(RunAll(), 1);
    Send("b", "20");
    RunAll();
    EXPECT_EQ(results, (std::vector<std::string>{"sum: 11", "sum: 22"}));
    EXPECT_EQ(vvListSize(PublicPath("a")), 0);
    EXPECT_EQ(vvListSize(PublicPath("b")), 0);
}

TEST_F(Blocks, HeldInputIsReusedAndReplaced) {
    AddResultPath("out");
    Program("<a> {b} MUL <out>");
    Send("a", "3");
    EXPECT_EQ(RunAll(), 0);
    vvRelease(vvRemoveFirst(PublicPath("a")));
    Send("b", "2");
    Send("a", "1 2 3");
    RunAll();
    Send("b", "10");
    Send("a", "4");
    RunAll();
    EXPECT_EQ(results, (std::vector<std::string>{"out: 2", "out: 4", "out: 6", "out: 40"}));
    EXPECT_EQ(vvListSize(PublicPath("b")), 1);
}

TEST_F(Blocks, ResultWithoutOutputIsDestroyed) {
    Program("<a> <b> ADD");
    Send("a", "1");
    Send("b", "2");
    EXPECT_EQ(RunAll(), 1); // LeakSanitizer checks that the sum was freed
    EXPECT_TRUE(results.empty());
}

TEST_F(Blocks, QueuedCallsKeepTheirObjectsAndBlocksAcrossAReset) {
    AddResultPath("out");
    Program("<a> 1 ADD <out>");
    Send("a", "5");
    EXPECT_TRUE(vProcessCheckQue(proc));
    vProcessReset(proc); // the call keeps its block and its argument
    EXPECT_EQ(PublicPath("a"), nullptr);
    EXPECT_EQ(RunAll(), 1);
    EXPECT_EQ(results, (std::vector<std::string>{"out: 6"}));
    EXPECT_FALSE(vProcessCheckQue(proc));
}

TEST_F(Blocks, PendingCallsAreFreedWithTheProcess) {
    Program("<a> 1 ADD <b>\n<b> 2 ADD <c>");
    Send("a", "1 2 3");
    EXPECT_EQ(vvListSize(proc->queue), 3); // LeakSanitizer checks the teardown
}

TEST_F(Blocks, QueuedCallsWaitUntilTheProcessRuns) {
    AddResultPath("out");
    Program("<a> ABS <out>");
    Send("a", "-4");
    EXPECT_EQ(vvProcessNextFunction(proc), 0);
    EXPECT_TRUE(vProcessCheckQue(proc));
    vProcessSetRunning(proc, 1);
    EXPECT_EQ(vvProcessNextFunction(proc), 1);
    EXPECT_FALSE(vProcessBusy());
    EXPECT_EQ(results, (std::vector<std::string>{"out: 4"}));
}

TEST_F(Blocks, GateReturnsItsInputWhichSurvivesTheCall) {
    AddResultPath("out");
    Program("<a> <b> GATE <out>\n<c> <d> GATE");
    Send("a", "\"kept\"");
    Send("b", "1");
    Send("c", "7");
    Send("d", "1");
    EXPECT_EQ(RunAll(), 2);
    EXPECT_EQ(results, (std::vector<std::string>{"out: kept"}));
}

TEST_F(Blocks, TeeCopiesToAPathAndMovesOn) {
    AddResultPath("x");
    AddResultPath("y");
    AddResultPath("z");
    Program("<in> <!x> xT <t1>\n<t1> <!y> xT <t2>\n<t2> xM <z>");
    Send("in", "[1,2,3]");
    EXPECT_EQ(RunAll(), 0); // tees and moves run at once
    EXPECT_EQ(results, (std::vector<std::string>{"x: 1,2,3", "y: 1,2,3", "z: 1,2,3"}));
    EXPECT_EQ(vvListSize(PublicPath("in")), 0);
    EXPECT_EQ(vvListSize(PublicPath("t1")), 0);
}

TEST_F(Blocks, TeeWhoseSecondInputIsNoPathForwardsNowhere) {
    AddResultPath("out");
    Program("<in> 5 xT <out>");
    Send("in", "1");
    EXPECT_EQ(results, (std::vector<std::string>{"out: 1"}));
}

TEST_F(Blocks, DataOutDescribesIntoMessage) {
    Program("<a> 1 ADD <DataOut>");
    Send("a", "2");
    RunAll();
    EXPECT_EQ(results, (std::vector<std::string>{"Message: CLASS: Array\nDIMS : 1 (1)Long\n  3"}));
    EXPECT_EQ(vvListSize(PublicPath("DataOut")), 0);
}

TEST_F(Blocks, CountFedByTicks) {
    AddResultPath("out");
    Program("<Timer> 3 xCOUNT <out>");
    for (int i = 0; i < 7; ++i) {
        Send("Timer", "1");
        RunAll();
    }
    EXPECT_EQ(results, (std::vector<std::string>{"out: 3", "out: 3"}));
}

TEST_F(Blocks, FunctionReturningNothingStillPokesItsOutput) {
    AddResultPath("out");
    Program("<a> 60 TOTYPE <b>\n<b> <c> ADD <out>");
    Send("a", "1");
    EXPECT_EQ(RunAll(), 1);
    EXPECT_TRUE(results.empty());
}

using Processes = ProcessTest;

TEST_F(Processes, FunctionTableLookups) {
    int inputs = -1;
    EXPECT_EQ(vProcessFuncFromLabel(proc, "SMOOTH", &inputs), 82);
    EXPECT_EQ(inputs, 2);
    EXPECT_EQ(vProcessFuncFromLabel(proc, "SMOO", &inputs), 0);
    EXPECT_EQ(vProcessFuncFromPartLabel(proc, "S", &inputs), 0);
    EXPECT_EQ(vProcessFuncFromPartLabel(proc, "SM", &inputs), 82);
    EXPECT_EQ(vProcessFuncFromPartLabel(proc, "ZZ", &inputs), 0);
    EXPECT_EQ(vProcessFuncFromPartLabel(proc, "EXTRACT", &inputs), 70);
    EXPECT_EQ(inputs, 3);
    char keyword[10];
    EXPECT_EQ(vProcessLabelFromFunc(proc, 165, keyword, &inputs), 165);
    EXPECT_STREQ(keyword, "MIN");
    EXPECT_EQ(vProcessLabelFromFunc(proc, 999, keyword, &inputs), 0);
    EXPECT_EQ(vProcessReportFunction(proc, 0), 0);
    EXPECT_EQ(vProcessReportFunction(proc, 1), 2); // "xM"
    EXPECT_EQ(vProcessReportFunction(proc, 2), 65);
    EXPECT_EQ(vProcessReportFunction(proc, 2, keyword, &inputs), 65);
    EXPECT_STREQ(keyword, "xCOUNT");
    EXPECT_EQ(vProcessReportFunction(proc, 41), 70); // the last: "EXTRACT"
    EXPECT_EQ(vProcessReportFunction(proc, 42), 0);
}

TEST_F(Processes, ResetGivesAFreshPublicPath) {
    Program("<a> ABS <b>");
    EXPECT_NE(PublicPath("a"), nullptr);
    vPATH* oldCommand = vProcessCommandPath(proc);
    vProcessReset(proc);
    EXPECT_EQ(PublicPath("a"), nullptr);
    EXPECT_NE(PublicPath("Timer"), nullptr);
    EXPECT_NE(PublicPath("DataOut"), nullptr);
    EXPECT_EQ(vProcessCommandPath(proc), oldCommand);
    EXPECT_EQ(vProcessTimerPath(proc), PublicPath("Timer"));
    EXPECT_EQ(vvListSize(proc), 2); // "Command" and "Public"
}

TEST_F(Processes, LabelsFindOuterPathsBeforeMakingNewOnes) {
    AddResultPath("X000011");
    Program("<X000010> 2 ADD <X000011>");
    EXPECT_EQ(PublicPath("X000011"), nullptr);
    EXPECT_NE(PublicPath("X000010"), nullptr);
    Send("X000010", "5");
    RunAll();
    EXPECT_EQ(results, (std::vector<std::string>{"X000011: 7"}));
}

TEST_F(Processes, UnknownWordsBetweenInputsAreIgnored) {
    AddResultPath("out");
    Program("<a> FROB <b> BLAH ADD <out>");
    Send("a", "1");
    Send("b", "2");
    RunAll();
    EXPECT_EQ(results, (std::vector<std::string>{"out: 3"}));
}

TEST_F(Processes, AnUnfinishedBlockLeavesNoDanglingParent) {
    Program("<a> <b>");
    Send("a", "1"); // the block that named a is gone; a simply holds the value
    EXPECT_EQ(vvListSize(PublicPath("a")), 1);
    EXPECT_EQ(vGetParent(PublicPath("a")), nullptr);
}

TEST_F(Processes, LastBlockNamingAPathIsTheOneItWakes) {
    AddResultPath("one");
    AddResultPath("two");
    Program("<a> 1 ADD <one>\n<a> 2 ADD <two>");
    Send("a", "10");
    RunAll();
    EXPECT_EQ(results, (std::vector<std::string>{"two: 12"}));
}

TEST_F(Processes, CommandPathTakesOnlyTexts) {
    vARRAY* a = MakeArray(kTypeL, {1});
    vvPathSend(vProcessCommandPath(proc), a); // removed and freed
    EXPECT_EQ(vvListSize(vProcessCommandPath(proc)), 0);
}

} // namespace

namespace {

using OwnerCounting = ProcessTest;

TEST_F(OwnerCounting, QueuedCallHoldsItsArgumentsAndBlock) {
    Program("<a> {b} ADD <out>");
    Send("b", "2");
    vOBJECT* held = vListFirst(PublicPath("b"));
    EXPECT_EQ(held->owners, 1); // the path
    Send("a", "5");
    ASSERT_EQ(vvListSize(proc->queue), 1);
    auto* call = static_cast<vQUEDFCB*>(vListFirst(proc->queue));
    EXPECT_EQ(call->argc, 2);
    EXPECT_EQ(held->owners, 2);          // the path and the waiting call
    EXPECT_EQ(call->args[0]->owners, 1); // taken off path a: only the call holds it
    EXPECT_EQ(call->args[2], call->block->internals);
    EXPECT_EQ(call->args[3], nullptr);
    EXPECT_EQ(call->block->owners, 2); // the public path and the call
    RunAll();
    EXPECT_EQ(held->owners, 1);
    vOBJECT* sum = vListFirst(PublicPath("out"));
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->owners, 1);
    EXPECT_EQ(ValuesOf(sum), (std::vector<double>{7}));
}

TEST_F(OwnerCounting, TeeLeavesOneCountPerPathThatKeepsTheData) {
    Program("<in> <!copy> xT <out>");
    Send("in", "9");
    vOBJECT* copy = vListFirst(PublicPath("copy"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy, vListFirst(PublicPath("out")));
    EXPECT_EQ(copy->owners, 2);
    EXPECT_EQ(vvListSize(PublicPath("in")), 0);
    vvRelease(vvRemoveFirst(PublicPath("copy")));
    EXPECT_EQ(copy->owners, 1);
}

TEST_F(OwnerCounting, BlockInputsFromPathsAndConstants) {
    vFCB* fcb = static_cast<vFCB*>(vvIncOwners(vvFCBCreate("", proc->queue, kFnAdd, 2)));
    vPATH* path = vvPathCreate("p");
    vARRAY* constant = MakeArray(kTypeL, {4});
    vvFCBSetInput(fcb, path);
    vvFCBSetInput(fcb, constant);
    vvResetNext(fcb);
    EXPECT_EQ(vvFCBTestInput(fcb), nullptr); // the path is empty
    EXPECT_EQ(vvFCBTestInput(fcb), constant);
    vARRAY* value = MakeArray(kTypeL, {1});
    vvInsert(path, value);
    vvResetNext(fcb);
    EXPECT_EQ(vvFCBTestInput(fcb), value);
    vvResetNext(fcb);
    vvIncOwners(value);
    EXPECT_EQ(vvFCBGetInput(fcb), value);
    EXPECT_EQ(value->owners, 1);             // the path gave its count back
    EXPECT_EQ(vvFCBGetInput(fcb), constant); // a constant stays
    EXPECT_EQ(constant->owners, 1);
    vvRelease(value);
    vvFCBSetInternals(fcb, 5);
    EXPECT_EQ(ValuesOf(fcb->internals), (std::vector<double>{5}));
    vvFCBSetOutput(fcb, path);
    EXPECT_EQ(path->owners, 2);
    vvRelease(fcb);
}

TEST_F(OwnerCounting, FreeInputConsumesOnlyPathsWithoutHold) {
    Program("<a> {b} ADD");
    Send("b", "1");
    Send("a", "1");
    EXPECT_EQ(vvListSize(PublicPath("a")), 0);
    EXPECT_EQ(vvListSize(PublicPath("b")), 1);
    RunAll();
}

} // namespace

namespace {

using UnreadPaths = ProcessTest;

std::vector<double> HeldValues(vPATH* path) {
    std::vector<double> values;
    for (vNODE* n = path->head; n; n = n->next)
        values.push_back(ValuesOf(n->object).at(0));
    return values;
}

TEST_F(UnreadPaths, AResultNobodyTakesKeepsOnlyTheNewest) {
    Program("<a> 100 ADD <nobody>");
    const int sent = static_cast<int>(kUnreadPathLimit) + 10;
    for (int i = 1; i <= sent; ++i)
        Send("a", std::to_string(i).c_str());
    EXPECT_EQ(RunAll(), sent);
    vPATH* nobody = PublicPath("nobody");
    ASSERT_NE(nobody, nullptr);
    std::vector<double> expected;
    for (int i = sent - static_cast<int>(kUnreadPathLimit) + 1; i <= sent; ++i)
        expected.push_back(100 + i);
    EXPECT_EQ(HeldValues(nobody), expected) << "the newest, oldest first";
}

TEST_F(UnreadPaths, InputsOfBlocksKeepEverythingTheyAreSent) {
    // b is read by ADD although it wakes nothing; the tee only sends to d, which nobody reads.
    Program("<a> <!b> ADD <c>\n<e> <!d> xT <f>");
    const int sent = static_cast<int>(kUnreadPathLimit) * 2;
    for (int i = 0; i < sent; ++i) {
        Send("b", "1");
        Send("e", "2");
    }
    EXPECT_EQ(vvListSize(PublicPath("b")), sent);
    EXPECT_EQ(vvListSize(PublicPath("d")), kUnreadPathLimit);
    EXPECT_EQ(vvListSize(PublicPath("f")), kUnreadPathLimit);
    EXPECT_EQ(vvListSize(PublicPath("a")), 0);
    Send("a", "5");
    RunAll();
    EXPECT_EQ(vvListSize(PublicPath("b")), sent - 1) << "one call took one";
    EXPECT_EQ(HeldValues(PublicPath("c")), std::vector<double>{6});
}

TEST_F(UnreadPaths, APathNoLongerReadOnceItsBlockIsGone) {
    Program("<a> <!b> ADD <c>");
    Owned b(PublicPath("b"));
    EXPECT_EQ(b.As<vPATH>()->readers, 1);
    vProcessReset(proc);
    EXPECT_EQ(b.As<vPATH>()->readers, 0);
    for (long i = 0; i < kUnreadPathLimit + 5; ++i)
        vvPathSend(b.As<vPATH>(), MakeArray(kTypeL, {1}));
    EXPECT_EQ(vvListSize(b.As<vPATH>()), kUnreadPathLimit);
}

} // namespace
