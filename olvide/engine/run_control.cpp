// Run control: entering and leaving commanders, the run loop, the buttons.
#include "olvide/engine/interpreter.h"

#include "olvide/engine/flow_rules.h"
#include "olvide/engine/plain_steps.h"
#include "olvide/model/codepage.h"
#include "olvide/model/objects/break_flag.h"
#include "olvide/model/platform.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"

#include <algorithm>
#include <limits>

namespace olvide {

Interpreter::Interpreter(Workspace& workspace, RunButtons& buttons)
    : workspace_(workspace), platform_(workspace.platform()), buttons_(buttons) {}

bool Interpreter::Running() const {
    return workspace_.Running;
}

// ---- Entering and leaving commanders ----

void Interpreter::Enter(TCommander& commander) {
    commander.CallRecords.push_back({commander.ProgramCounter, commander.Outer});
    ++nesting_;
    commander.Outer = ActiveCommander;
    commander.FunctionMain = ActiveCommander ? ActiveCommander->FunctionMain : nullptr;
    ActiveCommander = &commander;
    commander.ProgramCounter = 0;
}

void Interpreter::popRecord(TCommander& commander) {
    if (commander.CallRecords.empty()) return;
    const TCalledrecorder record = commander.CallRecords.back();
    commander.CallRecords.pop_back();
    if (nesting_ > 0) --nesting_;
    commander.ProgramCounter = record.ProgramCounter;
    if (commander.VisualorStyle == kind::Main)
        commander.Caller = record.link;
    else
        commander.Outer = record.link;
}

void Interpreter::LeaveTo(TCommander* target) {
    if (ActiveCommander) popRecord(*ActiveCommander);
    ActiveCommander = target;
}

void Interpreter::EnterCall(TMaincommander& called, const Tstep& callStep) {
    called.CallRecords.push_back({called.ProgramCounter, called.Caller});
    ++nesting_;
    called.Caller = ActiveCommander;
    ActiveCommander = &called;
    ShownSpace = workspace_.programOf(called);
    StartCommander(called, &callStep);
}

void Interpreter::StartCommander(TCommander& commander, const Tstep* callStep) {
    TMaincommander* main = commander.RootMain;
    if (commander.VisualorStyle == kind::Main || !main)
        main = static_cast<TMaincommander*>(&commander);
    if (Tprogramspace* program = workspace_.programOf(*main)) program->enterRun(*main);
    if (commander.Caller && callStep) passInputs(*main, *callStep);
    // The inputs were read first: in a call of the commander itself its counter still showed
    // the caller's call step until now.
    commander.ProgramCounter = 0;
    commander.FunctionMain = main;
}

void Interpreter::ReturnTo(TCommander* caller) {
    if (ActiveCommander && ActiveCommander->FunctionMain) popRecord(*ActiveCommander->FunctionMain);
    ActiveCommander = caller;
    if (caller) ShownSpace = workspace_.programOf(*caller);
}

StepEffect Interpreter::stopNesting(const char* message) {
    platform_.warning(cp(message));
    halted_ = true;
    // Thousands of levels are of no use to look at: every one is given back at once.
    ProgramStop();
    return StepEffect::Abort;
}

// ---- Parameters ----

namespace {

// Whether a call within one program crosses value levels: the called main commander got a new
// level of its own (every call does, except the nested calls of an internal main commander,
// which share one level), so the caller's values are on the level below.
bool acrossLevels(const TCommander& caller, const TMaincommander& called,
                  const Tprogramspace* program) {
    if (caller.Owner != called.Owner || !program) return false;
    return !(program->runDepth >= 2 && called.InternalCall);
}

} // namespace

void Interpreter::passInputs(TMaincommander& called, const Tstep& callStep) {
    const bool levels =
        called.Caller && acrossLevels(*called.Caller, called, workspace_.programOf(called));
    for (const TParameter& p : callStep.Parameters) {
        if (!p.formalInput || !p.actualInput) continue;
        scratch_ = levels ? p.actualInput->GetCallerValue() : p.actualInput->GetValue();
        p.formalInput->SetValue(scratch_);
    }
}

const Tstep* Interpreter::callStepOf(const TMaincommander& called) const {
    const TCommander* caller = called.Caller;
    if (!caller) return nullptr;
    int counter = caller->ProgramCounter;
    // A commander that called itself shares its counter with the caller: the caller's
    // position is in its newest record.
    if (caller == &called && !called.CallRecords.empty())
        counter = called.CallRecords.back().ProgramCounter;
    const Tstep* step = caller->step(counter);
    return step && step->StepKind == stepkind::Call ? step : nullptr;
}

void Interpreter::passOutputs(TMaincommander& called) {
    const Tstep* callStep = callStepOf(called);
    if (!callStep) return;
    const bool levels = acrossLevels(*called.Caller, called, workspace_.programOf(called));
    for (const TParameter& p : callStep->Parameters) {
        if (!p.formalOutput || !p.actualOutput) continue;
        scratch_ = p.formalOutput->GetValue();
        if (levels)
            p.actualOutput->SetCallerValue(scratch_);
        else
            p.actualOutput->SetValue(scratch_);
    }
}

// ---- Exits and ends ----

namespace {

// A commander that an exit without a target leaves: the body of an iteration, or a branch
// of a condition with the loop attribute.
bool isLoopBody(const TCommander& commander) {
    if (commander.VisualorStyle == kind::For) return true;
    const auto* condition = dynamic_cast<const Tprogramcondition*>(commander.ownerElement());
    return condition && condition->IsIterator;
}

} // namespace

bool Interpreter::exitCommanders(TCommander& from, const TprogramVaribler* target) {
    TCommander* found = nullptr;
    for (TCommander* c = &from; c && c->Outer; c = c->Outer) {
        if (target ? c->ownerElement() == target : isLoopBody(*c)) {
            found = c;
            break;
        }
    }
    if (!found) return false;
    for (TCommander* c = &from;;) {
        TCommander* outer = c->Outer;
        LeaveTo(outer);
        if (c == found) break;
        c = outer;
    }
    return true;
}

RunResult Interpreter::returnFromFunction(TCommander& commander) {
    TMaincommander* main = commander.FunctionMain;
    // Every commander entered inside the function is left.
    for (TCommander* c = &commander; c && c != main;) {
        TCommander* outer = c->Outer;
        popRecord(*c);
        c = outer;
    }
    ActiveCommander = main;
    passOutputs(*main);
    ReturnTo(main->Caller);
    if (Tprogramspace* program = workspace_.programOf(*main)) program->leaveRun(*main);
    return RunResult::Returned;
}

RunResult Interpreter::EndOfCommander(TCommander& commander) {
    if (commander.Caller) {
        auto& main = static_cast<TMaincommander&>(commander);
        passOutputs(main);
        ReturnTo(commander.Caller);
        if (Tprogramspace* program = workspace_.programOf(main)) program->leaveRun(main);
        return RunResult::Returned;
    }
    if (!commander.Outer) {
        ShowCurrentStep(commander);
        return RunResult::Ended;
    }
    TCommander* handOver = nullptr;
    bool again = false;
    if (commander.VisualorStyle == kind::For) {
        auto* iteration = static_cast<TForcommander&>(commander).Iteration;
        if (iteration) {
            const double step = numberOf(iteration->StepPart);
            double next = 0;
            const Fault f = realArithmetic('+', iteration->number(), step, next);
            if (f == Fault::None)
                iteration->setNumber(next);
            else
                writeReal(f, next, iteration);
            again = iterationGoesOn(*iteration, step);
        }
    } else if (auto* condition = dynamic_cast<Tprogramcondition*>(commander.ownerElement());
               condition && condition->IsIterator) {
        const bool isTrue = commander.VisualorStyle == kind::True;
        const std::string& value = condition->GetValue();
        TCommander* sibling = isTrue ? static_cast<TCommander*>(condition->FalseCommander)
                                     : static_cast<TCommander*>(condition->TrueCommander);
        if (value == (isTrue ? kTrue : kFalse))
            again = true;
        else if (sibling && sibling->stepCount() > 1)
            handOver = sibling;
    }
    if (again) {
        commander.ProgramCounter = 0;
        return RunResult::Again;
    }
    TCommander* outer = commander.Outer;
    LeaveTo(outer);
    if (handOver) {
        // The sibling takes the place of this commander inside the same outer one.
        Enter(*handOver);
        return RunResult::Again;
    }
    return RunResult::Left;
}

// ---- The run loop ----

void Interpreter::programEnded() {
    buttons_.programEnded();
}

void Interpreter::afterStepCheck() {
    TCommander* active = ActiveCommander;
    const Tstep* next = active ? active->step(active->ProgramCounter + 1) : nullptr;
    if ((next && next->IsBreak()) || stepLimitReached()) {
        if (canContinue()) buttons_.paused();
    }
    if (!canContinue() && active) {
        ShownSpace = workspace_.programOf(*active);
        if (next) ShowCurrentStep(*active);
    }
}

RunResult Interpreter::pausedOrStopped() const {
    return buttons_.enabled(RunButton::ProgramStop) ? RunResult::Paused : RunResult::Stopped;
}

RunResult Interpreter::afterTransfer(TCommander& commander, StepEffect effect) {
    switch (effect) {
    case StepEffect::CallEntered:
        return RunResult::CallEntered;
    case StepEffect::Entered:
        return RunResult::Entered;
    case StepEffect::Exited:
        letEventsIn();
        afterStepCheck();
        return RunResult::Left;
    case StepEffect::ExitNowhere:
        programEnded();
        letEventsIn();
        afterStepCheck();
        return RunResult::Stopped;
    case StepEffect::Halt:
        halted_ = true;
        programEnded();
        ShowCurrentStep(commander);
        return RunResult::Stopped;
    case StepEffect::Abort:
        return RunResult::Stopped;
    case StepEffect::Return:
        if (commander.FunctionMain && commander.FunctionMain->Caller) {
            const RunResult r = returnFromFunction(commander);
            afterStepCheck();
            return r;
        }
        commander.ProgramCounter -= 1;
        ShowCurrentStep(commander);
        programEnded();
        return RunResult::Ended;
    case StepEffect::Done:
        break;
    }
    return RunResult::Again; // not reached: a plain step stays in the loop
}

// The after-step check has nothing to do in a free stretch: still running, the commander still
// the active one, no breakpoint on its next step (none at all while no flag is set), no bound on
// steps reached.
bool Interpreter::freeStretch(const TCommander& commander) const {
    if (!canContinue() || ActiveCommander != &commander || stepLimitReached()) return false;
    if (!BreakFlag::anySet()) return true;
    const auto next = static_cast<std::size_t>(commander.ProgramCounter); // 0-based
    return next >= commander.Steps.size() || !commander.Steps[next]->IsBreak();
}

std::int64_t Interpreter::freeSteps() const {
    if (BreakFlag::anySet()) return 0;
    constexpr std::int64_t kNoBound = std::numeric_limits<std::int64_t>::max();
    // The step that reaches the bound, or after which the platform takes its events, is the
    // first one that has to be looked at.
    const std::int64_t toEvents =
        stepsPerEvents_ > 0 ? stepsPerEvents_ - sinceEvents_ - 1 : kNoBound;
    const std::int64_t toLimit = stepLimit_ > 0 ? stepLimit_ - executed_ - 1 : kNoBound;
    return std::max<std::int64_t>(0, std::min(toEvents, toLimit));
}

RunResult Interpreter::RunSteps(TCommander& commander) {
    // A pause seen after the last transfer of control: nothing more runs.
    if (!canContinue()) return pausedOrStopped();
    free_ = freeSteps();
    for (;;) {
        const int counter = ++commander.ProgramCounter;
        if (counter > commander.stepCount()) {
            const RunResult r = EndOfCommander(commander);
            // A loop that starts again goes on here, as it would when called again.
            if (r == RunResult::Again && freeStretch(commander)) continue;
            afterStepCheck();
            if (r == RunResult::Again && ActiveCommander == &commander && canContinue()) continue;
            return r;
        }
        const Tstep& step = *commander.Steps[static_cast<std::size_t>(counter - 1)];
        const StepEffect effect =
            step.plan().kind != NumericPlan::Other ? executePlain(step) : Execute(step);
        if (effect != StepEffect::Done) return afterTransfer(commander, effect);
        // Steps that need no look after them go on at once. The buttons and the breakpoint count
        // are looked at all the same: a message shown by the step (an operand's, or the step's
        // own) may have let the user press a button or set a breakpoint.
        if (free_ > 0 && canContinue() && !BreakFlag::anySet()) {
            --free_;
            ++sinceEvents_;
            continue;
        }
        letEventsIn();
        if (freeStretch(commander)) {
            free_ = freeSteps();
            continue;
        }
        afterStepCheck();
        if (!canContinue()) return pausedOrStopped();
    }
}

void Interpreter::runUntilItStops() {
    stepsPerEvents_ = platform_.stepsPerEvents();
    while (ActiveCommander) {
        const RunResult r = RunSteps(*ActiveCommander);
        if (r == RunResult::Paused || r == RunResult::Ended || r == RunResult::Stopped) return;
    }
}

void Interpreter::ShowCurrentStep(TCommander& commander) {
    ShownSpace = workspace_.programOf(commander);
    const int next = commander.ProgramCounter + 1;
    if (next <= commander.stepCount()) {
        if (onShowStep) onShowStep(&commander, next, false);
        return;
    }
    if (onShowStep) onShowStep(&commander, commander.stepCount(), true);
    if (!commander.Caller && !commander.Outer) programEnded();
}

void Interpreter::StepOnce(TCommander& commander) {
    commander.ProgramCounter += 1;
    if (commander.ProgramCounter <= commander.stepCount()) {
        const Tstep& step = *commander.step(commander.ProgramCounter);
        switch (Execute(step)) {
        case StepEffect::CallEntered:
            ShowCurrentStep(*ActiveCommander);
            return;
        case StepEffect::Entered:
        case StepEffect::Exited:
            ShowCurrentStep(*ActiveCommander);
            return;
        case StepEffect::ExitNowhere:
            programEnded();
            return;
        case StepEffect::Halt:
            halted_ = true;
            programEnded();
            ShowCurrentStep(commander);
            return;
        case StepEffect::Abort:
            return;
        case StepEffect::Return:
            if (commander.FunctionMain && commander.FunctionMain->Caller) {
                returnFromFunction(commander);
                if (ActiveCommander) ShowCurrentStep(*ActiveCommander);
                return;
            }
            commander.ProgramCounter -= 1;
            programEnded();
            return;
        case StepEffect::Done:
            break;
        }
        ShowCurrentStep(commander);
        return;
    }
    // The click after the last step was executed.
    const RunResult r = EndOfCommander(commander);
    if (r != RunResult::Ended && ActiveCommander) ShowCurrentStep(*ActiveCommander);
}

// ---- Buttons ----

TMaincommander* commanderToStart(const Tprogramspace& program) {
    TCommander* edited = program.edit.activeCommander;
    if (!edited || program.edit.operated) return nullptr;
    if (edited->VisualorStyle == kind::Main) return static_cast<TMaincommander*>(edited);
    return edited->RootMain;
}

void Interpreter::start(TMaincommander& main) {
    buttons_.runStarted();
    workspace_.Running = true;
    halted_ = false;
    executed_ = 0;
    sinceEvents_ = 0;
    nesting_ = 0;
    ActiveCommander = &main;
    main.Caller = nullptr;
    main.Outer = nullptr;
    ShownSpace = workspace_.programOf(main);
    StartCommander(main, nullptr);
}

void Interpreter::ProgramRun(TMaincommander* startAt) {
    if (Running()) {
        if (!ActiveCommander || !buttons_.enabled(RunButton::ProgramRun)) return;
        ShownSpace = workspace_.programOf(*ActiveCommander);
        buttons_.continued();
    } else {
        if (!startAt) return;
        start(*startAt);
    }
    runUntilItStops();
}

void Interpreter::programpause() {
    if (buttons_.enabled(RunButton::programpause)) buttons_.paused();
}

void Interpreter::ProgramStop() {
    workspace_.Running = false;
    ActiveCommander = nullptr;
    nesting_ = 0;
    // Every program the run touched gives up its value levels, and every commander its
    // counter, links and records (the caller chain of a recursion included).
    for (const auto& program : workspace_.programs()) {
        program->resetRun();
        for (const auto& commander : program->objects.commanders)
            commander->resetRunState();
    }
    if (onShowStep) onShowStep(nullptr, 0, false);
    buttons_.stopped();
}

void Interpreter::ProgramStepin(TMaincommander* startAt) {
    if (Running()) {
        if (!ActiveCommander || !buttons_.enabled(RunButton::ProgramStepin)) return;
        ShownSpace = workspace_.programOf(*ActiveCommander);
        StepOnce(*ActiveCommander);
        return;
    }
    if (!startAt) return;
    start(*startAt);
    StepOnce(*ActiveCommander);
    if (buttons_.enabled(RunButton::ProgramStop) && buttons_.enabled(RunButton::programpause))
        buttons_.paused();
}

void Interpreter::programStepOver(TMaincommander* startAt) {
    if (!Running()) {
        ProgramStepin(startAt);
        return;
    }
    if (!ActiveCommander || !buttons_.enabled(RunButton::programStepOver)) return;
    TCommander& active = *ActiveCommander;
    const Tstep* next = active.step(active.ProgramCounter + 1);
    const bool unit = next && next->info().entersCommander;
    if (!unit) {
        StepOnce(active);
        return;
    }
    // The unit runs as one: its own step first; only when it entered a commander does the
    // run go on until that commander is left again (a condition or iteration that enters
    // nothing, or a call that fails, is a single step).
    buttons_.continued();
    stepsPerEvents_ = platform_.stepsPerEvents();
    StepOnce(active);
    int depth = ActiveCommander != &active ? 1 : 0;
    while (depth > 0) {
        if (!ActiveCommander || !canContinue()) return;
        const RunResult r = RunSteps(*ActiveCommander);
        if (r == RunResult::CallEntered || r == RunResult::Entered) ++depth;
        if (r == RunResult::Returned || r == RunResult::Left) --depth;
        if (r == RunResult::Paused || r == RunResult::Ended || r == RunResult::Stopped) return;
    }
    const bool ended =
        !buttons_.enabled(RunButton::ProgramRun) && !buttons_.enabled(RunButton::programpause);
    if (ended) return;
    if (ActiveCommander) ShowCurrentStep(*ActiveCommander);
    buttons_.paused();
}

} // namespace olvide
