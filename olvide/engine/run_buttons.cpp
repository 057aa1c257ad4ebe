#include "run_buttons.h"

namespace olvide {

void RunButtons::setEnabled(RunButton button, bool on) {
    bool* flag = nullptr;
    switch (button) {
    case RunButton::ProgramRun:
        flag = &run_;
        break;
    case RunButton::programpause:
        flag = &pause_;
        break;
    case RunButton::ProgramStop:
        flag = &stop_;
        break;
    case RunButton::ProgramStepin:
        flag = &stepIn_;
        break;
    case RunButton::programStepOver:
        flag = &stepOver_;
        break;
    }
    if (*flag == on) return;
    *flag = on;
    if (observer_) observer_(button, on);
}

void RunButtons::commanderActivated() {
    if (run_) return;
    setEnabled(RunButton::ProgramRun, true);
    setEnabled(RunButton::ProgramStepin, true);
    setEnabled(RunButton::programStepOver, true);
}

void RunButtons::runStarted() {
    setEnabled(RunButton::ProgramRun, false);
    setEnabled(RunButton::ProgramStepin, false);
    setEnabled(RunButton::programStepOver, false);
    setEnabled(RunButton::programpause, true);
    setEnabled(RunButton::ProgramStop, true);
}

void RunButtons::paused() {
    setEnabled(RunButton::ProgramRun, true);
    setEnabled(RunButton::ProgramStepin, true);
    setEnabled(RunButton::programStepOver, true);
    setEnabled(RunButton::programpause, false);
}

void RunButtons::programEnded() {
    setEnabled(RunButton::ProgramRun, false);
    setEnabled(RunButton::programpause, false);
    setEnabled(RunButton::ProgramStepin, false);
    setEnabled(RunButton::programStepOver, false);
}

void RunButtons::stopped() {
    setEnabled(RunButton::ProgramRun, true);
    setEnabled(RunButton::ProgramStepin, true);
    setEnabled(RunButton::programStepOver, true);
    setEnabled(RunButton::programpause, false);
    setEnabled(RunButton::ProgramStop, false);
}

void RunButtons::continued() {
    setEnabled(RunButton::ProgramRun, false);
    setEnabled(RunButton::ProgramStepin, false);
    setEnabled(RunButton::programStepOver, false);
    setEnabled(RunButton::programpause, true);
}

} // namespace olvide
