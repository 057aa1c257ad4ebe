#include "olvide/controls/hemisphere_button.h"

#include "olvide/controls/store_changed.h"

#include <QMouseEvent>
#include <QPainter>

namespace olvide::controls {
namespace {

const QColor kDisabledText(0x80, 0x80, 0x80);

} // namespace

THemisphereButton::THemisphereButton(QWidget* parent) : TControl(parent) {}

template <class F> void THemisphereButton::forEachInGroup(F&& action) {
    if (groupIndex_ == 0 || parentWidget() == nullptr) return;
    for (QObject* sibling : parentWidget()->children()) {
        auto* button = qobject_cast<THemisphereButton*>(sibling);
        if (button != nullptr && button != this && button->groupIndex_ == groupIndex_)
            action(*button);
    }
}

void THemisphereButton::releaseOthersInGroup() {
    forEachInGroup([](THemisphereButton& other) {
        other.pressed_ = false;
        other.update();
    });
}

void THemisphereButton::setAllowAllUp(bool on) {
    allowAllUp_ = on;
    forEachInGroup([on](THemisphereButton& other) { other.allowAllUp_ = on; });
}

template <class T, class U>
void THemisphereButton::changeLook(T HemisphereLook::*field, U&& value) {
    // Any change of the look makes the faces stale.
    if (!storeChanged(look_.*field, std::forward<U>(value))) return;
    facesSize_ = QSize();
    update();
}

void THemisphereButton::setBevelInner(THemisphereBevel bevel) {
    changeLook(&HemisphereLook::bevelInner, bevel);
}

void THemisphereButton::setBevelOuter(THemisphereBevel bevel) {
    changeLook(&HemisphereLook::bevelOuter, bevel);
}

void THemisphereButton::setBevelWidth(int width) {
    changeLook(&HemisphereLook::bevelWidth, std::max(0, width));
}

void THemisphereButton::setBorderColor(const QColor& color) {
    changeLook(&HemisphereLook::borderColor, color);
}

void THemisphereButton::setBorderStyle(TBorderStyle style) {
    changeLook(&HemisphereLook::borderStyle, style);
}

void THemisphereButton::setColorBright(const QColor& color) {
    changeLook(&HemisphereLook::colorBright, color);
}

void THemisphereButton::setColorDark(const QColor& color) {
    changeLook(&HemisphereLook::colorDark, color);
}

void THemisphereButton::setCaption(const QString& caption) {
    if (storeChanged(caption_, caption)) update();
}

void THemisphereButton::setGroupIndex(int index) {
    if (!storeChanged(groupIndex_, index)) return;
    if (groupIndex_ == 0)
        pressed_ = false;
    else if (pressed_)
        releaseOthersInGroup();
    update();
}

void THemisphereButton::setPressed(bool on) {
    if (groupIndex_ == 0) on = false;
    if (on == pressed_) return;
    if (pressed_ && !allowAllUp_) return;
    pressed_ = on;
    if (on) releaseOthersInGroup();
    update();
}

bool THemisphereButton::isInside(QPoint pos) const {
    return insideEllipse(size(), bevelTotal(look_), pos);
}

const QImage& THemisphereButton::face(bool pressed) {
    if (facesSize_ != size()) {
        releasedFace_ = buildHemisphereFace(size(), look_, false);
        pressedFace_ = buildHemisphereFace(size(), look_, true);
        facesSize_ = size();
    }
    return pressed ? pressedFace_ : releasedFace_;
}

void THemisphereButton::resizeEvent(QResizeEvent* event) {
    TControl::resizeEvent(event);
    face(false);
}

void THemisphereButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool down = showsPressed();
    if (!isEnabled()) painter.setOpacity(0.5);
    painter.drawImage(0, 0, face(down));
    painter.setOpacity(1.0);
    if (caption_.isEmpty()) return;

    painter.setFont(font());
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    // The caption sinks with the face.
    const QRect textRect = rect().translated(down ? QPoint(1, 1) : QPoint());
    if (!isEnabled()) {
        painter.setPen(Qt::white);
        painter.drawText(textRect.translated(1, 1), flags, caption_);
        painter.setPen(kDisabledText);
    } else {
        painter.setPen(fontColor());
    }
    painter.drawText(textRect, flags, caption_);
}

void THemisphereButton::mousePressEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (!isInside(pos)) {
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        held_ = true;
        pointerInside_ = true;
        update();
    }
    TControl::mousePressEvent(event);
}

void THemisphereButton::mouseMoveEvent(QMouseEvent* event) {
    if (held_ && storeChanged(pointerInside_, isInside(event->position().toPoint()))) update();
    TControl::mouseMoveEvent(event);
}

void THemisphereButton::mouseReleaseEvent(QMouseEvent* event) {
    if (held_ && event->button() == Qt::LeftButton) {
        held_ = false;
        if (isInside(event->position().toPoint()) && groupIndex_ != 0)
            setPressed(!pressed_ || !allowAllUp_);
        update();
    }
    TControl::mouseReleaseEvent(event);
}

void THemisphereButton::mouseDoubleClickEvent(QMouseEvent* event) {
    if (!isInside(event->position().toPoint())) {
        event->ignore();
        return;
    }
    emit doubleClicked();
    mousePressEvent(event);
}

} // namespace olvide::controls
