#pragma once
// TControlPanel "编程元": the tool window from which new objects are placed. It stays on top,
// has no border icons, and holds nine toggle buttons of one group: at most one is down, and
// all may be up. A button going down releases the drawing panel's buttons and leaves an add
// pending until a program space takes it (on its next mouse-down) or releaseAll() puts it up.
#include "olvide/editor/forms/add_button.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QToolButton;

namespace olvide::forms {

class TControlPanel : public QWidget {
    Q_OBJECT

public:
    explicit TControlPanel(QWidget* parent = nullptr);

    // The first button down, in the order of AddButton; none when all are up.
    std::optional<AddButton> downButton() const;
    bool isDown(AddButton button) const;
    // Puts one button up (what a program space does when it places that object).
    void release(AddButton button);
    // A button is down and waits for a click on a program space.
    bool addPending() const { return addPending_; }
    // The program space took the click.
    void clearAddPending() { addPending_ = false; }
    // When an add is pending, puts every down button up; always clears the pending add. The
    // drawing panel calls this when one of its buttons goes down.
    void releaseAll();

    // Set by the drawing panel: puts its own buttons up. Called whenever a button of this
    // panel goes down.
    std::function<void()> releaseDrawingPanel;

    // The button itself (for clicking it, in tests and scenarios).
    QToolButton* button(AddButton button) const;

signals:
    // A button went down by a click.
    void buttonDown(olvide::forms::AddButton button);

private:
    void addClick(AddButton button);

    std::array<QToolButton*, 9> buttons_{};
    bool addPending_ = false;
};

} // namespace olvide::forms
