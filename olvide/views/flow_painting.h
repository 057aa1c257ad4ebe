#pragma once
// Paints a flow chart: every figure from its picture file (white shows the canvas through),
// the selected one with "select.bmp", the connectors between the figures of a branch and the
// lines from parent branches, all black on the canvas.
#include <QRect>

class QPainter;

namespace olvide::views {

class FlowLayout;

// Paints the parts of the chart that meet `area` (window pixels).
void paintFlow(QPainter& painter, const FlowLayout& layout, const QRect& area);

} // namespace olvide::views
