#include "olvide/controls/stretch_handle.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace olvide::controls {

TStretchHandle::TStretchHandle(QWidget* parent) : TControl(parent) {
    setColor(Qt::black);
    setFocusPolicy(Qt::StrongFocus);
    setEnabled(false);
    hide();
}

TStretchHandle::~TStretchHandle() {
    for (QWidget* control : controls_)
        control->removeEventFilter(this);
}

TStretchHandle::AttachResult TStretchHandle::Attach(QWidget* control) {
    if (control == nullptr || control == this || control->isWindow()) return AttachResult::refused;
    if (IndexOf(control) >= 0) return AttachResult::alreadyAttached;
    if (!controls_.empty() && control->parentWidget() != controls_.front()->parentWidget())
        Detach();
    if (controls_.empty()) {
        if (parentWidget() != control->parentWidget()) setParent(control->parentWidget());
        setEnabled(true);
    }
    controls_.push_back(control);
    control->installEventFilter(this);
    // A control that goes away is released, never left behind as a dangling entry.
    connect(control, &QObject::destroyed, this,
            [this](QObject* gone) { forgetControl(static_cast<QWidget*>(gone)); });
    fitFrame();
    show();
    raise();
    setFocus();
    return AttachResult::attached;
}

void TStretchHandle::Detach() {
    for (QWidget* control : controls_) {
        control->removeEventFilter(this);
        disconnect(control, &QObject::destroyed, this, nullptr);
    }
    controls_.clear();
    dragging_ = false;
    pressTarget_ = nullptr;
    hide();
    setEnabled(false);
}

void TStretchHandle::ReleaseControl(QWidget* control) {
    if (IndexOf(control) < 0) return;
    control->removeEventFilter(this);
    disconnect(control, &QObject::destroyed, this, nullptr);
    forgetControl(control);
}

void TStretchHandle::forgetControl(QWidget* control) {
    std::erase(controls_, control);
    if (controls_.empty())
        Detach();
    else
        fitFrame();
}

int TStretchHandle::IndexOf(const QWidget* control) const {
    const auto found = std::find(controls_.begin(), controls_.end(), control);
    return found == controls_.end() ? -1 : static_cast<int>(found - controls_.begin());
}

QWidget* TStretchHandle::Attached(int index) const {
    if (index < 0 || index >= AttachedCount()) return nullptr;
    return controls_[static_cast<std::size_t>(index)];
}

void TStretchHandle::setSecondaryColor(const QColor& color) {
    secondaryColor_ = color;
    update();
}

void TStretchHandle::fitFrame() {
    std::vector<QRect> rects;
    rects.reserve(controls_.size());
    for (const QWidget* control : controls_)
        rects.push_back(control->geometry());
    setGeometry(frameAround(rects));
    update();
}

bool TStretchHandle::eventFilter(QObject*, QEvent* event) {
    // The frame follows controls that are moved or sized by anything but the handle.
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && !dragging_)
        fitFrame();
    return false;
}

void TStretchHandle::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (controls_.size() == 1) {
        for (const QRect& square : grabSquares(size()))
            painter.fillRect(square, color());
        return;
    }
    for (const QWidget* control : controls_)
        for (const QRect& square : cornerSquares(control->geometry().translated(-pos())))
            painter.fillRect(square, secondaryColor_);
}

QWidget* TStretchHandle::attachedControlAt(QPoint inParent) const {
    if (parentWidget() == nullptr) return nullptr;
    // The topmost attached control under the point: later children lie in front.
    const QObjectList& siblings = parentWidget()->children();
    for (auto it = siblings.rbegin(); it != siblings.rend(); ++it) {
        auto* widget = qobject_cast<QWidget*>(*it);
        if (widget != nullptr && IndexOf(widget) >= 0 && widget->geometry().contains(inParent))
            return widget;
    }
    return nullptr;
}

void TStretchHandle::forwardMouse(const QMouseEvent& event, QEvent::Type type) {
    QWidget* target = pressTarget_;
    const QPointF local = target->mapFromGlobal(event.globalPosition());
    QMouseEvent forwarded(type, local, event.globalPosition(), event.button(), event.buttons(),
                          event.modifiers(), event.pointingDevice());
    QCoreApplication::sendEvent(target, &forwarded);
}

void TStretchHandle::mousePressEvent(QMouseEvent* event) {
    const QPoint inParent = mapToParent(event->position().toPoint());
    if (!drawingPending()) {
        if (QWidget* control = attachedControlAt(inParent)) {
            pressTarget_ = control;
            forwardMouse(*event, QEvent::MouseButtonPress);
            return;
        }
    }
    TControl::mousePressEvent(event);
    // The press may have detached the handle (its owner reacts to mouseDown).
    if (controls_.empty() || drawingPending() || locked_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = true;
    dragMode_ = controls_.size() == 1 ? grabModeAt(size(), event->position().toPoint()) : kMoveMode;
    dragStart_ = geometry();
    dragOrigin_ = inParent;
}

void TStretchHandle::mouseMoveEvent(QMouseEvent* event) {
    if (pressTarget_ != nullptr) {
        forwardMouse(*event, QEvent::MouseMove);
        return;
    }
    if (dragging_) {
        const QPoint delta = mapToParent(event->position().toPoint()) - dragOrigin_;
        setGeometry(
            draggedFrame(dragStart_, dragMode_, delta, frameMargin(controls_.size()), grid_));
    } else {
        updateCursor(event->position().toPoint());
    }
    TControl::mouseMoveEvent(event);
}

void TStretchHandle::mouseReleaseEvent(QMouseEvent* event) {
    if (pressTarget_ != nullptr) {
        forwardMouse(*event, QEvent::MouseButtonRelease);
        pressTarget_ = nullptr;
        return;
    }
    if (dragging_ && event->button() == Qt::LeftButton) {
        dragging_ = false;
        applyDrag();
    }
    TControl::mouseReleaseEvent(event);
}

void TStretchHandle::applyDrag() {
    const QRect frame = geometry();
    if (controls_.size() == 1) {
        const int m = frameMargin(1);
        controls_.front()->setGeometry(frame.adjusted(m, m, -m, -m));
    } else {
        // Several controls move together by the frame's offset.
        const QPoint offset = frame.topLeft() - dragStart_.topLeft();
        for (QWidget* control : controls_)
            control->move(control->pos() + offset);
    }
    fitFrame();
}

void TStretchHandle::updateCursor(QPoint pos) {
    static constexpr std::array kCursors{Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                         Qt::SizeBDiagCursor, Qt::SizeHorCursor};
    const int mode = controls_.size() == 1 && !locked_ ? grabModeAt(size(), pos) : kMoveMode;
    if (mode == kMoveMode)
        unsetCursor();
    else
        setCursor(kCursors[static_cast<std::size_t>(mode - 1) % kCursors.size()]);
}

void TStretchHandle::keyPressEvent(QKeyEvent* event) {
    emit keyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty()) emit keyPress(event->text());
}

void TStretchHandle::keyReleaseEvent(QKeyEvent* event) {
    emit keyUp(event->key(), event->modifiers());
}

} // namespace olvide::controls
