#include "pendrel/framework/gscrollview.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <algorithm>

namespace {

constexpr long kFrameLight = 0x000000;
constexpr long kFrameDark = 0xFFFFFF;
constexpr long kBarLight = 0x444444;
constexpr long kBarDark = 0xBBBBBB;
constexpr long kBarColor = 0xDDDDDD;
constexpr long kArrowFace = 0xCCCCCC;
constexpr long kArrowInk = 0x222222;
// Bars reach this far short of the far edge when the other bar is there, else 1 pixel.
constexpr long kBarGap = 5;
constexpr long kMinSideForBar = 30;

// Places a graphic by pixels from its owner's display origin, whatever its lock.
void PlacePixels(GGraphic* graphic, long x, long y) {
    if (graphic != nullptr) graphic->Place(x, y);
}

} // namespace

// ---- GScrollView ----

long GScrollView::BarThickness(long width, long height) {
    return std::clamp(std::min(width, height) / 8, 9L, 12L);
}

GScrollView::GScrollView(long x, long y, long width, long height, bool vertical, bool horizontal)
    : GView(x, y, width, height), vertical_(vertical), horizontal_(horizontal) {
    ResetProperty(0x20005);
    SetProperty(0x20200);
    InitializeOwnedObjects();
}

GView* GScrollView::Frame() const {
    return As<GView>(parts_.At(1));
}
GObjectView* GScrollView::Contents() const {
    GView* frame = Frame();
    return frame != nullptr ? As<GObjectView>(frame->First()) : nullptr;
}
gscrollviewScrollBar* GScrollView::VerticalBar() const {
    for (G0* object : parts_.Objects())
        if (auto* bar = dynamic_cast<gscrollviewScrollBar*>(object); bar && bar->IsVertical())
            return bar;
    return nullptr;
}
gscrollviewScrollBar* GScrollView::HorizontalBar() const {
    for (G0* object : parts_.Objects())
        if (auto* bar = dynamic_cast<gscrollviewScrollBar*>(object); bar && !bar->IsVertical())
            return bar;
    return nullptr;
}

void GScrollView::InitializeOwnedObjects() {
    if (parts_.Length() > 0) return;
    const long w = PlainCreationValue(Width());
    const long h = PlainCreationValue(Height());
    const long t = BarThickness(w, h);
    const bool hasVertical = vertical_ && w > kMinSideForBar;
    const bool hasHorizontal = horizontal_ && h > kMinSideForBar;
    const long rightMargin = hasVertical ? t + kBarGap : 1;
    const long bottomMargin = hasHorizontal ? t + kBarGap : 1;
    auto* frame = MakeOwned<gscrollviewFrame>(*this, 0 | ganchor::kPixels, 0 | ganchor::kPixels,
                                              rightMargin | gsize::kMargin | gsize::kPixels,
                                              bottomMargin | gsize::kMargin | gsize::kPixels);
    frame->SetColor(0xFFFFFF);
    frame->Add3DAdorners(kFrameLight, kFrameDark);
    frame->SetProperty(gprop::kShown);
    parts_.Insert(frame);
    if (hasVertical) {
        auto* bar = MakeOwned<gscrollviewScrollBar>(
            *this, (w - 2) | ganchor::kRight | ganchor::kPixels, 2 | ganchor::kPixels,
            t | gsize::kPixels, (hasHorizontal ? t + kBarGap : 1) | gsize::kMargin | gsize::kPixels,
            t, true);
        parts_.Insert(bar);
    }
    if (hasHorizontal) {
        auto* bar = MakeOwned<gscrollviewScrollBar>(
            *this, 2 | ganchor::kPixels, (h - 2) | ganchor::kRight | ganchor::kPixels,
            (hasVertical ? t + kBarGap : 1) | gsize::kMargin | gsize::kPixels, t | gsize::kPixels,
            t, false);
        parts_.Insert(bar);
    }
    MakeContents();
}

