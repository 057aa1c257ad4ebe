#include "pendrel/framework/gpopupview.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/properties.h"

#include <algorithm>
#include <vector>

namespace {

constexpr long kAnchorMask = 0x70000000;
constexpr long kChoiceHeight = 14;
// How far the pointer stays inside the pop-up's top and bottom edges.
constexpr long kPointerMargin = 6;

// The pointer's two points: from its tail to the head that looks right or left.
std::vector<Gpoint> PointerPoints(bool lookingRight) {
    const long size = GPopupView::kPointerSize;
    if (lookingRight) return {{0, 3}, {size, 3}};
    return {{size, 3}, {0, 3}};
}

bool FitsAcross(const Grect& r, const Grect& area) {
    return r.left >= area.left && r.right <= area.right;
}

// Moves lo..hi back inside from..to over its far end, then over its near end, so that a span
// longer than the room keeps its near end.
void MoveInside(long& lo, long& hi, long from, long to) {
    if (hi > to) {
        lo -= hi - to;
        hi = to;
    }
    if (lo < from) {
        hi += from - lo;
        lo = from;
    }
}

} // namespace

GPopupPlace PlacePopup(const Grect& described, Gpoint asked, bool pointerOnRight,
                       const Grect& area) {
    GPopupPlace place{described, described, pointerOnRight, 0};
    Grect& frame = place.frame;
    if (!area.IsEmpty()) {
        if (!FitsAcross(frame, area)) {
            const Grect mirrored{2 * asked.x - frame.right, frame.top, 2 * asked.x - frame.left,
                                 frame.bottom};
            if (FitsAcross(mirrored, area)) {
                frame = mirrored;
                place.pointerOnRight = !pointerOnRight;
            } else {
                MoveInside(frame.left, frame.right, area.left, area.right);
            }
        }
        MoveInside(frame.top, frame.bottom, area.top, area.bottom);
        place.shown = frame.Intersected(area);
    }
    const Grect& shown = place.shown;
    const long lowest = std::max(kPointerMargin, shown.bottom - shown.top - kPointerMargin);
    place.pointerTop = shown.top + std::clamp(asked.y - shown.top, kPointerMargin, lowest);
    return place;
}

GPopupView::GPopupView(long x, long y, long width, long height)
    : GView(x, (y & kAnchorMask) | ((y & ~kAnchorMask) - 8), width, height),
      askedX_(x & ~kAnchorMask), askedY_(y & ~kAnchorMask),
      rightAnchored_((x & ganchor::kRight) != 0) {
    SetProperty(gprop::kNotStored);
    SetProperty(gprop::kShown);
    Add3DAdorners(0x808080, 0x404040);
    // The pointer looks toward the graphic the pop-up belongs to.
    const long px = rightAnchored_ ? PlainCreationValue(width) - 9 : 1;
    pointer_ = MakeOwned<GArrow>(*this, px, 6, kPointerSize, kPointerSize);
    pointer_->SetPoints(PointerPoints(rightAnchored_));
    pointer_->SetColor(0x000000);
    pointer_->SetProperty(gprop::kShown);
}

Gpoint GPopupView::AskedDisplayPoint() const {
    return AnchoredDisplayPoint(askedX_, askedY_);
}

Grect GPopupView::VisibleArea() const {
    GWindow* window = Window();
    if (window == nullptr) return Grect::Empty();
    Grect area{0, 0, window->Width() - 1, window->Height() - 1};
    for (GList* o = Owner(); o != nullptr && o != window; o = o->Owner())
        if (auto* g = As<GGraphic>(o); g != nullptr && g->ClipsContents())
            area = area.Intersected(g->DisplayRect());
    return area;
}

void GPopupView::CalculatePickArea() {
    GView::CalculatePickArea();
    const Grect described = DisplayRect();
    // The described rectangle's edge at the asked x: the near one, or the far one.
    Gpoint asked = AskedDisplayPoint();
    asked.x = (XAnchor() & ganchor::kFarEdgeFlag) ? described.right : described.left;
    place_ = PlacePopup(described, asked, rightAnchored_, VisibleArea());
    SetDisplayRect(place_.shown);
}

