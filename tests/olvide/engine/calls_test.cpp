// Calls of functions: parameters both ways, recursion with one value level per call, step over
// across calls, and stop inside a called function.
#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace olvide::testing {
namespace {

class CallsTest : public ::testing::Test {
protected:
    void SetUp() override {
        buttons.commanderActivated();
        caller.caption = "Caller";
        callee.caption = "Twice";
    }
    static std::string value(const TprogramVaribler* e) { return toUtf8(e->GetValue()); }
    static void parameter(TMaincommander* m, TValueVaribler* e, bool in, bool out) {
        Builder::argument(m, e, in, out);
    }
    static Tstep* bind(Tstep* call, TprogramVaribler* formal, TprogramVaribler* actual, bool in) {
        if (in)
            call->Parameters.push_back({formal, nullptr, actual, nullptr});
        else
            call->Parameters.push_back({nullptr, formal, nullptr, actual});
        return call;
    }
    bool noLevelsAnywhere() const {
        for (const auto& program : ws.programs()) {
            for (const auto& e : program->objects.elements)
                if (e->LevelCount() != 0) return false;
            for (const auto& c : program->objects.commanders)
                if (!c->CallRecords.empty() || c->Caller || c->ProgramCounter != 0) return false;
            if (program->inRun || program->runDepth != 0) return false;
        }
        return true;
    }

    // Twice: out := in * 2, in the function program.
    void makeTwice() {
        twice = t.main("twice");
        in = t.number("in");
        out = t.number("out");
        parameter(twice, in, true, false);
        parameter(twice, out, false, true);
        t.step(stepkind::WithConstant, "x*A", in, nullptr, out, "2");
    }

    // factorial(n) -> r in the caller's program, by a main commander calling itself.
    TMaincommander* makeFactorial(TprogramFunction* self) {
        TMaincommander* fact = c.main("fact");
        n = c.number("n");
        r = c.number("r");
        auto* less = c.number("less");
        auto* sub = c.number("sub");
        auto* base = c.condition("base");
        parameter(fact, n, true, false);
        parameter(fact, r, false, true);
        c.step(stepkind::WithConstant, "x<=A", n, nullptr, base, "1");
        c.step(stepkind::Flow, "DOC", base, nullptr, nullptr);
        c.trueBranch(base);
        c.step(stepkind::SetFromConstant, "A->x", r, nullptr, nullptr, "1");
        c.falseBranch(base);
        c.step(stepkind::WithConstant, "x-A", n, nullptr, less, "1");
        Tstep* call = c.step(stepkind::Call, "fact", self, nullptr, nullptr);
        bind(call, n, less, true);
        bind(call, r, sub, false);
        c.step(stepkind::Binary, "x*y", sub, n, r);
        return fact;
    }

