#include "olvide/controls/kel_image.h"

#include "olvide/controls/store_changed.h"

#include <QPainter>
#include <algorithm>

namespace olvide::controls {

void copyNonTransparent(QImage& target, const QImage& source, const QColor& transparent) {
    const QRgb key = transparent.rgb() & RGB_MASK;
    const QImage from = source.convertToFormat(QImage::Format_ARGB32);
    if (target.format() != QImage::Format_ARGB32)
        target = target.convertToFormat(QImage::Format_ARGB32);
    const int width = std::min(target.width(), from.width());
    const int height = std::min(target.height(), from.height());
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(from.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(target.scanLine(y));
        for (int x = 0; x < width; ++x)
            if ((in[x] & RGB_MASK) != key && qAlpha(in[x]) != 0) out[x] = in[x];
    }
}

TKelImage::TKelImage(QWidget* parent) : TControl(parent) {
    renderPicture();
}

void TKelImage::setAutoSize(bool on) {
    if (!storeChanged(autoSize_, on)) return;
    adjustToPicture();
}

void TKelImage::setCenter(bool on) {
    if (storeChanged(center_, on)) renderPicture();
}

void TKelImage::setStretch(bool on) {
    if (storeChanged(stretch_, on)) renderPicture();
}

void TKelImage::setPicture(const QImage& picture) {
    picture_ = picture;
    adjustToPicture();
    renderPicture();
}

bool TKelImage::loadPicture(const QString& path) {
    QImage loaded;
    if (!loaded.load(path)) return false;
    setPicture(loaded);
    return true;
}

void TKelImage::adjustToPicture() {
    if (autoSize_ && !picture_.isNull()) resize(picture_.size());
}

QImage TKelImage::filledImage(QSize size) const {
    QImage image(size.expandedTo({1, 1}), QImage::Format_ARGB32);
    image.fill(color());
    return image;
}

void TKelImage::renderPicture() {
    canvas_ = filledImage(size());
    canvasFromPicture_ = true;
    if (!picture_.isNull()) {
        QPainter painter(&canvas_);
        if (stretch_) {
            painter.drawImage(canvas_.rect(), picture_);
        } else {
            QRect place(QPoint(0, 0), picture_.size());
            if (center_) place.moveCenter(canvas_.rect().center());
            painter.drawImage(place, picture_);
        }
    }
    update();
}

void TKelImage::drawTransparent(const QImage& bitmap, const QColor& transparent, Target target) {
    QImage drawn = filledImage(size());
    copyNonTransparent(drawn, bitmap, transparent);
    if (target == Target::picture) {
        picture_ = drawn;
        renderPicture();
        return;
    }
    canvas_ = drawn;
    canvasFromPicture_ = false;
    update();
}

void TKelImage::overlayTransparent(const QImage& icon, const QColor& transparent, Target target) {
    if (target == Target::picture) {
        if (picture_.isNull()) picture_ = filledImage(size());
        copyNonTransparent(picture_, icon, transparent);
        renderPicture();
        return;
    }
    copyNonTransparent(canvas_, icon, transparent);
    update();
}

void TKelImage::resizeEvent(QResizeEvent* event) {
    TControl::resizeEvent(event);
    if (canvasFromPicture_) {
        renderPicture();
        return;
    }
    // What was drawn straight onto the canvas stays where it was.
    QImage grown = filledImage(size());
    QPainter(&grown).drawImage(0, 0, canvas_);
    canvas_ = grown;
}

void TKelImage::appearanceChanged() {
    if (canvasFromPicture_) renderPicture();
    update();
}

void TKelImage::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, canvas_);
}

} // namespace olvide::controls
