#include "olvide/engine/run_buttons.h"

#include <gtest/gtest.h>

#include <vector>

namespace olvide {
namespace {

std::string states(const RunButtons& b) {
    std::string s;
    for (RunButton x : {RunButton::ProgramRun, RunButton::programpause, RunButton::ProgramStop,
                        RunButton::ProgramStepin, RunButton::programStepOver})
        s += b.enabled(x) ? '1' : '0';
    return s;
}

TEST(RunButtons, FollowTheStatesOfARun) {
    RunButtons b;
    EXPECT_EQ(states(b), "00000");
    b.commanderActivated();
    EXPECT_EQ(states(b), "10011"); // idle
    b.runStarted();
    EXPECT_EQ(states(b), "01100"); // running
    b.paused();
    EXPECT_EQ(states(b), "10111"); // paused
    b.continued();
    EXPECT_EQ(states(b), "01100");
    b.programEnded();
    EXPECT_EQ(states(b), "00100"); // ended: only Stop
    b.stopped();
    EXPECT_EQ(states(b), "10011");
}

TEST(RunButtons, ActivatingACommanderWhileRunEnabledChangesNothing) {
    RunButtons b;
    b.commanderActivated();
    b.runStarted();
    b.paused();
    b.setEnabled(RunButton::programStepOver, false);
    b.commanderActivated(); // Run is enabled, so the others are left alone
    EXPECT_FALSE(b.enabled(RunButton::programStepOver));
}

TEST(RunButtons, TheObserverSeesOnlyRealChanges) {
    RunButtons b;
    std::vector<std::pair<RunButton, bool>> seen;
    b.setObserver([&](RunButton x, bool on) { seen.emplace_back(x, on); });
    b.paused(); // Run, Step in, Step over come on; Pause was already off
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], std::make_pair(RunButton::ProgramRun, true));
    seen.clear();
    b.paused();
    EXPECT_TRUE(seen.empty());
}

} // namespace
} // namespace olvide