void GScrollView::CalculatePickArea() {
    GView::CalculatePickArea();
    // The bars keep to the far edges when the view changes its size.
    const Grect& r = DisplayRect();
    if (auto* bar = VerticalBar()) PlacePixels(bar, r.right - r.left - 2, 2);
    if (auto* bar = HorizontalBar()) PlacePixels(bar, 2, r.bottom - r.top - 2);
}

GObjectView* GScrollView::MakeContents() {
    GView* frame = Frame();
    if (frame == nullptr) return nullptr;
    const long w = std::max(PlainCreationValue(Width()) - (frame->Width()), 1L);
    const long h = std::max(PlainCreationValue(Height()) - (frame->Height()), 1L);
    auto* contents = MakeOwned<GObjectView>(*frame, 0 | ganchor::kPixels, 0 | ganchor::kPixels,
                                            w | gsize::kPixels, h | gsize::kPixels);
    contents->SetColor(0xFFFFFF);
    contents->SetProperty(gprop::kShown);
    return contents;
}

void GScrollView::Insert(GGraphic* graphic) {
    GObjectView* contents = Contents();
    if (graphic == nullptr || contents == nullptr) return;
    long next = 0;
    for (G0* object : contents->OwnedObjects())
        if (auto* g = As<GGraphic>(object)) next = std::max(next, g->Y() + g->Height());
    graphic->Place(graphic->X(), next);
    contents->InsertOwned(graphic);
    graphic->SetProperty(gprop::kShown);
    contents->FitToContents();
}

void GScrollView::ClearContents() {
    const bool wasDrawn = IfDrawnHideAndBatch();
    if (GObjectView* old = Contents()) DeleteObject(old);
    MakeContents();
    ShowAndEndBatch(wasDrawn);
}

void GScrollView::SetContents(GObjectView* view) {
    GView* frame = Frame();
    if (frame == nullptr || view == nullptr || view == Contents()) return;
    const bool wasDrawn = IfDrawnHideAndBatch();
    if (GObjectView* old = Contents()) DeleteObject(old);
    frame->InsertOwned(view);
    frame->MoveToFront(view);
    view->SetAnchors(1, 1);
    view->Place(0, 0);
    view->SetProperty(gprop::kShown);
    ShowAndEndBatch(wasDrawn);
}

Gpoint GScrollView::ContentsPosition() const {
    const GObjectView* contents = Contents();
    return contents != nullptr ? Gpoint{contents->X(), contents->Y()} : Gpoint{};
}

void GScrollView::Scroll(int direction) {
    GView* frame = Frame();
    GObjectView* contents = Contents();
    if (frame == nullptr || contents == nullptr) return;
    CalculatePickArea();
    frame->CalculatePickArea();
    contents->CalculatePickArea();
    const Grect& f = frame->DisplayRect();
    const Grect& c = contents->DisplayRect();
    long cx = contents->X();
    long cy = contents->Y();
    switch (direction) {
    case kLeft: {
        const long F = f.right - f.left;
        cx = std::max(cx - F + 1, F - (c.right - c.left));
        break;
    }
    case kRight:
        cx = std::min(cx + (f.right - f.left) + 1, 0L);
        break;
    case kUp:
        cy = std::min(cy + (f.bottom - f.top) - 7, 0L);
        break;
    case kDown: {
        const long F = f.bottom - f.top;
        cy = std::max(cy - F + 9, F - (c.bottom - c.top));
        break;
    }
    default:
        return;
    }
    const bool wasDrawn = frame->IfDrawnHideAndBatch();
    contents->Place(cx, cy);
    contents->CalculatePickArea();
    frame->ShowAndEndBatch(wasDrawn);
}

// ---- gscrollviewFrame ----