    RecordingPlatform platform;
    Workspace ws{platform};
    Tprogramspace& caller = ws.newProgram();
    Tprogramspace& callee = ws.newProgram();
    Builder c{caller};
    Builder t{callee};
    RunButtons buttons;
    Interpreter run{ws, buttons};
    TMaincommander* twice = nullptr;
    TprogramNumber* in = nullptr;
    TprogramNumber* out = nullptr;
    TprogramNumber* n = nullptr;
    TprogramNumber* r = nullptr;
};

TEST_F(CallsTest, InputsGoInAndOutputsComeBack) {
    makeTwice();
    TMaincommander* m = c.main("main");
    auto* f = c.element<TprogramFunction>(kind::Function, "Twice");
    TprogramNumber* a = c.number("a", "21");
    TprogramNumber* b = c.number("b", "0");
    Tstep* call =
        c.step(stepkind::Call, "TWICE", f, nullptr, nullptr); // commander names ignore case
    bind(call, in, a, true);
    bind(call, out, b, false);
    c.step(stepkind::WithConstant, "x+A", b, nullptr, b, "1");
    run.ProgramRun(m);
    EXPECT_EQ(value(b), "43");
    EXPECT_TRUE(platform.warnings.empty());
    // The function's space took part in the run and left it.
    EXPECT_FALSE(callee.inRun);
    EXPECT_EQ(in->LevelCount(), 0);
    run.ProgramStop();
    EXPECT_TRUE(noLevelsAnywhere());
}

TEST_F(CallsTest, ACommanderMissingInTheFunctionWarnsAndGoesOn) {
    makeTwice();
    TMaincommander* m = c.main("main");
    auto* f = c.element<TprogramFunction>(kind::Function, "Twice");
    TprogramNumber* x = c.number("x", "0");
    c.step(stepkind::Call, "thrice", f, nullptr, nullptr);
    c.step(stepkind::SetFromConstant, "A->x", x, nullptr, nullptr, "1");
    run.ProgramRun(m);
    EXPECT_EQ(platform.warnings, std::vector<std::string>{"函数调用出错!"});
    EXPECT_EQ(value(x), "1");
}

TEST_F(CallsTest, ARecursiveFunctionGetsFreshLevelsForEveryCall) {
    TMaincommander* m = c.main("main");
    auto* self = c.element<TprogramFunction>(kind::Function, "Caller");
    TprogramNumber* arg = c.number("arg", "6");
    TprogramNumber* result = c.number("result");
    Tstep* call = c.step(stepkind::Call, "fact", self, nullptr, nullptr);
    TMaincommander* fact = makeFactorial(self);
    bind(call, n, arg, true);
    bind(call, r, result, false);
    run.ProgramRun(m);
    EXPECT_EQ(value(result), "720");
    EXPECT_EQ(value(arg), "6");
    EXPECT_EQ(arg->LevelCount(), 1); // back on the main commander's level
    EXPECT_TRUE(fact->CallRecords.empty());
    EXPECT_EQ(caller.runDepth, 1);
    run.ProgramStop();
    EXPECT_TRUE(noLevelsAnywhere());
}

TEST_F(CallsTest, AReturnStepLeavesTheFunctionFromInsideABranch) {
    makeTwice();
    // Twice returns at once from inside a condition when its input is negative.
    t.edit(twice);
    auto* negative = t.condition("negative");
    t.step(stepkind::WithConstant, "x<A", in, nullptr, negative, "0");
    t.step(stepkind::Flow, "DOC", negative, nullptr, nullptr);
    t.trueBranch(negative);
    t.step(stepkind::SetFromConstant, "A->x", out, nullptr, nullptr, "-1");
    t.step(stepkind::Flow, "...", nullptr, nullptr, nullptr);
    t.step(stepkind::SetFromConstant, "A->x", out, nullptr, nullptr, "never");
    // The doubling step stays first, so a negative input overwrites its result.
    TMaincommander* m = c.main("main");
    auto* f = c.element<TprogramFunction>(kind::Function, "Twice");
    TprogramNumber* a = c.number("a", "-5");
    TprogramNumber* b = c.number("b");
    Tstep* call = c.step(stepkind::Call, "twice", f, nullptr, nullptr);
    bind(call, in, a, true);
    bind(call, out, b, false);
    run.ProgramRun(m);
    EXPECT_EQ(value(b), "-1");
    EXPECT_EQ(run.ActiveCommander, m);
    for (const auto& cmd : callee.objects.commanders)
        EXPECT_TRUE(cmd->CallRecords.empty());
}

TEST_F(CallsTest, StepOverACallRunsEveryCallInsideItAndStopsAfterIt) {
    makeTwice();
    // Middle calls Twice twice; main steps over its call of Middle.
    Tprogramspace& middleSpace = ws.newProgram();
    middleSpace.caption = "Middle";
    Builder mb{middleSpace};
    TMaincommander* middle = mb.main("middle");
    auto* tw = mb.element<TprogramFunction>(kind::Function, "Twice");
    TprogramNumber* v = mb.number("v");
    TValueVaribler* vv = v;
    parameter(middle, vv, true, true);
    bind(bind(mb.step(stepkind::Call, "twice", tw, nullptr, nullptr), in, v, true), out, v, false);
    bind(bind(mb.step(stepkind::Call, "twice", tw, nullptr, nullptr), in, v, true), out, v, false);

    TMaincommander* m = c.main("main");
    auto* mf = c.element<TprogramFunction>(kind::Function, "Middle");
    TprogramNumber* a = c.number("a", "3");
    TprogramNumber* after = c.number("after");
    bind(bind(c.step(stepkind::Call, "middle", mf, nullptr, nullptr), v, a, true), v, a, false);
    c.step(stepkind::SetFromConstant, "A->x", after, nullptr, nullptr, "1");

    run.ProgramStepin(m); // head
    run.programStepOver(nullptr);
    EXPECT_EQ(value(a), "12");
    EXPECT_EQ(run.ActiveCommander, m);
    EXPECT_EQ(m->ProgramCounter, 2);
    EXPECT_EQ(value(after), "0");
    EXPECT_TRUE(buttons.enabled(RunButton::ProgramRun));
    EXPECT_TRUE(buttons.enabled(RunButton::programStepOver));
    EXPECT_FALSE(buttons.enabled(RunButton::programpause));
}

TEST_F(CallsTest, StepInEntersTheCalledFunctionAndShowsItsFirstStep) {
    makeTwice();
    TMaincommander* m = c.main("main");
    auto* f = c.element<TprogramFunction>(kind::Function, "Twice");
    TprogramNumber* a = c.number("a", "4");
    TprogramNumber* b = c.number("b");
    bind(bind(c.step(stepkind::Call, "twice", f, nullptr, nullptr), in, a, true), out, b, false);
    std::pair<TCommander*, int> shown{};
    run.onShowStep = [&](TCommander* cmd, int number, bool) { shown = {cmd, number}; };
    run.ProgramStepin(m);
    run.ProgramStepin(nullptr); // the call
    EXPECT_EQ(run.ActiveCommander, twice);
    EXPECT_EQ(run.ShownSpace, &callee);
    EXPECT_EQ(shown, std::make_pair(static_cast<TCommander*>(twice), 1));
    EXPECT_EQ(value(in), "4");
    run.ProgramStepin(nullptr); // head
    run.ProgramStepin(nullptr); // out := in * 2
    run.ProgramStepin(nullptr); // past the end: back to the caller
    EXPECT_EQ(run.ActiveCommander, m);
    EXPECT_EQ(run.ShownSpace, &caller);
    EXPECT_EQ(value(b), "8");
}

TEST_F(CallsTest, StopWhilePausedInsideACalledFunctionLeavesNoLevelAnywhere) {
    TMaincommander* m = c.main("main");
    auto* self = c.element<TprogramFunction>(kind::Function, "Caller");
    TprogramNumber* arg = c.number("arg", "5");
    TprogramNumber* result = c.number("result");
    Tstep* call = c.step(stepkind::Call, "fact", self, nullptr, nullptr);
    TMaincommander* fact = makeFactorial(self);
    bind(call, n, arg, true);
    bind(call, r, result, false);
    // A breakpoint on r pauses deep inside the recursion (at the base case).
    r->IsBreakpoint = true;
    run.ProgramRun(m);
    ASSERT_TRUE(buttons.enabled(RunButton::ProgramRun));
    ASSERT_TRUE(buttons.enabled(RunButton::ProgramStop));
    EXPECT_GT(n->LevelCount(), 3);
    EXPECT_FALSE(fact->CallRecords.empty());
    run.ProgramStop();
    EXPECT_TRUE(noLevelsAnywhere());
    EXPECT_EQ(run.ActiveCommander, nullptr);
    EXPECT_FALSE(ws.Running);
    // A new run starts from scratch.
    r->IsBreakpoint = false;
    run.ProgramRun(m);
    EXPECT_EQ(value(result), "120");
}

TEST_F(CallsTest, AnInternalMainCommanderSharesOneLevelForItsNestedCalls) {
    // count(k): k > 0 ? total += 1, count(k - 1). Entered inside a run, the internal main
    // commander makes no level of its own: every call works on the values of the level it was
    // called from, and the parameters are passed with plain values.
    TMaincommander* m = c.main("main");
    auto* self = c.element<TprogramFunction>(kind::Function, "Caller");
    TMaincommander* count = c.main("count");
    count->InternalCall = true;
    count->StaticCommander = count;
    TprogramNumber* k = c.number("k", "3");
    TprogramNumber* total = c.number("total", "0");
    auto* more = c.condition("more");
    parameter(count, k, true, false);
    c.edit(count);
    c.step(stepkind::WithConstant, "x>A", k, nullptr, more, "0");
    c.step(stepkind::Flow, "DOC", more, nullptr, nullptr);
    c.trueBranch(more);
    c.step(stepkind::WithConstant, "x+A", total, nullptr, total, "1");
    c.step(stepkind::WithConstant, "x-A", k, nullptr, k, "1");
    bind(c.step(stepkind::Call, "count", self, nullptr, nullptr), k, k, true);
    c.edit(m);
    bind(c.step(stepkind::Call, "count", self, nullptr, nullptr), k, k, true);
    run.ProgramRun(m);
    EXPECT_EQ(value(total), "3");
    EXPECT_EQ(value(k), "0");
    EXPECT_EQ(total->LevelCount(), 1); // only main's level
}

// A run that nests without end stops with a message and is left as Stop leaves it. The step
// budget only keeps a run that never stops from running on.
class EndlessNestingTest : public CallsTest {
protected:
    void runWithinBudget(TMaincommander* m) {
        run.setStepLimit(2'000'000);
        run.ProgramRun(m);
        EXPECT_FALSE(run.stepLimitReached()) << "the nesting was not stopped";
        EXPECT_TRUE(run.halted());
        EXPECT_FALSE(ws.Running);
        EXPECT_EQ(run.ActiveCommander, nullptr);
        EXPECT_TRUE(noLevelsAnywhere());
        EXPECT_TRUE(buttons.enabled(RunButton::ProgramRun));
        EXPECT_FALSE(buttons.enabled(RunButton::ProgramStop));
    }
};

TEST_F(EndlessNestingTest, AFunctionCallingItselfWithoutEndStops) {
    TMaincommander* m = c.main("main");
    auto* self = c.element<TprogramFunction>(kind::Function, "Caller");
    TprogramNumber* count = c.number("count", "0");
    c.step(stepkind::WithConstant, "x+A", count, nullptr, count, "1");
    c.step(stepkind::Call, "main", self, nullptr, nullptr);
    runWithinBudget(m);
    EXPECT_EQ(platform.warnings, std::vector<std::string>{"函数调用嵌套太深,程序停止运行!"});
    // Three steps a level, the head step with them: every call up to the deepest level was
    // made and the next one refused.
    EXPECT_EQ(run.stepsExecuted(), 3 * (kMaxNestingDepth + 1));
    // A new run starts from scratch and stops the same way.
    const std::int64_t steps = run.stepsExecuted();
    platform.warnings.clear();
    runWithinBudget(m);
    EXPECT_EQ(run.stepsExecuted(), steps);
}

TEST_F(EndlessNestingTest, ABranchEnteringItselfWithoutEndStops) {
    TMaincommander* m = c.main("main");
    Tprogramcondition* again = c.condition("again", "TRUE");
    c.step(stepkind::Flow, "DOC", again, nullptr, nullptr);
    c.trueBranch(again);
    c.step(stepkind::Flow, "DOC", again, nullptr, nullptr);
    runWithinBudget(m);
    EXPECT_EQ(platform.warnings, std::vector<std::string>{"流程嵌套太深,程序停止运行!"});
}

} // namespace
} // namespace olvide::testing
