#pragma once
// TStretchHandle: frames one or several controls of one parent with grab squares and moves or
// sizes them with the mouse, optionally on a grid. A press inside an attached control goes on
// to that control, so the framed control still answers the mouse.
#include "olvide/controls/control.h"
#include "olvide/controls/stretch_geometry.h"

#include <QEvent>
#include <QString>
#include <algorithm>
#include <functional>
#include <vector>

namespace olvide::controls {

class TStretchHandle : public TControl {
    Q_OBJECT
    Q_PROPERTY(QColor SecondaryColor READ secondaryColor WRITE setSecondaryColor)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
    Q_PROPERTY(int GridX READ gridX WRITE setGridX)
    Q_PROPERTY(int GridY READ gridY WRITE setGridY)
    Q_PROPERTY(bool SnapToGrid READ snapToGrid WRITE setSnapToGrid)

public:
    enum class AttachResult { attached, alreadyAttached, refused };
    // Shown by the caller when a window (a form) is offered; nothing is attached then.
    static inline const QString kFormRefusal =
        QStringLiteral("Handles can not be attached to a Form!");

    // Hidden and disabled until something is attached.
    explicit TStretchHandle(QWidget* parent = nullptr);
    ~TStretchHandle() override;

    // Attaches a control: a control of another parent first detaches all others; a window
    // (or no control) is refused. The handle becomes a visible, enabled sibling in front of
    // the controls and takes the focus.
    AttachResult Attach(QWidget* control);
    // Releases every control; the handle hides and is disabled.
    void Detach();
    void ReleaseControl(QWidget* control);
    int IndexOf(const QWidget* control) const;
    int AttachedCount() const { return static_cast<int>(controls_.size()); }
    QWidget* Attached(int index) const;

    QColor secondaryColor() const { return secondaryColor_; }
    void setSecondaryColor(const QColor& color);
    bool locked() const { return locked_; }
    void setLocked(bool on) { locked_ = on; }
    int gridX() const { return grid_.x; }
    // Grid steps are bytes; 0 means no grid.
    void setGridX(int step) { grid_.x = std::clamp(step, 0, 255); }
    int gridY() const { return grid_.y; }
    void setGridY(int step) { grid_.y = std::clamp(step, 0, 255); }
    bool snapToGrid() const { return grid_.snap; }
    void setSnapToGrid(bool on) { grid_.snap = on; }

    // Asked on every press: while it answers true (an add button of a panel is down), presses
    // are neither passed to the controls nor start a drag; they are only reported.
    void setDrawingPending(std::function<bool()> pending) { drawingPending_ = std::move(pending); }

signals:
    void keyDown(int key, Qt::KeyboardModifiers shift);
    void keyUp(int key, Qt::KeyboardModifiers shift);
    void keyPress(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitFrame();
    void forgetControl(QWidget* control);
    void applyDrag();
    QWidget* attachedControlAt(QPoint inParent) const;
    void forwardMouse(const QMouseEvent& event, QEvent::Type type);
    bool drawingPending() const { return drawingPending_ && drawingPending_(); }
    void updateCursor(QPoint pos);

    std::vector<QWidget*> controls_;
    QColor secondaryColor_ = QColor(0x80, 0x80, 0x80);
    bool locked_ = false;
    DragGrid grid_;
    std::function<bool()> drawingPending_;

    bool dragging_ = false;
    int dragMode_ = kMoveMode;
    QRect dragStart_;
    QPoint dragOrigin_;             // in parent coordinates
    QPointer<QWidget> pressTarget_; // the attached control that took the current press
};

} // namespace olvide::controls
