#pragma once
// A main window on the offscreen platform, driven as a user drives it: tool-bar buttons,
// control-panel buttons, clicks and right-clicks on the canvas and on objects, pop-up menu
// items, and modal boxes answered as they come up.
#include "olvide/editor/forms/control_panel.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/main_window.h"
#include "olvide/editor/object_view.h"
#include "olvide/editor/programspace_window.h"
#include "olvide/model/model.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace olvide::editor::testing {

using forms::AddButton;

class EditorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    Tmainframe& frame() { return *frame_; }
    forms::TControlPanel& controlPanel() { return frame_->forms().controlPanel(); }
    Workspace& workspace() { return frame_->workspace(); }

    void clickTool(const char* name);
    // "新建": the new program and its window.
    Tprogramspace& newProgram();
    ProgramSpaceWindow& windowOf(const Tprogramspace& program);

    // Presses the control-panel button, then clicks the canvas there.
    void place(Tprogramspace& program, AddButton button, QPoint at);
    // The object placed last of its kind.
    TVisualor* lastElement(Tprogramspace& program);
    TMaincommander* lastMain(Tprogramspace& program);

    void click(const TVisualor& object, Qt::MouseButton button = Qt::LeftButton);
    void doubleClick(const TVisualor& object);
    // Right-clicks the object and triggers the menu item of that path of component names
    // ("numberxaddy", "numberxplusy"); false when the menu or an item on the path is missing
    // or disabled.
    bool chooseFromMenu(const TVisualor& object, const std::vector<std::string>& path);
    // The menu the object opens on a right click (closed again by the caller).
    QMenu* openMenu(const TVisualor& object);

    // The next modal window (a message box or an input dialog) is handled by `answer` as soon
    // as it shows; answers are taken in the order they were given.
    void whenModal(std::function<void(QWidget*)> answer);
    // Answers the next message box with the button of that caption; its text is kept.
    void answerBox(const char* button);
    // Types the text into the next entry window (a constant window, the index dialog, or an
    // attribute window's name box) and presses its OK button.
    void typeIntoDialog(const QString& text);
    std::vector<QString> boxTexts; // texts of the message boxes answered
    int pendingAnswers() const { return static_cast<int>(answers_.size()); }

    std::unique_ptr<Tmainframe> frame_;
    // Modal windows that came up with no answer waiting (closed at once, so that no test
    // hangs on them).
    std::vector<QString> unexpected;

private:
    void answerModal();

    std::deque<std::function<void(QWidget*)>> answers_;
    QPointer<QWidget> answered_;
    std::unique_ptr<QTimer> watchdog_;
};

// A path in a fresh temporary folder, removed with the test.
std::string temporaryPath(const std::string& name);

} // namespace olvide::editor::testing
