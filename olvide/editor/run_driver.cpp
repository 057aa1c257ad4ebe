#include "run_driver.h"

#include "olvide/editor/main_window.h"
#include "olvide/model/space/programspace.h"
#include "olvide/model/space/workspace.h"
#include "olvide/views/program_views.h"

#include <QAbstractButton>

namespace olvide::editor {

RunDriver::RunDriver(Tmainframe& frame, Workspace& workspace)
    : frame_(frame), interpreter_(workspace, buttons_) {
    buttons_.setObserver([this](RunButton which, bool on) {
        if (QAbstractButton* b = tools_[static_cast<std::size_t>(which)]) b->setEnabled(on);
    });
    interpreter_.onShowStep = [this](TCommander* commander, int stepNumber, bool ended) {
        if (interpreter_.ShownSpace) frame_.bringToFront(*interpreter_.ShownSpace);
        frame_.showRunStep(commander, stepNumber, ended);
    };
}

void RunDriver::attach(RunButton which, QAbstractButton* button) {
    tools_[static_cast<std::size_t>(which)] = button;
    button->setEnabled(buttons_.enabled(which));
}

bool RunDriver::running() const {
    return interpreter_.Running();
}

TMaincommander* RunDriver::startCommander() const {
    Tprogramspace* program = frame_.activeProgram();
    return program ? commanderToStart(*program) : nullptr;
}

void RunDriver::showExecuted() {
    if (!running()) return;
    if (TCommander* active = interpreter_.ActiveCommander) {
        if (Tprogramspace* program = frame_.workspace().programOf(*active)) {
            frame_.bringToFront(*program);
            frame_.views().commanderActivated(*active);
        }
    }
}

template <class F> void RunDriver::inLoop(F&& run) {
    ++loopDepth_;
    run();
    --loopDepth_;
    frame_.refreshValues();
    emit runLoopLeft();
}

void RunDriver::ProgramRunClick() {
    if (!buttons_.enabled(RunButton::ProgramRun)) return;
    TMaincommander* start = nullptr;
    if (running()) {
        showExecuted();
    } else if (!(start = startCommander())) {
        return;
    }
    inLoop([&] { interpreter_.ProgramRun(start); });
}

void RunDriver::programpauseClick() {
    interpreter_.programpause();
}

void RunDriver::ProgramStopClick() {
    if (!buttons_.enabled(RunButton::ProgramStop)) return;
    interpreter_.ProgramStop();
    frame_.refreshValues();
}

void RunDriver::ProgramStepinClick() {
    if (!buttons_.enabled(RunButton::ProgramStepin)) return;
    TMaincommander* start = nullptr;
    if (running()) {
        showExecuted();
    } else if (!(start = startCommander())) {
        return;
    }
    inLoop([&] { interpreter_.ProgramStepin(start); });
}

void RunDriver::programStepOverClick() {
    if (!buttons_.enabled(RunButton::programStepOver)) return;
    TMaincommander* start = nullptr;
    if (running()) {
        showExecuted();
    } else if (!(start = startCommander())) {
        return;
    }
    inLoop([&] { interpreter_.programStepOver(start); });
}

} // namespace olvide::editor
