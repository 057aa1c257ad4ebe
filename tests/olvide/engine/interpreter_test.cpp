#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace olvide::testing {
namespace {

class InterpreterTest : public ::testing::Test {
protected:
    void SetUp() override { buttons.commanderActivated(); }

    static std::string value(const TprogramVaribler* e) { return toUtf8(e->GetValue()); }
    static std::vector<std::string> lines(TprogramOutput* o) {
        std::vector<std::string> out;
        for (const std::string& line : o->lines())
            out.push_back(toUtf8(line));
        return out;
    }
    // Idle, Running, Paused or Ended, from the buttons and the running flag.
    std::string state() const {
        const bool run = buttons.enabled(RunButton::ProgramRun);
        const bool stop = buttons.enabled(RunButton::ProgramStop);
        if (!ws.Running) return run && !stop ? "Idle" : "?";
        if (run && stop) return "Paused";
        if (!run && stop && buttons.enabled(RunButton::programpause)) return "Running";
        if (!run && stop) return "Ended";
        return "?";
    }
    void runToEnd(TMaincommander* m) {
        run.ProgramRun(m);
        ASSERT_EQ(state(), "Ended");
    }

    RecordingPlatform platform;
    Workspace ws{platform};
    Tprogramspace& prog = ws.newProgram();
    Builder b{prog};
    RunButtons buttons;
    Interpreter run{ws, buttons};
};

TEST_F(InterpreterTest, AProgramWithOnlyItsHeadStepEndsAtOnce) {
    TMaincommander* m = b.main();
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Ended");
    EXPECT_EQ(run.ActiveCommander, m);
    run.ProgramStop();
    EXPECT_EQ(state(), "Idle");
    EXPECT_EQ(run.ActiveCommander, nullptr);
}

TEST_F(InterpreterTest, RunStartsTheRootOfTheEditedCommanderUnlessAnOperationWaits) {
    EXPECT_EQ(commanderToStart(prog), nullptr); // nothing edited
    TMaincommander* m = b.main();
    Tprogramcondition* c = b.condition("c");
    b.trueBranch(c);
    EXPECT_EQ(commanderToStart(prog), m);
    prog.edit.operated = c;
    EXPECT_EQ(commanderToStart(prog), nullptr);
    prog.edit.operated = nullptr;
    run.ProgramRun(commanderToStart(prog));
    EXPECT_EQ(state(), "Ended");
}

TEST_F(InterpreterTest, StepsComputeOnTheNewestLevelAndAResultMayBeAnOperand) {
    TMaincommander* m = b.main();
    TprogramNumber* x = b.number("x", "2.5");
    TprogramNumber* q = b.number("q");
    b.step(stepkind::WithConstant, "x+A", x, nullptr, x, "1");  // x := 3.5
    b.step(stepkind::WithConstant, "x*A", x, nullptr, x, "2");  // x := 7
    b.step(stepkind::WithConstant, "x|A", x, nullptr, q, "2");  // q := 3
    b.step(stepkind::WithConstant, "A-x", x, nullptr, x, "10"); // x := 3
    runToEnd(m);
    EXPECT_EQ(value(x), "3");
    EXPECT_EQ(value(q), "3");
    EXPECT_TRUE(platform.warnings.empty());
    // The start values are untouched; Stop drops the run's levels.
    EXPECT_EQ(x->Stores[0].StoreValue, "2.5");
    run.ProgramStop();
    EXPECT_EQ(x->LevelCount(), 0);
}

TEST_F(InterpreterTest, NumericMessagesWriteTheirResultAndTheRunGoesOn) {
    TMaincommander* m = b.main();
    TprogramNumber* x = b.number("x", "5");
    TprogramNumber* z = b.number("z");
    TprogramNumber* after = b.number("after");
    b.step(stepkind::WithConstant, "x/A", x, nullptr, z, "0");
    b.step(stepkind::SetFromConstant, "A->x", after, nullptr, nullptr, "1");
    runToEnd(m);
    EXPECT_EQ(platform.warnings, std::vector<std::string>{"除零错!"});
    EXPECT_EQ(value(z), "9999999999999999");
    EXPECT_EQ(value(after), "1");
}

TEST_F(InterpreterTest, StrictOperandsThatAreNoNumbersWriteNothing) {
    TMaincommander* m = b.main();
    TprogramString* s = b.string("s", "12x");
    TprogramNumber* z = b.number("z", "old");
    b.step(stepkind::WithConstant, "x%A", s, nullptr, z, "5");
    runToEnd(m);
    ASSERT_EQ(platform.warnings.size(), 1u);
    EXPECT_NE(platform.warnings[0].find("12x"), std::string::npos);
    EXPECT_EQ(value(z), "old");
}

TEST_F(InterpreterTest, AnErrorThatStopsTheRunEndsItInOrder) {
    TMaincommander* m = b.main();
    TprogramNumber* x = b.number("x", "-4");
    TprogramNumber* z = b.number("z", "7");
    TprogramNumber* never = b.number("never", "0");
    b.step(stepkind::Unary, "sqrtx", x, nullptr, z);
    b.step(stepkind::SetFromConstant, "A->x", never, nullptr, nullptr, "1");
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Ended");
    EXPECT_TRUE(run.halted());
    EXPECT_EQ(platform.warnings, std::vector<std::string>{"负数不能开平方,程序停止运行!"});
    EXPECT_EQ(value(z), "7");
    EXPECT_EQ(value(never), "0");
}

TEST_F(InterpreterTest, CountedLoopRunsItsBodyAndLeavesTheValuePastTheEnd) {
    TMaincommander* m = b.main();
    TprogramIteration* i = b.iteration("i", "1", "3");
    TprogramNumber* sum = b.number("sum");
    TprogramOutput* out = b.output("out");
    b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    b.body(i);
    b.step(stepkind::Binary, "x+y", sum, i, sum);
    b.step(stepkind::Binary, "O+S", out, i, nullptr);
    runToEnd(m);
    EXPECT_EQ(value(i), "4");
    EXPECT_EQ(value(sum), "6");
    EXPECT_EQ(lines(out), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(InterpreterTest, ALoopWhoseStartIsPastItsEndIsNotEntered) {
    TMaincommander* m = b.main();
    TprogramIteration* i = b.iteration("i", "5", "1");
    TprogramNumber* count = b.number("count");
    b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    b.body(i);
    b.step(stepkind::WithConstant, "x+A", count, nullptr, count, "1");
    runToEnd(m);
    EXPECT_EQ(value(i), "5");
    EXPECT_EQ(value(count), "0");
}

TEST_F(InterpreterTest, ADownwardLoopCountsWithANegativeStep) {
    TMaincommander* m = b.main();
    TprogramIteration* i = b.iteration("i", "3", "1", "-1");
    TprogramOutput* out = b.output("out");
    b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    b.body(i);
    b.step(stepkind::Binary, "O+S", out, i, nullptr);
    runToEnd(m);
    EXPECT_EQ(lines(out), (std::vector<std::string>{"3", "2", "1"}));
}

TEST_F(InterpreterTest, ConditionsTakeTheirBranchAndSkipEmptyOnes) {
    TMaincommander* m = b.main();
    Tprogramcondition* c = b.condition("c", "TRUE");
    Tprogramcondition* d = b.condition("d", "yes"); // not "TRUE": the false branch
    TprogramOutput* out = b.output("out");
    b.step(stepkind::Flow, "DOC", c, nullptr, nullptr);
    b.step(stepkind::Flow, "DOC", d, nullptr, nullptr);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "end");
    b.trueBranch(c);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "c true");
    b.falseBranch(c); // only its head step: skipped
    b.trueBranch(d);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "d true");
    b.falseBranch(d);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "d false");
    runToEnd(m);
    EXPECT_EQ(lines(out), (std::vector<std::string>{"c true", "d false", "end"}));
}

