#include "process_fixture.h"

namespace {

using Paths = EngineTest;

int handlerCalls = 0;
vOBJECT* handlerSaw = nullptr;
int countingHandler(vPATH*, vOBJECT* obj) {
    ++handlerCalls;
    handlerSaw = obj;
    return 7;
}

TEST_F(Paths, HoldSizeKeepsOnlyTheMostRecent) {
    Owned p(vvPathCreate("held"));
    vvPathSetHoldSize(p.as<vPATH>(), 1);
    vTEXT* first = vTextCreate("first");
    vvPathSend(p.as<vPATH>(), first); // freed when replaced; LeakSanitizer checks it
    vTEXT* second = vTextCreate("second");
    vvPathSend(p.as<vPATH>(), second);
    EXPECT_EQ(vvListSize(p.as<vPATH>()), 1);
    EXPECT_EQ(vListFirst(p.as<vPATH>()), second);
    Owned plain(vvPathCreate(""));
    EXPECT_EQ(vGetKey(plain.obj), nullptr);
    vvPathSend(plain.as<vPATH>(), vTextCreate("a"));
    vvPathSend(plain.as<vPATH>(), vTextCreate("b"));
    EXPECT_EQ(vvListSize(plain.as<vPATH>()), 2);
}

TEST_F(Paths, HandlerIsFoundUpTheParentLinks) {
    Owned top(vvPathCreate("top"));
    Owned middle(vvPathCreate("middle"));
    Owned leaf(vvPathCreate("leaf"));
    vSetParent(leaf.obj, middle.obj);
    vSetParent(middle.obj, top.obj);
    vvPathSetHandler(top.as<vPATH>(), &countingHandler);
    handlerCalls = 0;
    vTEXT* t = vTextCreate("x");
    EXPECT_EQ(vvPathSend(leaf.as<vPATH>(), t), 7);
    EXPECT_EQ(handlerCalls, 1);
    EXPECT_EQ(handlerSaw, t);
    EXPECT_EQ(vListFirst(leaf.as<vPATH>()), t); // the object waits on the path it was sent to
    EXPECT_EQ(vvPathSend(leaf.as<vPATH>(), nullptr), 7); // a poke
    EXPECT_EQ(handlerSaw, nullptr);
    EXPECT_EQ(vvListSize(leaf.as<vPATH>()), 1);
    Owned lone(vvPathCreate("lone"));
    EXPECT_EQ(vvPathSend(lone.as<vPATH>(), vTextCreate("y")), 0);
}

TEST_F(Paths, ParentLoopsDoNotHang) {
    Owned a(vvPathCreate("a"));
    Owned b(vvPathCreate("b"));
    vSetParent(a.obj, b.obj);
    vSetParent(b.obj, a.obj);
    EXPECT_EQ(vvPathSend(a.as<vPATH>(), vTextCreate("z")), 0);
    vSetParent(a.obj, nullptr);
    vSetParent(b.obj, nullptr);
}

TEST_F(Paths, GetSubSearchesDepthFirst) {
    Owned root(vvPathCreate("root"));
    vPATH* inner = vvPathCreate("inner");
    vPATH* deep = vvPathCreate("deep");
    vPATH* direct = vvPathCreate("deep");
    vvInsert(inner, deep);
    vvInsert(root.as<vPATH>(), inner);
    vvInsert(root.as<vPATH>(), direct);
    EXPECT_EQ(vvPathGetSub(root.as<vPATH>(), "deep"), direct); // own entries first
    EXPECT_EQ(vvPathGetSub(root.as<vPATH>(), "inner"), inner);
    EXPECT_EQ(vvPathGetSub(root.as<vPATH>(), "missing"), nullptr);
    Owned text(vTextCreate("t"));
    EXPECT_EQ(vvPathGetSub(text.as<vPATH>(), "deep"), nullptr);
}

using Blocks = ProcessTest;

TEST_F(Blocks, TwoTriggeringInputsFireOnlyWhenBothHoldData) {
    addResultPath("sum");
    program("<a> <b> ADD <sum>");
    send("a", "1 2");
    EXPECT_EQ(runAll(), 0);
    EXPECT_EQ(vvListSize(publicPath("a")), 2);
    send("b", "10");
    EXPECT_EQ(runAll(), 1);
    send("b", "20");
    runAll();
    EXPECT_EQ(results, (std::vector<std::string>{"sum: 11", "sum: 22"}));
    EXPECT_EQ(vvListSize(publicPath("a")), 0);
    EXPECT_EQ(vvListSize(publicPath("b")), 0);
}

TEST_F(Blocks, HeldInputIsReusedAndReplaced) {
    addResultPath("out");
    program("<a> {b} MUL <out>");
    send("a", "3");
    EXPECT_EQ(runAll(), 0);
    vvRelease(vvRemoveFirst(publicPath("a")));
    send("b", "2");
    send("a", "1 2 3");
    runAll();
    send("b", "10");
    send("a", "4");
    runAll();
    EXPECT_EQ(results, (std::vector<std::string>{"out: 2", "out: 4", "out: 6", "out: 40"}));
    EXPECT_EQ(vvListSize(publicPath("b")), 1);
}

TEST_F(Blocks, ResultWithoutOutputIsDestroyed) {
    program("<a> <b> ADD");
    send("a", "1");
    send("b", "2");
    EXPECT_EQ(runAll(), 1); // LeakSanitizer checks that the sum was freed
    EXPECT_TRUE(results.empty());
}

TEST_F(Blocks, QueuedCallsKeepTheirObjectsAndBlocksAcrossAReset) {
    addResultPath("out");
    program("<a> 1 ADD <out>");
    send("a", "5");
    EXPECT_TRUE(vProcessCheckQue(proc));
    vProcessReset(proc); // the call keeps its block and its argument
    EXPECT_EQ(publicPath("a"), nullptr);
    EXPECT_EQ(runAll(), 1);
    EXPECT_EQ(results, (std::vector<std::string>{"out: 6"}));
    EXPECT_FALSE(vProcessCheckQue(proc));
}

TEST_F(Blocks, PendingCallsAreFreedWithTheProcess) {
    program("<a> 1 ADD <b>\n<b> 2 ADD <c>");
    send("a", "1 2 3");
    EXPECT_EQ(vvListSize(proc->queue), 3); // LeakSanitizer checks the teardown
}

TEST_F(Blocks, QueuedCallsWaitUntilTheProcessRuns) {
    addResultPath("out");
    program("<a> ABS <out>");
    send("a", "-4");
    EXPECT_EQ(vvProcessNextFunction(proc), 0);
    EXPECT_TRUE(vProcessCheckQue(proc));
    vProcessSetRunning(proc, 1);
    EXPECT_EQ(vvProcessNextFunction(proc), 1);
    EXPECT_FALSE(vProcessBusy());
    EXPECT_EQ(results, (std::vector<std::string>{"out: 4"}));
}

TEST_F(Blocks, GateReturnsItsInputWhichSurvivesTheCall) {
    addResultPath("out");
    program("<a> <b> GATE <out>\n<c> <d> GATE");
    send("a", "\"kept\"");
    send("b", "1");
    send("c", "7");
    send("d", "1");
    EXPECT_EQ(runAll(), 2);
    EXPECT_EQ(results, (std::vector<std::string>{"out: kept"}));
}

TEST_F(Blocks, TeeCopiesToAPathAndMovesOn) {
    addResultPath("x");
    addResultPath("y");
    addResultPath("z");
    program("<in> <!x> xT <t1>\n<t1> <!y> xT <t2>\n<t2> xM <z>");
    send("in", "[1,2,3]");
    EXPECT_EQ(runAll(), 0); // tees and moves run at once
    EXPECT_EQ(results, (std::vector<std::string>{"x: 1,2,3", "y: 1,2,3", "z: 1,2,3"}));
    EXPECT_EQ(vvListSize(publicPath("in")), 0);
    EXPECT_EQ(vvListSize(publicPath("t1")), 0);
}

TEST_F(Blocks, TeeWhoseSecondInputIsNoPathForwardsNowhere) {
    addResultPath("out");
    program("<in> 5 xT <out>");
    send("in", "1");
    EXPECT_EQ(results, (std::vector<std::string>{"out: 1"}));
}

TEST_F(Blocks, DataOutDescribesIntoMessage) {
    program("<a> 1 ADD <DataOut>");
    send("a", "2");
    runAll();
    EXPECT_EQ(results, (std::vector<std::string>{"Message: CLASS: Array\nDIMS : 1 (1)Long\n  3"}));
    EXPECT_EQ(vvListSize(publicPath("DataOut")), 0);
}

TEST_F(Blocks, CountFedByTicks) {
    addResultPath("out");
    program("<Timer> 3 xCOUNT <out>");
    for (int i = 0; i < 7; ++i) {
        send("Timer", "1");
        runAll();
    }
    EXPECT_EQ(results, (std::vector<std::string>{"out: 3", "out: 3"}));
}

TEST_F(Blocks, FunctionReturningNothingStillPokesItsOutput) {
    addResultPath("out");
    program("<a> 60 TOTYPE <b>\n<b> <c> ADD <out>");
    send("a", "1");
    EXPECT_EQ(runAll(), 1);
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
    program("<a> ABS <b>");
    EXPECT_NE(publicPath("a"), nullptr);
    vPATH* oldCommand = vProcessCommandPath(proc);
    vProcessReset(proc);
    EXPECT_EQ(publicPath("a"), nullptr);
    EXPECT_NE(publicPath("Timer"), nullptr);
    EXPECT_NE(publicPath("DataOut"), nullptr);
    EXPECT_EQ(vProcessCommandPath(proc), oldCommand);
    EXPECT_EQ(vProcessTimerPath(proc), publicPath("Timer"));
    EXPECT_EQ(vvListSize(proc), 2); // "Command" and "Public"
}

TEST_F(Processes, LabelsFindOuterPathsBeforeMakingNewOnes) {
    addResultPath("X000011");
    program("<X000010> 2 ADD <X000011>");
    EXPECT_EQ(publicPath("X000011"), nullptr);
    EXPECT_NE(publicPath("X000010"), nullptr);
    send("X000010", "5");
    runAll();
    EXPECT_EQ(results, (std::vector<std::string>{"X000011: 7"}));
}

TEST_F(Processes, UnknownWordsBetweenInputsAreIgnored) {
    addResultPath("out");
    program("<a> FROB <b> BLAH ADD <out>");
    send("a", "1");
    send("b", "2");
    runAll();
    EXPECT_EQ(results, (std::vector<std::string>{"out: 3"}));
}

TEST_F(Processes, AnUnfinishedBlockLeavesNoDanglingParent) {
    program("<a> <b>");
    send("a", "1"); // the block that named a is gone; a simply holds the value
    EXPECT_EQ(vvListSize(publicPath("a")), 1);
    EXPECT_EQ(vGetParent(publicPath("a")), nullptr);
}

TEST_F(Processes, LastBlockNamingAPathIsTheOneItWakes) {
    addResultPath("one");
    addResultPath("two");
    program("<a> 1 ADD <one>\n<a> 2 ADD <two>");
    send("a", "10");
    runAll();
    EXPECT_EQ(results, (std::vector<std::string>{"two: 12"}));
}

TEST_F(Processes, CommandPathTakesOnlyTexts) {
    vARRAY* a = makeArray(kTypeL, {1});
    vvPathSend(vProcessCommandPath(proc), a); // removed and freed
    EXPECT_EQ(vvListSize(vProcessCommandPath(proc)), 0);
}

} // namespace

