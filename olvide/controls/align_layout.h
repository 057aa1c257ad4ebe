#pragma once
// Lays out aligned controls inside their parent's client rectangle: first every top control
// from the top down, then bottom, left, right, and last the client controls, which fill what
// is left. Within one alignment the controls keep their order on the screen.
#include "olvide/controls/control_types.h"

#include <QRect>
#include <span>
#include <vector>

namespace olvide::controls {

struct AlignedItem {
    TAlign align = TAlign::alNone;
    QRect rect;
};

// The new rectangle of every item, in the order given; items with alNone keep theirs.
std::vector<QRect> alignedRects(QRect client, std::span<const AlignedItem> items);

} // namespace olvide::controls