GFactors GPopupView::Factors() const {
    GFactors f = GView::Factors();
    const Grect& frame = place_.frame;
    if (frame.IsEmpty()) return f;
    f.dx0 = frame.left;
    f.dy0 = frame.top;
    f.dw = frame.right - frame.left;
    f.dh = frame.bottom - frame.top;
    return f;
}

void GPopupView::AimPointer() {
    if (pointer_ == nullptr) return;
    const GFactors f = Factors();
    const bool right = place_.pointerOnRight;
    const long x =
        right ? f.ToVirtualX(place_.shown.right) - 9 : f.ToVirtualX(place_.shown.left) + 1;
    const long y = PointerY();
    if (pointer_->Points() != PointerPoints(right)) pointer_->SetPoints(PointerPoints(right));
    if (pointer_->X() == x && pointer_->Y() == y) return;
    const bool locked = pointer_->IsSet(gprop::kPositionLocked);
    pointer_->ResetProperty(gprop::kPositionLocked);
    pointer_->MoveAbs(x, y);
    if (locked) pointer_->SetProperty(gprop::kPositionLocked);
}

long GPopupView::NextY() const {
    long y = 5;
    for (G0* object : Objects())
        if (auto* choice = As<GGraphic>(object); choice != nullptr && choice != pointer_)
            y = std::max(y, choice->Y() + kChoiceHeight);
    return y;
}

GText* GPopupView::AddActionItem(std::string_view text, long* target, long value) {
    auto* item = MakeOwned<gpopupActionText>(*this, 4, NextY(), text, target, value);
    item->SetColor(target != nullptr && *target == value ? 0x000000 : 0x444444);
    return item;
}

void GPopupView::AddAnotherChoice(std::unique_ptr<GGraphic> graphic) {
    if (graphic == nullptr) return;
    const long y = NextY();
    graphic->MoveAbs(10, y);
    graphic->SetProperty(gprop::kShown);
    InsertOwned(std::move(graphic));
}

long GPopupView::PointerY() const {
    return Factors().ToVirtualY(place_.pointerTop);
}

void GPopupView::Display(GDrawingSurface& surface) {
    if (IsShown()) {
        CalculatePickArea();
        AimPointer();
    }
    GView::Display(surface);
}

void GPopupView::Close() {
    Hide();
    DeleteObject(this);
}

void GPopupView::MouseEvent(int type, long x, long y) {
    GGraphic* picked = GWindow::GetPickedObject();
    if (picked != nullptr && picked != this && HoldsDeep(picked)) {
        picked->MouseEvent(type, x, y);
        return;
    }
    if (picked == this || type == gmouse::kMove) return;
    if (picked != nullptr) SetFocusedObject(picked);
    Close();
}

void GPopupView::KeyEvent(int key) {
    GGraphic* picked = GWindow::GetPickedObject();
    if (picked != nullptr && picked != this && HoldsDeep(picked)) {
        picked->KeyEvent(key);
        return;
    }
    GView::KeyEvent(key);
}

void ClosePopupsIn(GList& owner) {
    for (G0* object : owner.Objects())
        if (auto* popup = As<GPopupView>(object)) popup->Close();
}

gpopupActionText::gpopupActionText(long x, long y, std::string_view text, long* target, long value)
    : GText(x, y, 90, 12, text), target_(target), value_(value) {
    SetProperty(gprop::kShown);
}

void gpopupActionText::MouseEvent(int type, long x, long y) {
    if (type != gmouse::kPress) {
        GText::MouseEvent(type, x, y);
        return;
    }
    if (target_ != nullptr) *target_ = value_;
    if (auto* popup = As<GPopupView>(Owner())) popup->Close();
}
