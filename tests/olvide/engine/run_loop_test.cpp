// The running loop between interruptions: breakpoints, pause, stop and the step bound inside a
// hot loop take effect at exactly the step they would take effect at one step at a time, and
// the values a free run leaves are those of a run walked step by step.
#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <map>

namespace olvide::testing {
namespace {

class RunLoopTest : public ::testing::Test {
protected:
    void SetUp() override { buttons.commanderActivated(); }

    static std::string value(const TprogramVaribler* e) { return toUtf8(e->GetValue()); }
    bool paused() const {
        return ws.Running && buttons.enabled(RunButton::ProgramRun) &&
               buttons.enabled(RunButton::ProgramStop);
    }
    bool ended() const {
        return ws.Running && !buttons.enabled(RunButton::ProgramRun) &&
               !buttons.enabled(RunButton::programpause);
    }
    // sum := sum + i and twice := i * 2 for i from 1 to `count`; the loop's body is kept.
    TMaincommander* summingLoop(int count) {
        TMaincommander* m = b.main();
        i = b.iteration("i", "1", std::to_string(count));
        sum = b.number("sum", "0");
        twice = b.number("twice", "0");
        b.step(stepkind::Flow, "DOI", i, nullptr, nullptr);
        body = b.body(i);
        add = b.step(stepkind::Binary, "x+y", sum, i, sum);
        doubling = b.step(stepkind::WithConstant, "x*A", i, nullptr, twice, "2");
        return m;
    }

