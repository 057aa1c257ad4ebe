#pragma once
// The program views of olvide as the editor uses them: the step window, the parameter window
// and the flow window, made together with the main window as their parent and wired to each
// other. The editor forwards the model's notifications and its window toggles here:
//
//   Platform::commanderActivated(c)  -> commanderActivated(c)
//   Platform::stepsChanged(c)        -> stepsChanged(c)
//   Platform::objectDestroyed(o)     -> objectDestroyed(o)
//   "步骤窗口" / "流程窗口" buttons     -> toggleStepWindow / toggleFlowWindow(edited commander)
//   another program space activated,
//   the active one closed             -> detach()
//   Interpreter::onShowStep          -> showRunStep
#include "olvide/views/view_hooks.h"

#include <QObject>

class QWidget;

namespace olvide {
class TCommander;
class TVisualor;
} // namespace olvide

namespace olvide::views {

class FlowWindow;
class ParameterWindow;
class StepWindow;

class ProgramViews : public QObject {
    Q_OBJECT

public:
    ProgramViews(QWidget* mainWindow, ViewHooks hooks);
    ~ProgramViews() override;

    StepWindow& stepWindow() const { return *step_; }
    ParameterWindow& parameterWindow() const { return *parameters_; }
    FlowWindow& flowWindow() const { return *flow_; }

    // The commander became the one being edited: the step window shows its shown step.
    void commanderActivated(const TCommander& commander);
    // Steps were added to or deleted from the commander: the step window shows its shown
    // step again when it shows that commander, and a shown flow window draws it again.
    void stepsChanged(const TCommander& commander);
    // An object is being freed: no window keeps it.
    void objectDestroyed(const TVisualor& object);

    // The main window's toggles, with the commander being edited (none when none is).
    void toggleStepWindow(TCommander* edited);
    void toggleFlowWindow(TCommander* edited);
    // The program whose commander the windows show stops being the active one.
    void detach();
    // Run control shows the step to run next; none paints the pause and end signals grey.
    void showRunStep(TCommander* commander, int number, bool ended);

private:
    void redrawFlow(const TCommander& commander);

    ViewHooks hooks_;
    StepWindow* step_ = nullptr;
    ParameterWindow* parameters_ = nullptr;
    FlowWindow* flow_ = nullptr;
};

} // namespace olvide::views
