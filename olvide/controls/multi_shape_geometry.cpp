#include "olvide/controls/multi_shape_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace olvide::controls {
namespace {

int intoHalfTurn(int angle) {
    angle %= 360;
    if (angle > 180) angle -= 360;
    if (angle <= -180) angle += 360;
    return angle;
}

} // namespace

int normalizedAngle(int angle, TMultiShapeType type) {
    angle = intoHalfTurn(angle);
    if (type == TMultiShapeType::msTriangle || type == TMultiShapeType::msLine)
        angle = intoHalfTurn(static_cast<int>(std::lround(angle / 45.0)) * 45);
    return angle;
}

RepeatGrid repeatGrid(TRepeatMode mode, QSize control, int xSpacing, int ySpacing) {
    RepeatGrid grid;
    const bool across = mode == TRepeatMode::rpHoriz || mode == TRepeatMode::rpBoth;
    const bool down = mode == TRepeatMode::rpVert || mode == TRepeatMode::rpBoth;
    if (across && xSpacing > 0)
        grid.columns = std::min(kMaxRepeat, std::max(0, control.width()) / xSpacing + 1);
    if (down && ySpacing > 0)
        grid.rows = std::min({kMaxRepeat, kMaxRepeatedShapes / grid.columns,
                              std::max(0, control.height()) / ySpacing + 1});
    return grid;
}

std::vector<QRect> shapeCells(const ShapeLayout& layout, QSize control) {
    const RepeatGrid grid =
        repeatGrid(layout.repeatMode, control, layout.spacing.x(), layout.spacing.y());
    std::vector<QRect> cells;
    cells.reserve(static_cast<std::size_t>(grid.columns) * grid.rows);
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column)
            cells.emplace_back(layout.margin.x() + column * layout.spacing.x(),
                               layout.margin.y() + row * layout.spacing.y(), layout.shape.width(),
                               layout.shape.height());
    return cells;
}

QSize fittedShapeSize(QSize control, QPoint margin, QPoint shadowOffset) {
    return {std::max(0, control.width() - 2 * margin.x() - std::abs(shadowOffset.x())),
            std::max(0, control.height() - 2 * margin.y() - std::abs(shadowOffset.y()))};
}

QSize fittedControlSize(QSize shape, QPoint margin, QPoint shadowOffset) {
    return {shape.width() + 2 * margin.x() + std::abs(shadowOffset.x()),
            shape.height() + 2 * margin.y() + std::abs(shadowOffset.y())};
}

QPolygonF trianglePoints(const QRectF& cell, int angle) {
    const double l = cell.left(), r = cell.right(), t = cell.top(), b = cell.bottom();
    const double mx = cell.center().x(), my = cell.center().y();
    switch (((angle % 360) + 360) % 360) {
    case 45:
        return QPolygonF({{r, t}, {l, t}, {r, b}});
    case 90:
        return QPolygonF({{mx, t}, {r, b}, {l, b}});
    case 135:
        return QPolygonF({{l, t}, {l, b}, {r, t}});
    case 180:
        return QPolygonF({{l, my}, {r, t}, {r, b}});
    case 225:
        return QPolygonF({{l, b}, {l, t}, {r, b}});
    case 270:
        return QPolygonF({{mx, b}, {l, t}, {r, t}});
    case 315:
        return QPolygonF({{r, b}, {r, t}, {l, b}});
    default:
        return QPolygonF({{r, my}, {l, b}, {l, t}});
    }
}

QLineF lineThroughCell(const QRectF& cell, int angle) {
    switch (((angle % 180) + 180) % 180) {
    case 45:
        return {cell.bottomLeft(), cell.topRight()};
    case 90:
        return {cell.center().x(), cell.top(), cell.center().x(), cell.bottom()};
    case 135:
        return {cell.topLeft(), cell.bottomRight()};
    default:
        return {cell.left(), cell.center().y(), cell.right(), cell.center().y()};
    }
}

QPolygonF diamondPoints(const QRectF& cell) {
    const QPointF c = cell.center();
    return QPolygonF(
        {{c.x(), cell.top()}, {cell.right(), c.y()}, {c.x(), cell.bottom()}, {cell.left(), c.y()}});
}

QPointF textStartOffset(QSizeF extent, int angle) {
    // Screen y grows downwards, so a counter-clockwise turn by a maps (x, y) to
    // (x cos a + y sin a, -x sin a + y cos a).
    const double radians = angle * std::numbers::pi / 180.0;
    const double c = std::cos(radians), s = std::sin(radians);
    double minX = 0, minY = 0;
    for (const QPointF corner : {QPointF(extent.width(), 0), QPointF(0, extent.height()),
                                 QPointF(extent.width(), extent.height())}) {
        minX = std::min(minX, corner.x() * c + corner.y() * s);
        minY = std::min(minY, -corner.x() * s + corner.y() * c);
    }
    return {-minX, -minY};
}

} // namespace olvide::controls