void gscrollviewFrame::Display(GDrawingSurface& surface) {
    CalculatePickArea();
    const auto saved = surface.Clipping();
    surface.MoreClipping(DisplayRect());
    GView::Display(surface);
    if (saved)
        surface.SetClipping(*saved);
    else
        surface.NoClipping();
}

GGraphic* gscrollviewFrame::PickAt(Gpoint point) {
    return ContainsPoint(point) ? GView::PickAt(point) : nullptr;
}

// ---- gscrollviewScrollBar ----

gscrollviewScrollBar::gscrollviewScrollBar(long x, long y, long width, long height, long thickness,
                                           bool vertical)
    : GView(x, y, width, height), vertical_(vertical), thickness_(thickness) {
    SetColor(kBarColor);
    Add3DAdorners(kBarLight, kBarDark);
    SetProperty(gprop::kShown);
    const long size = thickness - 2;
    const int first = vertical ? GScrollView::kUp : GScrollView::kLeft;
    const int second = vertical ? GScrollView::kDown : GScrollView::kRight;
    for (int direction : {first, second})
        arrows_.Insert(MakeOwned<gscrollviewScrollArrow>(*this, 1, 1, size, direction));
}

GGraphic* gscrollviewScrollBar::Arrow(int end) const {
    return As<GGraphic>(arrows_.At(end));
}

void gscrollviewScrollBar::CalculatePickArea() {
    GView::CalculatePickArea();
    const Grect& r = DisplayRect();
    const long size = thickness_ - 2;
    PlacePixels(Arrow(1), 1, 1);
    if (vertical_)
        PlacePixels(Arrow(2), 1, std::max(1L, r.bottom - r.top - 1 - size));
    else
        PlacePixels(Arrow(2), std::max(1L, r.right - r.left - 1 - size), 1);
}

// ---- gscrollviewScrollArrow ----

gscrollviewScrollArrow::gscrollviewScrollArrow(long x, long y, long size, int direction)
    : GView(x | ganchor::kPixels, y | ganchor::kPixels, size | gsize::kPixels,
            size | gsize::kPixels),
      direction_(direction) {
    SetVirtualCoordinates(0, 0, size, size);
    SetColor(kArrowFace);
    SetProperty(gprop::kShown);
    const long inset = size >= 8 ? 1 : 0;
    const long far = size - inset;
    const long mid = size / 2;
    auto* arrow = MakeOwned<GArrow>(*this, 0, 0, size, size);
    arrow->SetColor(kArrowInk);
    arrow->SetHead(std::max(2L, size / 2), 0);
    switch (direction) {
    case GScrollView::kLeft:
        arrow->AddPoint(far, mid);
        arrow->AddPoint(inset, mid);
        break;
    case GScrollView::kRight:
        arrow->AddPoint(inset, mid);
        arrow->AddPoint(far, mid);
        break;
    case GScrollView::kUp:
        arrow->AddPoint(mid, far);
        arrow->AddPoint(mid, inset);
        break;
    default:
        arrow->AddPoint(mid, inset);
        arrow->AddPoint(mid, far);
    }
    arrow->SetProperty(gprop::kShown);
}

GScrollView* gscrollviewScrollArrow::ScrollView() const {
    return FindOwnershipFrom<GScrollView>();
}

GGraphic* gscrollviewScrollArrow::PickAt(Gpoint point) {
    return IsShown() && ContainsPoint(point) ? this : nullptr;
}

void gscrollviewScrollArrow::MouseEvent(int type, long x, long y) {
    if (type == gmouse::kRelease) {
        if (GScrollView* view = ScrollView()) view->Scroll(direction_);
        return;
    }
    if (type != gmouse::kPress) return;
    GWindow* input = InputWindow() != nullptr ? InputWindow() : Window();
    GGraphic* picked = input != nullptr ? input->PickAt({x, y}) : this;
    if (picked != nullptr && picked != this) {
        SetFocusedObject(picked);
        picked->MouseEvent(type, x, y);
    }
}
