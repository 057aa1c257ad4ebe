#include "olvide/views/flow_painting.h"

#include "olvide/views/layout/flow_layout.h"
#include "olvide/views/view_pictures.h"

#include <QPainter>

namespace olvide::views {

namespace {

QRect toQRect(const FlowRect& r) {
    return {r.left, r.top, r.width, r.height};
}

} // namespace

void paintFlow(QPainter& painter, const FlowLayout& layout, const QRect& area) {
    const QImage& selection = viewPicture("select.bmp");
    for (int c = 0; c < layout.columnCount(); ++c) {
        for (const FlowBranch* branch : layout.column(c)) {
            const FlowRect line = branch->line();
            const QRect panel = toQRect(branch->panel());
            if (!panel.intersects(area) && !(line.width > 0 && toQRect(line).intersects(area)))
                continue;
            if (line.width > 0 && branch->column != 0) painter.fillRect(toQRect(line), Qt::black);
            for (int i = 0; i < static_cast<int>(branch->leaves.size()); ++i) {
                const QRect figure = toQRect(branch->figure(i));
                if (!figure.adjusted(0, -kFlowRowHeight, 0, 0).intersects(area)) continue;
                if (i > 0) painter.fillRect(toQRect(branch->connector(i)), Qt::black);
                const FlowLeaf& leaf = branch->leaves[static_cast<std::size_t>(i)];
                const QImage& picture = leaf.selected ? selection : viewPicture(leaf.figure);
                if (!picture.isNull()) painter.drawImage(figure.topLeft(), picture);
            }
        }
    }
}

} // namespace olvide::views
