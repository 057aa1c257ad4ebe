#pragma once
// The geometry of the stretch handle, free of any window: the frame around the attached
// controls, its grab squares, and the frame a drag gives.
#include <QPoint>
#include <QRect>
#include <array>
#include <cstddef>
#include <span>

namespace olvide::controls {

inline constexpr int kGrabSize = 5;
// Sizing never makes a control narrower or lower than this.
inline constexpr int kMinControlSize = 5;

// How far the frame reaches beyond the controls: 5 around one control, 3 around several.
int frameMargin(std::size_t controlCount);
QRect frameAround(std::span<const QRect> controls);

// Drag modes: 0 moves; 1 to 8 size by a grab square, clockwise from the top-left corner:
// 1 top-left, 2 top, 3 top-right, 4 right, 5 bottom-right, 6 bottom, 7 bottom-left, 8 left.
inline constexpr int kMoveMode = 0;

// The eight squares of a frame of this size, in handle coordinates; square i is mode i + 1.
std::array<QRect, 8> grabSquares(QSize frame);
// The mode of the square under point, or 0.
int grabModeAt(QSize frame, QPoint point);
// The four squares on the corners of one of several controls (same coordinates as control).
std::array<QRect, 4> cornerSquares(const QRect& control);

struct DragGrid {
    int x = 8;
    int y = 8;
    bool snap = false;
};

// The frame after the mouse moved by delta from where a drag in this mode started. With
// snapping every coordinate that moves is rounded down to the grid (toward zero, as integer
// division does); sizing stops where the framed control would fall below kMinControlSize.
QRect draggedFrame(const QRect& start, int mode, QPoint delta, int margin, DragGrid grid);

} // namespace olvide::controls
