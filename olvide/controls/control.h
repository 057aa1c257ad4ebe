#pragma once
// TControl: what every custom control shares: docking in its parent (Align), a colour that may
// follow the parent's (Color, ParentColor), a font that may follow the parent's (ParentFont)
// with its colour, a pop-up menu, and the mouse events as signals.
#include "olvide/controls/control_types.h"

#include <QColor>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QWidget>

namespace olvide::controls {

class TControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(olvide::controls::TAlign Align READ align WRITE setAlign)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(bool ParentColor READ parentColor WRITE setParentColor)
    Q_PROPERTY(bool ParentFont READ parentFont WRITE setParentFont)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(QMenu* PopupMenu READ popupMenu WRITE setPopupMenu)

public:
    explicit TControl(QWidget* parent = nullptr);

    TAlign align() const { return align_; }
    void setAlign(TAlign align);

    // The colour in use: the parent's background while ParentColor is on.
    QColor color() const;
    // Setting a colour turns ParentColor off.
    void setColor(const QColor& color);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool on);

    // Setting a font (QWidget::setFont) turns ParentFont off; turning it on inherits again.
    bool parentFont() const;
    void setParentFont(bool on);
    QColor fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);

    QMenu* popupMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu) { popupMenu_ = menu; }

signals:
    void clicked();
    void doubleClicked();
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);
    void mouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, QPoint pos);
    void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pos);

protected:
    // Called when something that the control draws with changed (colour, parent colour,
    // font); repaints by default.
    virtual void appearanceChanged() { update(); }
    // Where a left press and release make a click; the whole control by default.
    virtual bool isInside(QPoint pos) const { return rect().contains(pos); }

    // A left press followed by a release inside the control is a click (reported before the
    // release). A double click reports doubleClicked and then a press, which is no click.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

    void emitMouseDown(const QMouseEvent& event);
    void emitMouseMove(const QMouseEvent& event);
    void emitMouseUp(const QMouseEvent& event);

private:
    void realign();

    TAlign align_ = TAlign::alNone;
    QColor color_ = Qt::white;
    bool parentColor_ = true;
    QColor fontColor_ = Qt::black;
    QPointer<QMenu> popupMenu_;
    bool clickPending_ = false;
};

// Lays out the aligned controls among the children of parent.
void arrangeAlignedControls(QWidget* parent);

} // namespace olvide::controls