TEST_F(InterpreterTest, AConditionWithTheLoopAttributeRepeatsWhileItHolds) {
    TMaincommander* m = b.main();
    TprogramNumber* n = b.number("n", "1");
    Tprogramcondition* c = b.condition("c", "TRUE");
    c->IsIterator = true;
    TprogramOutput* out = b.output("out");
    b.step(stepkind::WithConstant, "x<A", n, nullptr, c, "4");
    b.step(stepkind::Flow, "DOC", c, nullptr, nullptr);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "done");
    b.trueBranch(c);
    b.step(stepkind::Binary, "O+S", out, n, nullptr);
    b.step(stepkind::WithConstant, "x+A", n, nullptr, n, "1");
    b.step(stepkind::WithConstant, "x<A", n, nullptr, c, "4");
    runToEnd(m);
    EXPECT_EQ(lines(out), (std::vector<std::string>{"1", "2", "3", "done"}));
}

TEST_F(InterpreterTest, ALoopConditionHandsOverToItsOtherBranch) {
    // The true branch runs while c holds, then the false branch takes its place until an
    // exit leaves the condition.
    TMaincommander* m = b.main();
    TprogramNumber* n = b.number("n", "0");
    Tprogramcondition* c = b.condition("c", "TRUE");
    c->IsIterator = true;
    TprogramOutput* out = b.output("out");
    b.step(stepkind::Flow, "DOC", c, nullptr, nullptr);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "after");
    b.trueBranch(c);
    b.step(stepkind::WithConstant, "x+A", n, nullptr, n, "1");
    b.step(stepkind::WithConstant, "x<A", n, nullptr, c, "2");
    b.falseBranch(c);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "false branch");
    b.step(stepkind::Flow, "EXF", nullptr, nullptr, nullptr);
    runToEnd(m);
    EXPECT_EQ(value(n), "2");
    EXPECT_EQ(lines(out), (std::vector<std::string>{"false branch", "after"}));
    // Leaving never leaves records behind.
    for (const auto& commander : prog.objects.commanders)
        EXPECT_TRUE(commander->CallRecords.empty());
}

