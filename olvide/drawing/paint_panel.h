#pragma once
// TPaintpanel "绘图元": the tool window from which drawing elements are drawn. It stays on
// top, has no border icons, and holds eight toggle buttons of one group (at most one down,
// all may be up). A shape's button going down releases the control panel's buttons and
// leaves an add pending until a program space draws the element or releaseAll() puts it up;
// the picture button asks for a picture file at once.
#include "olvide/model/files/drawing_file.h"

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

class QToolButton;

namespace olvide::drawing {

class TPaintpanel : public QWidget {
    Q_OBJECT
public:
    explicit TPaintpanel(QWidget* parent = nullptr);

    // The shape to draw: the first button down in the program space's order of test (line,
    // text, rectangle, rounded rectangle, ellipse, diamond, triangle); none when all are up.
    std::optional<PaintKind> pendingKind() const;
    bool addPending() const { return addPending_; }
    // The program space drew the element: its button comes up and nothing is pending.
    void finishAdd();
    // When an add is pending, puts every down button up; always clears the pending add. The
    // control panel calls this when one of its buttons goes down.
    void releaseAll();
    QToolButton* button(PaintKind kind) const;

    // Set by the editor: puts the control panel's buttons up.
    std::function<void()> releaseControlPanel;
    // OpenpictureDialog ("打开图片"); none cancels. Tests put their own choice here.
    std::function<std::optional<QString>()> choosePicture;
    // A picture file of one of the three kinds was chosen.
    std::function<void(const QString& path)> pictureChosen;

    // The handlers of the buttons.
    void addClick(PaintKind kind);
    void addimageClick();

private:
    std::array<QToolButton*, kPaintKindCount> buttons_{};
    bool addPending_ = false;
};

// The picture of a button, drawn here: the element it draws.
QImage paintButtonGlyph(PaintKind kind, int side);

} // namespace olvide::drawing