namespace {

using OwnerCounting = ProcessTest;

TEST_F(OwnerCounting, QueuedCallHoldsItsArgumentsAndBlock) {
    program("<a> {b} ADD <out>");
    send("b", "2");
    vOBJECT* held = vListFirst(publicPath("b"));
    EXPECT_EQ(held->owners, 1); // the path
    send("a", "5");
    ASSERT_EQ(vvListSize(proc->queue), 1);
    auto* call = static_cast<vQUEDFCB*>(vListFirst(proc->queue));
    EXPECT_EQ(call->argc, 2);
    EXPECT_EQ(held->owners, 2);          // the path and the waiting call
    EXPECT_EQ(call->args[0]->owners, 1); // taken off path a: only the call holds it
    EXPECT_EQ(call->args[2], call->block->internals);
    EXPECT_EQ(call->args[3], nullptr);
    EXPECT_EQ(call->block->owners, 2); // the public path and the call
    runAll();
    EXPECT_EQ(held->owners, 1);
    vOBJECT* sum = vListFirst(publicPath("out"));
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->owners, 1);
    EXPECT_EQ(valuesOf(sum), (std::vector<double>{7}));
}

TEST_F(OwnerCounting, TeeLeavesOneCountPerPathThatKeepsTheData) {
    program("<in> <!copy> xT <out>");
    send("in", "9");
    vOBJECT* copy = vListFirst(publicPath("copy"));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy, vListFirst(publicPath("out")));
    EXPECT_EQ(copy->owners, 2);
    EXPECT_EQ(vvListSize(publicPath("in")), 0);
    vvRelease(vvRemoveFirst(publicPath("copy")));
    EXPECT_EQ(copy->owners, 1);
}

TEST_F(OwnerCounting, BlockInputsFromPathsAndConstants) {
    vFCB* fcb = static_cast<vFCB*>(vvIncOwners(vvFCBCreate("", proc->queue, kFnAdd, 2)));
    vPATH* path = vvPathCreate("p");
    vARRAY* constant = makeArray(kTypeL, {4});
    vvFCBSetInput(fcb, path);
    vvFCBSetInput(fcb, constant);
    vvResetNext(fcb);
    EXPECT_EQ(vvFCBTestInput(fcb), nullptr); // the path is empty
    EXPECT_EQ(vvFCBTestInput(fcb), constant);
    vARRAY* value = makeArray(kTypeL, {1});
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
    EXPECT_EQ(valuesOf(fcb->internals), (std::vector<double>{5}));
    vvFCBSetOutput(fcb, path);
    EXPECT_EQ(path->owners, 2);
    vvRelease(fcb);
}

TEST_F(OwnerCounting, FreeInputConsumesOnlyPathsWithoutHold) {
    program("<a> {b} ADD");
    send("b", "1");
    send("a", "1");
    EXPECT_EQ(vvListSize(publicPath("a")), 0);
    EXPECT_EQ(vvListSize(publicPath("b")), 1);
    runAll();
}

} // namespace