TEST_F(InterpreterTest, AnExitInsideAnIterationGoesOnAfterTheLoop) {
    TMaincommander* m = b.main();
    TprogramIteration* i = b.iteration("i", "1", "10");
    Tprogramcondition* stop = b.condition("stop", "FALSE");
    TprogramOutput* out = b.output("out");
    b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "after");
    b.body(i);
    b.step(stepkind::Binary, "O+S", out, i, nullptr);
    b.step(stepkind::WithConstant, "x>=A", i, nullptr, stop, "3");
    b.step(stepkind::Flow, "DOC", stop, nullptr, nullptr);
    b.trueBranch(stop);
    b.step(stepkind::Flow, "EXF", nullptr, nullptr, nullptr); // leaves the branch and the loop
    runToEnd(m);
    EXPECT_EQ(lines(out), (std::vector<std::string>{"1", "2", "3", "after"}));
    EXPECT_EQ(value(i), "3");
}

TEST_F(InterpreterTest, AnExitNamingItsLoopLeavesEveryCommanderUpToIt) {
    TMaincommander* m = b.main();
    TprogramIteration* outer = b.iteration("outer", "1", "3");
    TprogramIteration* inner = b.iteration("inner", "1", "3");
    Tprogramcondition* c = b.condition("c", "TRUE");
    TprogramOutput* out = b.output("out");
    b.step(stepkind::Flow, "DOI", outer, nullptr, nullptr);
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "after");
    b.body(outer);
    b.step(stepkind::Flow, "DOI", inner, nullptr, nullptr);
    b.body(inner);
    b.step(stepkind::Binary, "O+S", out, inner, nullptr);
    b.step(stepkind::Flow, "DOC", c, nullptr, nullptr);
    b.trueBranch(c);
    b.step(stepkind::Flow, "EXF", outer, nullptr, nullptr); // leaves c, inner and outer
    runToEnd(m);
    EXPECT_EQ(lines(out), (std::vector<std::string>{"1", "after"}));
    for (const auto& commander : prog.objects.commanders)
        EXPECT_TRUE(commander->CallRecords.empty());
}

TEST_F(InterpreterTest, AnExitWithNowhereToGoEndsTheProgram) {
    TMaincommander* m = b.main();
    TprogramNumber* x = b.number("x", "0");
    b.step(stepkind::Flow, "EXF", nullptr, nullptr, nullptr);
    b.step(stepkind::SetFromConstant, "A->x", x, nullptr, nullptr, "1");
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Ended");
    EXPECT_EQ(value(x), "0");
}

TEST_F(InterpreterTest, AReturnInTheMainCommanderEndsTheRun) {
    TMaincommander* m = b.main();
    TprogramNumber* x = b.number("x", "0");
    b.step(stepkind::Flow, "...", nullptr, nullptr, nullptr);
    b.step(stepkind::SetFromConstant, "A->x", x, nullptr, nullptr, "1");
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Ended");
    EXPECT_EQ(value(x), "0");
    EXPECT_EQ(m->ProgramCounter, 1); // the return step stays the one shown
}

TEST_F(InterpreterTest, ABreakpointPausesBeforeItsStepAndRunContinues) {
    TMaincommander* m = b.main();
    TprogramNumber* x = b.number("x", "0");
    b.step(stepkind::WithConstant, "x+A", x, nullptr, x, "1");
    Tstep* second = b.step(stepkind::WithConstant, "x+A", x, nullptr, x, "10");
    second->StepBreak = true;
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Paused");
    EXPECT_EQ(value(x), "1");
    EXPECT_EQ(m->ProgramCounter + 1, 3); // the breakpoint's step is next
    run.ProgramRun(nullptr);
    EXPECT_EQ(state(), "Ended");
    EXPECT_EQ(value(x), "11");
}

