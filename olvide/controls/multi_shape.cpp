#include "olvide/controls/multi_shape.h"

#include "olvide/controls/store_changed.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace olvide::controls {

TMultiShape::TMultiShape(QWidget* parent) : TControl(parent) {}

void TMultiShape::setShapeType(TMultiShapeType type) {
    if (!storeChanged(shapeType_, type)) return;
    // A line or triangle turns only in steps of 45.
    angle_ = normalizedAngle(angle_, type);
    update();
}

void TMultiShape::setAngle(int angle) {
    if (!storeChanged(angle_, normalizedAngle(angle, shapeType_))) return;
    update();
}

void TMultiShape::setFilled(bool on) {
    if (!storeChanged(filled_, on)) return;
    update();
}

void TMultiShape::setBorder(bool on) {
    if (!storeChanged(border_, on)) return;
    update();
}

void TMultiShape::setBorderColor(const QColor& color) {
    if (!storeChanged(borderColor_, color)) return;
    update();
}

void TMultiShape::setBorderWidth(int width) {
    if (!storeChanged(borderWidth_, std::max(0, width))) return;
    update();
}

void TMultiShape::setShadow(bool on) {
    if (!storeChanged(shadow_, on)) return;
    update();
}

void TMultiShape::setShadowColor(const QColor& color) {
    if (!storeChanged(shadowColor_, color)) return;
    update();
}

void TMultiShape::setShadowX(int x) {
    if (!storeChanged(shadowX_, x)) return;
    update();
}

void TMultiShape::setShadowY(int y) {
    if (!storeChanged(shadowY_, y)) return;
    update();
}

void TMultiShape::setRepeatMode(TRepeatMode mode) {
    if (layout_.repeatMode == mode) return;
    // Leaving the fitted mode keeps the shape at the size it had.
    layout_.shape = shapeSize();
    layout_.repeatMode = mode;
    fitToControl_ = mode == TRepeatMode::rpNone;
    update();
}

void TMultiShape::setShapeW(int width) {
    setShapeSize({width, shapeH()});
}

void TMultiShape::setShapeH(int height) {
    setShapeSize({shapeW(), height});
}

void TMultiShape::setShapeSize(QSize size) {
    size = size.expandedTo({0, 0});
    if (fitToControl_) {
        resize(fittedControlSize(size, layout_.margin, shadowOffset()));
        return;
    }
    if (storeChanged(layout_.shape, size)) update();
}

QSize TMultiShape::shapeSize() const {
    return fitToControl_ ? fittedShapeSize(size(), layout_.margin, shadowOffset()) : layout_.shape;
}

std::vector<QRect> TMultiShape::cells() const {
    ShapeLayout layout = layout_;
    layout.shape = shapeSize();
    return shapeCells(layout, size());
}

void TMultiShape::setXSpacing(int spacing) {
    if (!storeChanged(layout_.spacing.rx(), spacing)) return;
    update();
}

void TMultiShape::setYSpacing(int spacing) {
    if (!storeChanged(layout_.spacing.ry(), spacing)) return;
    update();
}

void TMultiShape::setXMargin(int margin) {
    if (!storeChanged(layout_.margin.rx(), margin)) return;
    update();
}

void TMultiShape::setYMargin(int margin) {
    if (!storeChanged(layout_.margin.ry(), margin)) return;
    update();
}

void TMultiShape::setText(const QString& text) {
    if (!storeChanged(text_, text)) return;
    update();
}

void TMultiShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const QRect& cell : cells()) {
        if (shadow_) drawShape(painter, cell.translated(shadowX_, shadowY_), true);
        drawShape(painter, cell, false);
    }
}

void TMultiShape::drawShape(QPainter& painter, const QRect& cell, bool asShadow) const {
    const QColor shapeColor = asShadow ? shadowColor_ : color();
    painter.save();
    if (shapeType_ == TMultiShapeType::msText) {
        painter.setFont(font());
        painter.setPen(shapeColor);
        const QSizeF extent = QFontMetricsF(font()).size(0, text_);
        painter.translate(QPointF(cell.topLeft()) + textStartOffset(extent, angle_));
        painter.rotate(-angle_);
        painter.drawText(QRectF(QPointF(0, 0), extent), Qt::AlignLeft | Qt::AlignTop, text_);
        painter.restore();
        return;
    }

    int penWidth = 0;
    if (shapeType_ == TMultiShapeType::msLine) {
        // A line is drawn with the pen in the shape's colour, as wide as the border.
        penWidth = std::max(1, borderWidth_);
        painter.setPen(QPen(shapeColor, penWidth, Qt::SolidLine, Qt::FlatCap));
    } else {
        const QColor penColor = asShadow ? shadowColor_ : borderColor_;
        // An unfilled shadow still shows the outline.
        const bool outlined = border_ || (asShadow && !filled_);
        penWidth = outlined ? std::max(1, borderWidth_) : 0;
        painter.setPen(outlined
                           ? QPen(penColor, penWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin)
                           : QPen(Qt::NoPen));
        painter.setBrush(filled_ ? QBrush(shapeColor) : QBrush(Qt::NoBrush));
    }
    // The pen stays inside the cell.
    const double inset = penWidth / 2.0;
    const QRectF r = QRectF(cell).adjusted(inset, inset, -inset, -inset);
    switch (shapeType_) {
    case TMultiShapeType::msRectangle:
        painter.drawRect(r);
        break;
    case TMultiShapeType::msRoundRect: {
        const double radius = std::min(r.width(), r.height()) / 4.0;
        painter.drawRoundedRect(r, radius, radius);
        break;
    }
    case TMultiShapeType::msDiamond:
        painter.drawPolygon(diamondPoints(r));
        break;
    case TMultiShapeType::msEllipse:
        painter.drawEllipse(r);
        break;
    case TMultiShapeType::msTriangle:
        painter.drawPolygon(trianglePoints(r, angle_));
        break;
    case TMultiShapeType::msLine:
        painter.drawLine(lineThroughCell(r, angle_));
        break;
    case TMultiShapeType::msText:
        break;
    }
    painter.restore();
}

} // namespace olvide::controls
