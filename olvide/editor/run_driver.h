#pragma once
// Running from the tool bar: the five run buttons mirror the run-button model, and their
// clicks drive the interpreter. A run happens inside the click of Run (or Step over); the
// interpreter lets the interface process its events between steps, so that Pause and Stop
// are clicked while it runs.
#include "olvide/engine/interpreter.h"
#include "olvide/engine/run_buttons.h"

#include <QObject>
#include <array>

class QAbstractButton;

namespace olvide {
class Workspace;
}

namespace olvide::editor {

class Tmainframe;

class RunDriver : public QObject {
    Q_OBJECT
public:
    RunDriver(Tmainframe& frame, Workspace& workspace);

    // The tool-bar button of each run button; the driver keeps its enabled state.
    void attach(RunButton which, QAbstractButton* button);

    void ProgramRunClick();
    void programpauseClick();
    void ProgramStopClick();
    void ProgramStepinClick();
    void programStepOverClick();

    // A commander was made active in some program space.
    void commanderActivated() { buttons_.commanderActivated(); }
    // A run loop is on the stack (inside a click of Run or Step over).
    bool inRunLoop() const { return loopDepth_ > 0; }
    bool running() const;

    RunButtons& buttons() { return buttons_; }
    Interpreter& interpreter() { return interpreter_; }

signals:
    // A run loop has returned (paused, ended, stopped).
    void runLoopLeft();

private:
    // The program space a click starts in: the active one, with its main commander to run.
    TMaincommander* startCommander() const;
    // While a run goes on, the buttons first bring the executed program to the front.
    void showExecuted();
    template <class F> void inLoop(F&& run);

    Tmainframe& frame_;
    RunButtons buttons_;
    Interpreter interpreter_;
    std::array<QAbstractButton*, 5> tools_{};
    int loopDepth_ = 0;
};

} // namespace olvide::editor
