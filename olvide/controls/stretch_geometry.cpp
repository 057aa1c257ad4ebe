#include "olvide/controls/stretch_geometry.h"

#include <algorithm>

namespace olvide::controls {
namespace {

int snapped(int value, int step, bool snap) {
    // A grid of 0 would divide by zero; it means no grid.
    return snap && step > 0 ? value / step * step : value;
}

bool movesLeft(int mode) {
    return mode == 1 || mode == 7 || mode == 8;
}
bool movesRight(int mode) {
    return mode == 3 || mode == 4 || mode == 5;
}
bool movesTop(int mode) {
    return mode == 1 || mode == 2 || mode == 3;
}
bool movesBottom(int mode) {
    return mode == 5 || mode == 6 || mode == 7;
}

} // namespace

int frameMargin(std::size_t controlCount) {
    return controlCount > 1 ? 3 : 5;
}

QRect frameAround(std::span<const QRect> controls) {
    if (controls.empty()) return {};
    QRect all = controls.front();
    for (const QRect& r : controls.subspan(1))
        all = all.united(r);
    const int m = frameMargin(controls.size());
    return all.adjusted(-m, -m, m, m);
}

std::array<QRect, 8> grabSquares(QSize frame) {
    const int right = frame.width() - kGrabSize;
    const int bottom = frame.height() - kGrabSize;
    const int midX = right / 2;
    const int midY = bottom / 2;
    const auto square = [](int x, int y) { return QRect(x, y, kGrabSize, kGrabSize); };
    return {square(0, 0),          square(midX, 0),      square(right, 0),  square(right, midY),
            square(right, bottom), square(midX, bottom), square(0, bottom), square(0, midY)};
}

int grabModeAt(QSize frame, QPoint point) {
    const auto squares = grabSquares(frame);
    for (std::size_t i = 0; i < squares.size(); ++i)
        if (squares[i].contains(point)) return static_cast<int>(i) + 1;
    return 0;
}

std::array<QRect, 4> cornerSquares(const QRect& control) {
    // Centred on the corners; the right and bottom corners lie just past the last pixel.
    const int half = kGrabSize / 2;
    const int left = control.x() - half - 1;
    const int top = control.y() - half - 1;
    const int right = control.x() + control.width() - half;
    const int bottom = control.y() + control.height() - half;
    return {QRect(left, top, kGrabSize, kGrabSize), QRect(right, top, kGrabSize, kGrabSize),
            QRect(right, bottom, kGrabSize, kGrabSize), QRect(left, bottom, kGrabSize, kGrabSize)};
}

QRect draggedFrame(const QRect& start, int mode, QPoint delta, int margin, DragGrid grid) {
    if (mode == kMoveMode)
        return {snapped(start.x() + delta.x(), grid.x, grid.snap),
                snapped(start.y() + delta.y(), grid.y, grid.snap), start.width(), start.height()};

    const int minWidth = kMinControlSize + 2 * margin;
    const int minHeight = kMinControlSize + 2 * margin;
    int left = start.x();
    int top = start.y();
    int right = start.x() + start.width();
    int bottom = start.y() + start.height();
    if (movesLeft(mode))
        left = std::min(snapped(left + delta.x(), grid.x, grid.snap), right - minWidth);
    if (movesRight(mode))
        right = std::max(snapped(right + delta.x(), grid.x, grid.snap), left + minWidth);
    if (movesTop(mode))
        top = std::min(snapped(top + delta.y(), grid.y, grid.snap), bottom - minHeight);
    if (movesBottom(mode))
        bottom = std::max(snapped(bottom + delta.y(), grid.y, grid.snap), top + minHeight);
    return {left, top, right - left, bottom - top};
}

} // namespace olvide::controls
