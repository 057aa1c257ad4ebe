#pragma once
// Run control: the interpreter that runs a program as a stack of active commanders, one step
// at a time, with pause, step in, step over, breakpoints and stop. Pause and stop act only
// through the run buttons, which the loop reads after every step; every so many steps (as the
// platform asks) the platform lets the user interface process its pending events.
#include "olvide/engine/run_buttons.h"
#include "olvide/engine/value_ops.h"
#include "olvide/model/platform.h"

#include <cstdint>
#include <functional>
#include <string>

namespace olvide {

class TCommander;
class TMaincommander;
class Tprogramspace;
class TprogramVaribler;
class Tstep;
class Workspace;

// Results of running steps.
enum class RunResult : int {
    Paused = 1,
    Ended = 2,       // a return step in the program's main commander
    Stopped = 3,     // stopped, or ended by an exit with nowhere to go or an error
    CallEntered = 4, // a call step entered a function
    Returned = 5,    // back to the caller
    Entered = 6,     // "DOC" or "DOI" entered a commander
    Again = 7,       // the commander starts again, or handed over to its sibling
    Left = 8,        // left to the commander outside it
};

// What executing one step asked of run control.
enum class StepEffect {
    Done,
    Entered,     // a flow step entered a commander (it is the active one now)
    CallEntered, // a call step entered a function
    Exited,      // an exit left commanders; the outer one is active now
    ExitNowhere, // an exit with nowhere to go: the program has ended
    Return,      // "...": run control leaves the function
    Halt,        // an error that stops the run (its message was shown)
    Abort,       // an error that stops the run and resets it as Stop does
};

// The deepest nesting of entered commanders (calls, and the branches and bodies that "DOC"
// and "DOI" enter) that a run may reach. Every level keeps a call record and, for a call, the
// values written in it; a program that nests without end is stopped here instead of using up
// the memory.
inline constexpr int kMaxNestingDepth = 10000;

class Interpreter {
public:
    Interpreter(Workspace& workspace, RunButtons& buttons);

    // Run state.
    bool Running() const;
    TCommander* ActiveCommander = nullptr;
    Tprogramspace* ShownSpace = nullptr;

    // The five buttons. Starting needs a main commander to start (the root of the edited
    // commander in the editor; the chosen one on the command line).
    void ProgramRun(TMaincommander* start);
    void programpause();
    void ProgramStop();
    void ProgramStepin(TMaincommander* start);
    void programStepOver(TMaincommander* start);

    // The pieces of run control, public for the step window and for tests.
    void Enter(TCommander& commander);
    void LeaveTo(TCommander* target);
    void EnterCall(TMaincommander& called, const Tstep& callStep);
    void StartCommander(TCommander& commander, const Tstep* callStep);
    void ReturnTo(TCommander* caller);
    RunResult RunSteps(TCommander& commander);
    void StepOnce(TCommander& commander);
    RunResult EndOfCommander(TCommander& commander);
    void ShowCurrentStep(TCommander& commander);
    StepEffect Execute(const Tstep& step);

    // The step window mirrors this: the commander, the number of the step it shows, whether
    // the end signal is red as well as the pause signal. Called with none when Stop paints
    // both signals grey.
    std::function<void(TCommander* commander, int stepNumber, bool ended)> onShowStep;

    // A bound on executed steps (0 for none): on reaching it the run pauses as by the Pause
    // button. The command line uses it for --max-steps.
    void setStepLimit(std::int64_t limit) { stepLimit_ = limit; }
    bool stepLimitReached() const { return stepLimit_ > 0 && executed_ >= stepLimit_; }
    std::int64_t stepsExecuted() const { return executed_; }
    // The run was stopped by an error of a step (a square root of a negative number, ...).
    bool halted() const { return halted_; }

private:
    void start(TMaincommander& main);
    void runUntilItStops();
    // Nothing has enabled Run again (no pause, no stop, no breakpoint, no end).
    bool canContinue() const { return !buttons_.enabled(RunButton::ProgramRun); }
    RunResult pausedOrStopped() const;
    void afterStepCheck();
    // Lets the platform process its events once every stepsPerEvents steps.
    void letEventsIn() {
        if (stepsPerEvents_ == 0 || ++sinceEvents_ < stepsPerEvents_) return;
        sinceEvents_ = 0;
        platform_.processEvents();
    }
    bool freeStretch(const TCommander& commander) const;
    // How many steps may run, one after another, with nothing looked at after them: none while
    // any breakpoint is set; otherwise up to the platform's next events or the step bound.
    std::int64_t freeSteps() const;
    // A numeric step or one that does nothing (plain_steps.h).
    StepEffect executePlain(const Tstep& step);
    // What RunSteps does after a step that did more than change values.
    RunResult afterTransfer(TCommander& commander, StepEffect effect);
    void programEnded();
    RunResult returnFromFunction(TCommander& commander);
    void passInputs(TMaincommander& called, const Tstep& callStep);
    void passOutputs(TMaincommander& called);
    const Tstep* callStepOf(const TMaincommander& called) const;
    void popRecord(TCommander& commander);
    bool exitCommanders(TCommander& from, const TprogramVaribler* target);
    void report(Fault fault, std::string_view operand);
    StepEffect executeClip(Action action, const Tstep& step, const std::string& left,
                           const std::string& right, TprogramVaribler* result);
    // The steps that change the active commander.
    StepEffect doCondition(const Tstep& step);
    StepEffect doIteration(const Tstep& step);
    StepEffect executeCall(const Tstep& step);
    StepEffect writeFaulted(Faulted result, TprogramVaribler* z);
    StepEffect writeReal(Fault fault, double r, TprogramVaribler* z);
    // Entering one more commander would pass kMaxNestingDepth.
    bool nestingFull() const { return nesting_ >= kMaxNestingDepth; }
    // Shows the message and stops the run as Stop does.
    StepEffect stopNesting(const char* message);

    Workspace& workspace_;
    Platform& platform_;
    RunButtons& buttons_;
    std::string scratch_; // reused result text: a running loop does not allocate
    std::int64_t executed_ = 0;
    std::int64_t stepLimit_ = 0;
    int nesting_ = 0;              // call records held by the commanders of the run
    int stepsPerEvents_ = 1;       // the platform's answer, asked when a free run begins
    std::int64_t sinceEvents_ = 0; // steps since the platform last processed events
    std::int64_t free_ = 0;        // steps the run loop may still run without looking (freeSteps)
    bool halted_ = false;
};

// The main commander that Run, Step in or Step over start in a program: the root of the
// commander being edited; none without one, or while an operation waits for an operand.
TMaincommander* commanderToStart(const Tprogramspace& program);

} // namespace olvide