TEST_F(InterpreterTest, ABreakpointOnAnObjectPausesEveryStepThatUsesIt) {
    TMaincommander* m = b.main();
    TprogramNumber* x = b.number("x", "0");
    TprogramNumber* watched = b.number("watched", "0");
    watched->IsBreakpoint = true;
    b.step(stepkind::WithConstant, "x+A", x, nullptr, x, "1");
    b.step(stepkind::Copy, "x->y", x, watched, nullptr);
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Paused");
    EXPECT_EQ(value(watched), "0");
    run.ProgramRun(nullptr);
    EXPECT_EQ(value(watched), "1");
}

TEST_F(InterpreterTest, PauseFromTheInterfaceIsSeenAfterTheNextStep) {
    TMaincommander* m = b.main();
    TprogramNumber* x = b.number("x", "0");
    for (int i = 0; i < 5; ++i)
        b.step(stepkind::WithConstant, "x+A", x, nullptr, x, "1");
    platform.onEvents = [&] {
        if (x->GetValue() == "2") run.programpause();
    };
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Paused");
    EXPECT_EQ(value(x), "2");
    platform.onEvents = nullptr;
    run.ProgramStepin(nullptr);
    EXPECT_EQ(value(x), "3");
    EXPECT_EQ(state(), "Paused");
    run.ProgramRun(nullptr);
    EXPECT_EQ(value(x), "5");
}

TEST_F(InterpreterTest, StopFromTheInterfaceEndsTheRunAndDropsEveryLevel) {
    TMaincommander* m = b.main();
    TprogramIteration* i = b.iteration("i", "1", "1000000");
    b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    b.body(i);
    b.step(stepkind::Comment, "spin", nullptr, nullptr, nullptr);
    platform.onEvents = [&] {
        if (platform.eventPumps == 50) run.ProgramStop();
    };
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Idle");
    EXPECT_LT(run.stepsExecuted(), 60);
    for (const auto& e : prog.objects.elements)
        EXPECT_EQ(e->LevelCount(), 0);
    for (const auto& c : prog.objects.commanders)
        EXPECT_TRUE(c->CallRecords.empty());
}

TEST_F(InterpreterTest, StepInWalksIntoBranchesAndReportsTheShownStep) {
    TMaincommander* m = b.main();
    Tprogramcondition* c = b.condition("c", "TRUE");
    TprogramNumber* x = b.number("x", "0");
    b.step(stepkind::Flow, "DOC", c, nullptr, nullptr);
    b.step(stepkind::WithConstant, "x+A", x, nullptr, x, "100");
    TTruecommander* t = b.trueBranch(c);
    b.step(stepkind::WithConstant, "x+A", x, nullptr, x, "1");
    std::vector<std::pair<TCommander*, int>> shown;
    run.onShowStep = [&](TCommander* cmd, int n, bool) { shown.emplace_back(cmd, n); };
    run.ProgramStepin(m); // the head step
    EXPECT_EQ(state(), "Paused");
    run.ProgramStepin(nullptr); // DOC: into the true branch
    EXPECT_EQ(run.ActiveCommander, t);
    run.ProgramStepin(nullptr); // its head
    run.ProgramStepin(nullptr); // x + 1
    EXPECT_EQ(value(x), "1");
    run.ProgramStepin(nullptr); // past its end: back after the DOC
    EXPECT_EQ(run.ActiveCommander, m);
    run.ProgramStepin(nullptr); // x + 100
    EXPECT_EQ(value(x), "101");
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front(), std::make_pair(static_cast<TCommander*>(m), 2));
    run.ProgramStepin(nullptr); // past the last step: the program has ended
    EXPECT_EQ(state(), "Ended");
}

TEST_F(InterpreterTest, StepOverRunsAWholeIterationAndStopsAfterIt) {
    TMaincommander* m = b.main();
    TprogramIteration* i = b.iteration("i", "1", "3");
    TprogramNumber* sum = b.number("sum");
    b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    b.step(stepkind::WithConstant, "x+A", sum, nullptr, sum, "100");
    b.body(i);
    b.step(stepkind::Binary, "x+y", sum, i, sum);
    run.ProgramStepin(m); // head
    run.programStepOver(nullptr);
    EXPECT_EQ(state(), "Paused");
    EXPECT_EQ(value(sum), "6");
    EXPECT_EQ(run.ActiveCommander, m);
    EXPECT_EQ(m->ProgramCounter, 2); // the step after the DOI is next
    run.programStepOver(nullptr);
    EXPECT_EQ(value(sum), "106");
}

