#pragma once
// The step window "步骤窗口": a small tool window on top of the main window that shows one
// step of a commander as a row of pictures (operands, operators, the constant), with tool
// buttons that move through the steps, delete one, add a comment, exit or end step and set a
// breakpoint, and three signals for pause, break and end.
//
// The editor calls ShowStep when a commander's shown step changes (the commander became the
// edited one, a step was added or deleted), showRunStep from run control, and detach when the
// commander leaves the window.
#include "olvide/model/steps/opcode.h"
#include "olvide/views/picture_row.h"
#include "olvide/views/view_hooks.h"

#include <QColor>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

class QLineEdit;
class QMenu;
class QTimer;
class QToolButton;

namespace olvide {
class TCommander;
class TVisualor;
class TprogramVaribler;
class Tprogramspace;
class Tstep;
} // namespace olvide

namespace olvide::views {

class ParameterWindow;
class StepPictureView;
enum class StepTool;

class StepWindow : public QWidget {
    Q_OBJECT

public:
    // A tool window of the main window, placed at its right edge.
    StepWindow(QWidget* mainWindow, ViewHooks hooks);
    ~StepWindow() override;

    // The window that shows the parameters of a call step drawn here.
    void setParameterWindow(ParameterWindow* window) { parameters_ = window; }

    // Draws the commander's shown step, after taking away the step shown before; none
    // leaves the window empty.
    void ShowStep(TCommander* commander);
    // Takes the shown step away: its pictures are freed, a comment step keeps the text of
    // the edit box, the parameter window closes.
    void ClearStep();
    // The break signal shows the shown step's breakpoint; the pause and end signals show
    // where a run of its commander stands.
    void RefreshSignals();
    // The commander leaves the window: nothing is shown and the caption is "步骤窗口".
    void detach();
    // Run control shows the step to run next (number), with the end signal when there is
    // none after it; a commander of none paints the pause and end signals grey (stop).
    void showRunStep(TCommander* commander, int number, bool ended);
    // An object is being freed; the window lets go of it.
    void forget(const TVisualor& object);

    // Replaces the operator of the step by the sign of an operator menu item.
    void ChangeOperator(Tstep& step, std::string_view sign);
    // The parameter window bound parameter `parameter` of the shown call step: the step
    // shows that binding (call view 0 for an input, 2 for an output).
    void showBinding(std::size_t parameter, std::uint8_t callView);

    TCommander* commander() const { return commander_; }
    Tstep* ShownStep() const { return shownStep_; }
    // The pictures drawn for the shown step, left to right.
    const std::vector<StepPictureView*>& pictureViews() const { return row_.views(); }
    QColor pauseSignalColour() const;
    QColor breakSignalColour() const;
    QColor endSignalColour() const;

signals:
    // A button of this window added a step to the commander or deleted one.
    void stepsEdited(TCommander* commander);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildButtons();
    void buildMenus();
    QToolButton* addButton(const char* name, StepTool tool, int left);
    void navigate(StepTool tool);
    void deleteShownStep();
    void addStep(std::uint8_t kind, const char* code, const char* hint);
    void toggleBreak();
    bool mayEdit() const;

    void drawPictures();
    void pictureMenu(std::size_t index, QPoint where);
    void pressPicture(std::size_t index);
    void changeConstant(std::size_t index);
    void replaceOperand(Role role, TprogramVaribler& picked);
    void refreshHighlights();
    void forgetPictures();

    bool commanderAlive() const;
    bool shownStepAlive() const;
    Tprogramspace* programOf(const TCommander* commander) const;

    ViewHooks hooks_;
    ParameterWindow* parameters_ = nullptr;
    TCommander* commander_ = nullptr;
    Tstep* shownStep_ = nullptr;
    // The binding of a call step the window shows in call views 0 and 2.
    const Tstep* bindingStep_ = nullptr;
    std::size_t bindingParameter_ = 0;

    // The pictures of the shown step, and the slots they fill.
    PictureRow row_;
    std::vector<Slot> slots_;
    std::size_t menuPicture_ = 0;

    QWidget* pauseSignal_ = nullptr;
    QWidget* breakSignal_ = nullptr;
    QWidget* endSignal_ = nullptr;
    QLineEdit* comment_ = nullptr;
    QMenu* addMenu_ = nullptr;
    QMenu* compareMenu_ = nullptr;
    QMenu* booleanMenu_ = nullptr;
    QMenu* exchangeMenu_ = nullptr;
    QTimer* blink_ = nullptr;
    bool blinkLit_ = false;
};

} // namespace olvide::views
