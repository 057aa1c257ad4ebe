#pragma once
// The enabled state of the five run buttons of the main window. Run control reads and sets
// them (pause and stop act only through them); the editor's buttons only mirror this model.
#include <functional>

namespace olvide {

enum class RunButton { ProgramRun, programpause, ProgramStop, ProgramStepin, programStepOver };

class RunButtons {
public:
    // Inline: the running loop asks after every step.
    bool enabled(RunButton button) const {
        switch (button) {
        case RunButton::ProgramRun:
            return run_;
        case RunButton::programpause:
            return pause_;
        case RunButton::ProgramStop:
            return stop_;
        case RunButton::ProgramStepin:
            return stepIn_;
        case RunButton::programStepOver:
            return stepOver_;
        }
        return false;
    }
    void setEnabled(RunButton button, bool on);

    // Every button starts disabled; Run, Step in and Step over come on once a commander is
    // made active.
    void commanderActivated(); // enables Run, Step in, Step over when Run is off
    void runStarted();         // Run, Step in, Step over off; Pause and Stop on
    void paused();             // Run, Step in, Step over on; Pause off
    void programEnded();       // only Stop stays as it is (on)
    void stopped();            // Run, Step in, Step over on; Pause and Stop off
    void continued();          // Run, Step in, Step over off; Pause on

    // The editor mirrors every change through this.
    void setObserver(std::function<void(RunButton, bool)> observer) {
        observer_ = std::move(observer);
    }

private:
    bool run_ = false;
    bool pause_ = false;
    bool stop_ = false;
    bool stepIn_ = false;
    bool stepOver_ = false;
    std::function<void(RunButton, bool)> observer_;
};

} // namespace olvide
