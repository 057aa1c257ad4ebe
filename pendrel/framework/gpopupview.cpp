#include "pendrel/framework/gpopupview.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/properties.h"

#include <algorithm>

namespace {

constexpr long kAnchorMask = 0x70000000;
constexpr long kChoiceHeight = 14;

} // namespace

GPopupView::GPopupView(long x, long y, long width, long height)
    : GView(x, (y & kAnchorMask) | ((y & ~kAnchorMask) - 8), width, height),
      askedX_(x & ~kAnchorMask), askedY_(y & ~kAnchorMask) {
    SetProperty(gprop::kNotStored);
    SetProperty(gprop::kShown);
    Add3DAdorners(0x808080, 0x404040);
    // The pointer looks toward the graphic the pop-up belongs to.
    const bool rightAnchored = (x & ganchor::kRight) != 0;
    const long px = rightAnchored ? width - 9 : 1;
    pointer_ = MakeOwned<GArrow>(*this, px, 6, kPointerSize, kPointerSize);
    if (rightAnchored) {
        pointer_->AddPoint(0, 3);
        pointer_->AddPoint(kPointerSize, 3);
    } else {
        pointer_->AddPoint(kPointerSize, 3);
        pointer_->AddPoint(0, 3);
    }
    pointer_->SetColor(0x000000);
    pointer_->SetProperty(gprop::kShown);
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
    const long relative = askedY_ - Y();
    return std::clamp(relative, 6L, std::max(6L, Height() - 6));
}

void GPopupView::Display(GDrawingSurface& surface) {
    if (pointer_ != nullptr && pointer_->Y() != PointerY()) {
        const bool locked = pointer_->IsSet(gprop::kPositionLocked);
        pointer_->ResetProperty(gprop::kPositionLocked);
        pointer_->MoveAbs(pointer_->X(), PointerY());
        if (locked) pointer_->SetProperty(gprop::kPositionLocked);
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
