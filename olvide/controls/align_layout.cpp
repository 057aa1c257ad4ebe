#include "olvide/controls/align_layout.h"

#include <algorithm>

namespace olvide::controls {
namespace {

// Where a control stands along the direction its alignment stacks it.
int stackingKey(TAlign align, const QRect& r) {
    switch (align) {
    case TAlign::alTop:
        return r.top();
    case TAlign::alBottom:
        return -(r.y() + r.height());
    case TAlign::alLeft:
        return r.left();
    case TAlign::alRight:
        return -(r.x() + r.width());
    default:
        return 0;
    }
}

} // namespace

std::vector<QRect> alignedRects(QRect client, std::span<const AlignedItem> items) {
    std::vector<QRect> result;
    result.reserve(items.size());
    for (const AlignedItem& item : items)
        result.push_back(item.rect);

    int left = client.x();
    int top = client.y();
    int right = client.x() + client.width();
    int bottom = client.y() + client.height();
    for (TAlign align :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        std::vector<std::size_t> order;
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].align == align) order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return stackingKey(align, items[a].rect) < stackingKey(align, items[b].rect);
        });
        for (std::size_t i : order) {
            const QRect& r = items[i].rect;
            const int width = std::max(0, right - left);
            const int height = std::max(0, bottom - top);
            switch (align) {
            case TAlign::alTop:
                result[i] = QRect(left, top, width, r.height());
                top += r.height();
                break;
            case TAlign::alBottom:
                result[i] = QRect(left, bottom - r.height(), width, r.height());
                bottom -= r.height();
                break;
            case TAlign::alLeft:
                result[i] = QRect(left, top, r.width(), height);
                left += r.width();
                break;
            case TAlign::alRight:
                result[i] = QRect(right - r.width(), top, r.width(), height);
                right -= r.width();
                break;
            default:
                result[i] = QRect(left, top, width, height);
                break;
            }
        }
    }
    return result;
}

} // namespace olvide::controls
