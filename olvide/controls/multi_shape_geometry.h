#pragma once
// The geometry of a multi-shape, free of any window: angles, how many shapes a repeat mode
// draws and where, the shape size that fits the control, and the outline of every type.
#include "olvide/controls/control_types.h"

#include <QLineF>
#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <QSize>
#include <vector>

namespace olvide::controls {

// The angle reduced into -180 < angle <= 180; lines and triangles then turn in steps of 45.
int normalizedAngle(int angle, TMultiShapeType type);

struct RepeatGrid {
    int columns = 1;
    int rows = 1;
};

// Never more shapes than these in one direction and in all: a tiny spacing on a large control
// (a damaged drawing file, say) must not stall the painting. Rows beyond the total are left
// out.
inline constexpr int kMaxRepeat = 512;
inline constexpr int kMaxRepeatedShapes = 16384;

// Repeating across: one shape per XSpacing of the width and one more; down the same with
// YSpacing. A spacing of 0 or less repeats nothing in its direction.
RepeatGrid repeatGrid(TRepeatMode mode, QSize control, int xSpacing, int ySpacing);

struct ShapeLayout {
    TRepeatMode repeatMode = TRepeatMode::rpBoth;
    QSize shape{10, 10};
    QPoint spacing{20, 20};
    QPoint margin{0, 0};
};

// The cells every shape is drawn in, row by row.
std::vector<QRect> shapeCells(const ShapeLayout& layout, QSize control);

// The shape size that fills the control inside its margins, leaving room for the shadow
// offset (pass a zero offset when there is no shadow). Never negative.
QSize fittedShapeSize(QSize control, QPoint margin, QPoint shadowOffset);
// The control size that holds one shape with its margins and shadow.
QSize fittedControlSize(QSize shape, QPoint margin, QPoint shadowOffset);

// A triangle in the cell whose apex points along angle (degrees counter-clockwise from the
// right, a multiple of 45): straight angles give an isosceles triangle on the far side, the
// diagonals the half of the cell whose right angle sits in that corner.
QPolygonF trianglePoints(const QRectF& cell, int angle);

// The line of a cell: horizontal or vertical through the middle, or along a diagonal.
QLineF lineThroughCell(const QRectF& cell, int angle);

// The diamond: the four edge midpoints of the cell.
QPolygonF diamondPoints(const QRectF& cell);

// Where a text of this extent starts, relative to the top-left of its cell, when it is
// turned by angle (counter-clockwise) about its start, so that the turned text lies in the
// cell's corner without crossing the cell's top or left edge.
QPointF textStartOffset(QSizeF extent, int angle);

} // namespace olvide::controls