    RecordingPlatform platform;
    Workspace ws{platform};
    Tprogramspace& prog = ws.newProgram();
    Builder b{prog};
    RunButtons buttons;
    Interpreter run{ws, buttons};
    TprogramIteration* i = nullptr;
    TprogramNumber* sum = nullptr;
    TprogramNumber* twice = nullptr;
    TForcommander* body = nullptr;
    Tstep* add = nullptr;
    Tstep* doubling = nullptr;
};

TEST_F(RunLoopTest, ABreakpointOnTheFirstStepOfABodyStopsAtEveryTurn) {
    TMaincommander* m = summingLoop(1000);
    add->StepBreak = true;
    // The loop starts again without leaving the run loop; the breakpoint is still seen before
    // the first body step of every turn, after the head step.
    for (int turn = 1; turn <= 3; ++turn) {
        run.ProgramRun(turn == 1 ? m : nullptr);
        ASSERT_TRUE(paused()) << "turn " << turn;
        EXPECT_EQ(run.ActiveCommander, body);
        EXPECT_EQ(body->ProgramCounter + 1, 2) << "the breakpoint's step is next";
        EXPECT_EQ(value(i), std::to_string(turn));
        EXPECT_EQ(value(sum), std::to_string((turn - 1) * turn / 2)) << "not yet added";
    }
    add->StepBreak = false;
    run.ProgramRun(nullptr);
    EXPECT_TRUE(ended());
    EXPECT_EQ(value(sum), "500500");
    EXPECT_EQ(value(twice), "2000");
}

TEST_F(RunLoopTest, ABreakpointSetDuringAFreeRunIsSeenBeforeTheNextStepThatHasIt) {
    TMaincommander* m = summingLoop(1000);
    std::int64_t setAt = 0;
    platform.onEvents = [&] {
        if (platform.eventPumps == 700) {
            twice->IsBreakpoint = true; // only the doubling step uses it
            setAt = run.stepsExecuted();
        }
    };
    run.ProgramRun(m);
    ASSERT_TRUE(paused());
    EXPECT_EQ(run.ActiveCommander->step(run.ActiveCommander->ProgramCounter + 1), doubling);
    // Three steps a turn (head, add, doubling): the doubling step comes within a turn.
    EXPECT_GT(run.stepsExecuted(), setAt - 1);
    EXPECT_LT(run.stepsExecuted(), setAt + 3);
    // The value it is about to write is still the one of the turn before.
    EXPECT_EQ(value(twice), std::to_string(2 * (std::stoi(value(i)) - 1)));
    twice->IsBreakpoint = false;
    platform.onEvents = nullptr;
    run.ProgramRun(nullptr);
    EXPECT_TRUE(ended());
    EXPECT_EQ(value(sum), "500500");
}

TEST_F(RunLoopTest, PauseAndStopAskedForInTheMiddleOfALoopTakeEffectAfterThatStep) {
    TMaincommander* m = summingLoop(100000);
    platform.onEvents = [&] {
        if (platform.eventPumps == 7777) run.programpause();
    };
    run.ProgramRun(m);
    ASSERT_TRUE(paused());
    // Every step lets the interface in but the DOI, which enters its body at once: the pause
    // comes after exactly one step more than the interface was let in.
    EXPECT_EQ(run.stepsExecuted(), 7778);
    const std::string sumAtPause = value(sum);
    platform.onEvents = [&] {
        if (platform.eventPumps == 20000) run.ProgramStop();
    };
    run.ProgramRun(nullptr);
    EXPECT_EQ(run.stepsExecuted(), 20001);
    EXPECT_FALSE(ws.Running);
    EXPECT_EQ(run.ActiveCommander, nullptr);
    for (const auto& e : prog.objects.elements)
        EXPECT_EQ(e->LevelCount(), 0);
    for (const auto& c : prog.objects.commanders)
        EXPECT_TRUE(c->CallRecords.empty());
    // 7778 steps: the head and DOI steps, then 2592 whole turns.
    EXPECT_EQ(sumAtPause, std::to_string(2592 * 2593 / 2));
}

TEST_F(RunLoopTest, AStepBreakpointSetDuringARunWithoutAnyOtherIsSeenAtItsStep) {
    // With no flag set anywhere the loop asks no step; the first one set must still count.
    ASSERT_FALSE(BreakFlag::anySet());
    TMaincommander* m = summingLoop(1000);
    std::int64_t setAt = 0;
    platform.onEvents = [&] {
        if (platform.eventPumps == 500) {
            add->StepBreak = true;
            setAt = run.stepsExecuted();
        }
    };
    run.ProgramRun(m);
    ASSERT_TRUE(paused());
    EXPECT_EQ(run.ActiveCommander->step(run.ActiveCommander->ProgramCounter + 1), add);
    EXPECT_GE(run.stepsExecuted(), setAt);
    EXPECT_LT(run.stepsExecuted(), setAt + 3);
    // Cleared again, the run goes to its end without another stop.
    add->StepBreak = false;
    platform.onEvents = nullptr;
    run.ProgramRun(nullptr);
    EXPECT_TRUE(ended());
    EXPECT_EQ(value(sum), "500500");
}

TEST_F(RunLoopTest, ABreakpointOnAStepOfAnotherCommanderDoesNotStopTheLoop) {
    TMaincommander* m = summingLoop(100);
    TMaincommander* other = b.main("other");
    Tstep* elsewhere = b.step(stepkind::WithConstant, "x+A", sum, nullptr, sum, "1");
    elsewhere->StepBreak = true;
    ASSERT_TRUE(BreakFlag::anySet());
    ASSERT_NE(other, m);
    run.ProgramRun(m);
    EXPECT_TRUE(ended());
    EXPECT_EQ(value(sum), "5050");
    EXPECT_EQ(run.stepsExecuted(), 2 + 3 * 100);
}

TEST_F(RunLoopTest, APauseSeenByAPlatformAskedEverySoManyStepsStopsTheRunAtOnce) {
    platform.stepsBetweenPumps = 64;
    TMaincommander* m = summingLoop(100000);
    std::int64_t askedAt = 0;
    std::vector<std::int64_t> pumpedAt;
    platform.onEvents = [&] {
        pumpedAt.push_back(run.stepsExecuted());
        if (platform.eventPumps == 100) {
            run.programpause();
            askedAt = run.stepsExecuted();
        }
    };
    run.ProgramRun(m);
    ASSERT_TRUE(paused());
    EXPECT_EQ(run.stepsExecuted(), askedAt) << "no step runs after the pause was seen";
    // Every step but the DOI lets the interface in: one pump every 64 of them.
    ASSERT_EQ(pumpedAt.size(), 100u);
    EXPECT_EQ(pumpedAt.front(), 65);
    for (std::size_t k = 1; k < pumpedAt.size(); ++k)
        EXPECT_EQ(pumpedAt[k] - pumpedAt[k - 1], 64) << "pump " << k;
    // Stop is seen the same way.
    platform.onEvents = [&] {
        if (platform.eventPumps == 150) {
            run.ProgramStop();
            askedAt = run.stepsExecuted();
        }
    };
    run.ProgramRun(nullptr);
    EXPECT_FALSE(ws.Running);
    EXPECT_EQ(run.stepsExecuted(), askedAt);
}

// A message shown in the middle of a free run lets the user act (in the editor it runs its own
// event loop): a breakpoint set or a pause pressed meanwhile is seen at once, even where the
// platform takes no events at all.
TEST_F(RunLoopTest, WhatTheUserDidWhileAMessageWasShownIsSeenAtTheNextStep) {
    platform.stepsBetweenPumps = 0;
    TMaincommander* m = summingLoop(1000);
    TprogramNumber* zero = b.number("zero", "0");
    TprogramNumber* ratio = b.number("ratio", "0");
    b.edit(body);
    b.step(stepkind::Binary, "x/y", i, zero, ratio); // "除零错!" at every turn
    platform.onWarning = [&] {
        if (platform.warnings.size() == 10) add->StepBreak = true;
    };
    run.ProgramRun(m);
    ASSERT_TRUE(paused());
    EXPECT_EQ(platform.warnings.size(), 10u);
    EXPECT_EQ(body->ProgramCounter + 1, 2) << "stopped before the add of turn 11";
    EXPECT_EQ(value(i), "11");
    EXPECT_EQ(value(sum), "55");
    add->StepBreak = false;
    std::int64_t pressedAt = 0;
    platform.onWarning = [&] {
        if (platform.warnings.size() == 20) {
            run.programpause();
            pressedAt = run.stepsExecuted();
        }
    };
    run.ProgramRun(nullptr);
    ASSERT_TRUE(paused());
    EXPECT_EQ(run.stepsExecuted(), pressedAt) << "no step after the one that showed the message";
    EXPECT_EQ(value(i), "20");
}

TEST_F(RunLoopTest, APlatformThatNeedsNoEventsIsNeverAsked) {
    platform.stepsBetweenPumps = 0;
    TMaincommander* m = summingLoop(1000);
    run.ProgramRun(m);
    EXPECT_TRUE(ended());
    EXPECT_EQ(platform.eventPumps, 0);
    EXPECT_EQ(value(sum), "500500");
}

TEST_F(RunLoopTest, TheStepBoundPausesAtExactlyThatStepInsideALoop) {
    TMaincommander* m = summingLoop(1000);
    run.setStepLimit(302); // the head and DOI steps, then 100 turns of three steps
    run.ProgramRun(m);
    ASSERT_TRUE(paused());
    EXPECT_EQ(run.stepsExecuted(), 302);
    EXPECT_EQ(value(sum), "5050");
    EXPECT_EQ(value(twice), "200");
}

TEST_F(RunLoopTest, AConstantChangedWhilePausedCountsFromTheNextStep) {
    TMaincommander* m = summingLoop(10);
    add->StepBreak = true;
    run.ProgramRun(m);
    run.ProgramRun(nullptr); // turn 2, before the add
    ASSERT_TRUE(paused());
    EXPECT_EQ(value(twice), "2");
    doubling->Constant->ConstantValue = "25";
    add->StepBreak = false;
    run.ProgramRun(nullptr);
    EXPECT_TRUE(ended());
    EXPECT_EQ(value(twice), "250");
}

TEST_F(RunLoopTest, AStoreChangedBetweenRunsIsReadAgain) {
    TMaincommander* m = summingLoop(3);
    i->ToPart->Stores[0].StoreValue = "4";
    run.ProgramRun(m);
    EXPECT_EQ(value(sum), "10");
    run.ProgramStop();
    // Written directly between runs, as the command line's --set does.
    i->ToPart->Stores[0].StoreValue = "5";
    run.ProgramRun(m);
    EXPECT_EQ(value(sum), "15");
    run.ProgramStop();
    i->ToPart->setAllStores("2");
    run.ProgramRun(m);
    EXPECT_EQ(value(sum), "3");
}

// Every value of the program as text, by name.
std::map<std::string, std::string> allValues(const Tprogramspace& p) {
    std::map<std::string, std::string> out;
    for (const auto& e : p.objects.elements)
        out[toUtf8(e->VisualorAlias)] = toUtf8(e->GetValue());
    return out;
}

TEST_F(RunLoopTest, AFreeRunLeavesTheValuesOfARunWalkedStepByStep) {
    // Numbers written as numbers and as text side by side: fractions that round to 8
    // decimals, negative zero, whole numbers past 2^53, integer operations on their text,
    // comparisons, and text operations on the text of a number.
    TMaincommander* m = b.main();
    TprogramIteration* k = b.iteration("k", "-3", "40");
    TprogramNumber* third = b.number("third");
    TprogramNumber* back = b.number("back");
    TprogramNumber* acc = b.number("acc", "0");
    TprogramNumber* big = b.number("big", "1");
    TprogramNumber* zero = b.number("zero");
    TprogramNumber* quot = b.number("quot");
    TprogramBoolean* same = b.boolean("same");
    TprogramString* text = b.string("text", "");
    TprogramNumber* length = b.number("length");
    b.step(stepkind::Flow, "DOI", k, nullptr, nullptr);
    b.body(k);
    b.step(stepkind::WithConstant, "x/A", k, nullptr, third, "3");
    b.step(stepkind::WithConstant, "x*A", third, nullptr, back, "3");
    b.step(stepkind::Binary, "x+y", acc, third, acc);
    b.step(stepkind::WithConstant, "x*A", big, nullptr, big, "7");
    b.step(stepkind::WithConstant, "x*A", k, nullptr, zero, "-0");
    b.step(stepkind::WithConstant, "x|A", back, nullptr, quot, "2");
    b.step(stepkind::Binary, "x=y", back, k, same);
    b.step(stepkind::Binary, "S+x", text, third, text);
    b.step(stepkind::Unary, "----", text, nullptr, length);

    run.ProgramRun(m);
    ASSERT_TRUE(ended());
    const auto free = allValues(prog);
    const std::int64_t steps = run.stepsExecuted();
    run.ProgramStop();

    run.ProgramStepin(m);
    for (int clicks = 0; clicks < 10000 && !ended(); ++clicks)
        run.ProgramStepin(nullptr);
    ASSERT_TRUE(ended());
    EXPECT_EQ(allValues(prog), free);
    EXPECT_EQ(run.stepsExecuted(), steps);
    // A few that are known outright.
    EXPECT_EQ(free.at("k"), "41");
    EXPECT_EQ(free.at("third"), "13.33333333");
    EXPECT_EQ(free.at("back"), "39.99999999");
    EXPECT_EQ(free.at("zero"), "0");
    EXPECT_EQ(free.at("same"), "FALSE");
}

} // namespace
} // namespace olvide::testing