TEST_F(InterpreterTest, StepOverALoopThatRunsNothingIsOneStep) {
    TMaincommander* m = b.main();
    TprogramIteration* i = b.iteration("i", "5", "1");
    TprogramNumber* x = b.number("x");
    b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    b.step(stepkind::WithConstant, "x+A", x, nullptr, x, "1");
    b.body(i);
    b.step(stepkind::Comment, "never", nullptr, nullptr, nullptr);
    run.ProgramStepin(m);
    run.programStepOver(nullptr);
    EXPECT_EQ(state(), "Paused");
    EXPECT_EQ(value(x), "0"); // the step after the loop has not run yet
    EXPECT_EQ(m->ProgramCounter, 2);
}

TEST_F(InterpreterTest, TheStepLimitPausesTheRun) {
    TMaincommander* m = b.main();
    TprogramIteration* i = b.iteration("i", "1", "0", "0"); // a step of 0 loops for ever
    b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
    b.body(i);
    b.step(stepkind::Comment, "spin", nullptr, nullptr, nullptr);
    run.setStepLimit(1000);
    run.ProgramRun(m);
    EXPECT_EQ(state(), "Paused");
    EXPECT_TRUE(run.stepLimitReached());
    EXPECT_EQ(run.stepsExecuted(), 1000);
}

TEST_F(InterpreterTest, OutputsWorkOnTheirRunLines) {
    TMaincommander* m = b.main();
    TprogramOutput* out = b.output("out");
    TprogramOutput* copy = b.output("copy");
    out->OutputLines = {"design"};
    TprogramString* s = b.string("s", "中文");
    b.step(stepkind::SetFromConstant, "O+A", out, nullptr, nullptr, "a");
    b.step(stepkind::Binary, "O+S", out, s, nullptr);
    b.step(stepkind::Copy, "O->x", out, copy, nullptr);
    b.step(stepkind::Unary, "***", out, nullptr, nullptr);
    runToEnd(m);
    EXPECT_EQ(lines(out), std::vector<std::string>{});
    EXPECT_EQ(lines(copy), (std::vector<std::string>{"design", "a", "中文"}));
    EXPECT_EQ(out->OutputLines, std::vector<std::string>{"design"});
}

TEST_F(InterpreterTest, StringStepsCountBytesOfTheCodePage) {
    TMaincommander* m = b.main();
    TprogramString* s = b.string("s", "你好世界");
    s->LocatePart->setAllStores("3");
    s->MeasurePart->setAllStores("4");
    TprogramNumber* len = b.number("len");
    TprogramString* clip = b.string("clip");
    TprogramString* replaced = b.string("replaced");
    TprogramString* joined = b.string("joined");
    TprogramBoolean* less = b.boolean("less");
    b.step(stepkind::Unary, "----", s, nullptr, len);
    b.step(stepkind::Unary, "A(BC)D", s, nullptr, clip);
    b.step(stepkind::WithConstant, "S_<->A", s, nullptr, replaced, "的");
    b.step(stepkind::WithConstant, "S+A", clip, nullptr, joined, "!");
    b.step(stepkind::WithConstant, "S<A", s, nullptr, less, "你");
    runToEnd(m);
    EXPECT_EQ(value(len), "8");
    EXPECT_EQ(value(clip), "好世");
    EXPECT_EQ(value(replaced), "你的界");
    EXPECT_EQ(value(joined), "好世!");
    EXPECT_EQ(value(less), "FALSE");
}

TEST_F(InterpreterTest, ACallOfAFunctionThatIsNotOpenWarnsAndGoesOn) {
    TMaincommander* m = b.main();
    auto* f = b.element<TprogramFunction>(kind::Function, "Nowhere");
    TprogramNumber* x = b.number("x", "0");
    b.step(stepkind::Call, "Olvane1", f, nullptr, nullptr);
    b.step(stepkind::SetFromConstant, "A->x", x, nullptr, nullptr, "1");
    runToEnd(m);
    EXPECT_EQ(platform.warnings, std::vector<std::string>{"函数调用出错!"});
    EXPECT_EQ(value(x), "1");
}

} // namespace
} // namespace olvide::testing
