#include "olvide/views/program_views.h"

#include "olvide/model/commanders/commander.h"
#include "olvide/views/flow_window.h"
#include "olvide/views/layout/shown_objects.h"
#include "olvide/views/parameter_window.h"
#include "olvide/views/step_window.h"

namespace olvide::views {

ProgramViews::ProgramViews(QWidget* mainWindow, ViewHooks hooks)
    : QObject(mainWindow), hooks_(std::move(hooks)) {
    step_ = new StepWindow(mainWindow, hooks_);
    parameters_ = new ParameterWindow(mainWindow, hooks_);
    flow_ = new FlowWindow(mainWindow, hooks_);
    step_->setParameterWindow(parameters_);
    parameters_->setStepWindow(step_);
    connect(step_, &StepWindow::stepsEdited, this, [this](TCommander* commander) {
        if (commander) redrawFlow(*commander);
    });
    connect(flow_, &FlowWindow::stepSelected, this, [this](TCommander* commander) {
        step_->ShowStep(commander);
        if (hooks_.repaintSpace) hooks_.repaintSpace();
    });
}

ProgramViews::~ProgramViews() {
    // The windows are children of the main window and go with it; they let go of the
    // program first.
    step_->detach();
    flow_->ClearFlow();
}

void ProgramViews::commanderActivated(const TCommander& commander) {
    if (TCommander* held = heldCommander(hooks_.workspace, &commander)) step_->ShowStep(held);
}

void ProgramViews::redrawFlow(const TCommander& commander) {
    if (!flow_->isVisible()) return;
    // The commander the step window shows is drawn from the top; any other that the chart
    // holds is drawn again where it stands.
    if (&commander == step_->commander())
        flow_->DrawCommander(step_->commander());
    else
        flow_->redrawIfShowing(commander);
}

void ProgramViews::stepsChanged(const TCommander& commander) {
    if (&commander == step_->commander()) step_->ShowStep(step_->commander());
    redrawFlow(commander);
}

void ProgramViews::objectDestroyed(const TVisualor& object) {
    step_->forget(object);
    flow_->forget(object);
}

void ProgramViews::toggleStepWindow(TCommander* edited) {
    if (step_->isVisible()) {
        step_->detach();
        step_->hide();
        return;
    }
    step_->show();
    if (edited) step_->ShowStep(edited);
}

void ProgramViews::toggleFlowWindow(TCommander* edited) {
    if (flow_->isVisible()) {
        flow_->ClearFlow();
        flow_->hide();
        return;
    }
    flow_->show();
    flow_->DrawCommander(edited);
}

void ProgramViews::detach() {
    step_->detach();
    if (flow_->isVisible()) flow_->ClearFlow();
}

void ProgramViews::showRunStep(TCommander* commander, int number, bool ended) {
    step_->showRunStep(commander, number, ended);
}

} // namespace olvide::views
