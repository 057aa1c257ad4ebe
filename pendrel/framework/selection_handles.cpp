#include "pendrel/framework/selection_handles.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gobjectview.h"
#include "pendrel/framework/gsurface.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/properties.h"

namespace ghandles {
namespace {
constexpr long kHalf = kSize / 2;

Grect Around(long x, long y) {
    return {x - kHalf, y - kHalf, x + kHalf, y + kHalf};
}

// Draws again what lies under the graphic's handles, with or without them.
void Refresh(GEventHandler* handler) {
    auto* graphic = As<GGraphic>(static_cast<G0*>(handler));
    if (graphic == nullptr || !graphic->IsDrawn() || !TakesHandles(*graphic)) return;
    GWindow* window = graphic->Window();
    if (window == nullptr || window == graphic) return;
    window->RedrawArea(AreaWithHandles(graphic->DisplayRect()));
}
} // namespace

std::array<Grect, 4> HandleRects(const Grect& display) {
    return {Around(display.left, display.top), Around(display.right, display.top),
            Around(display.left, display.bottom), Around(display.right, display.bottom)};
}

Grect AreaWithHandles(const Grect& display) {
    if (display.IsEmpty()) return display;
    return {display.left - kHalf, display.top - kHalf, display.right + kHalf,
            display.bottom + kHalf};
}

bool TakesHandles(const GGraphic& graphic) {
    if (graphic.IsDisplay() || graphic.IsTool() || graphic.IsFrom(gid::kObjectView)) return false;
    if (graphic.IsSet(gprop::kFillOwner)) return false;
    // The graphics of the view itself: a part of one (a box's name, a tie) is edited with it.
    return As<GObjectView>(static_cast<G0*>(graphic.Owner())) != nullptr;
}

bool ShowsHandles(const GGraphic& graphic) {
    return FocusedObject() == &graphic && graphic.IsDrawn() && TakesHandles(graphic);
}

bool OnStretchGrip(const GGraphic& graphic, Gpoint point) {
    return ShowsHandles(graphic) && !graphic.IsSet(gprop::kSizeLocked) &&
           HandleRects(graphic.DisplayRect())[kBottomRight].Contains(point);
}

void DrawHandles(GDrawingSurface& surface, const GGraphic& graphic) {
    const auto handles = HandleRects(graphic.DisplayRect());
    const bool stretchable = !graphic.IsSet(gprop::kSizeLocked);
    for (int corner = kTopLeft; corner <= kBottomRight; ++corner) {
        const Grect& r = handles[static_cast<std::size_t>(corner)];
        const bool filled = corner == kBottomRight && stretchable;
        surface.SetDrawingColor(filled ? 0x000000 : GDrawingSurface::kWhite);
        surface.DrawRectangle(r.left, r.top, r.right, r.bottom);
        surface.SetDrawingColor(0x000000);
        surface.DrawFrame(r);
    }
}

void FocusMoved(GEventHandler* from, GEventHandler* to) {
    Refresh(from);
    Refresh(to);
}
} // namespace ghandles
