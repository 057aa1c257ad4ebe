// Editing a graphic with the mouse and the graphic commands, copying into the paste buffer,
// and dropping graphics into other graphics.
#include "pendrel/framework/focus.h"
#include "pendrel/framework/ggraphic.h"
#include "pendrel/framework/gstream_memory.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/paste_buffer.h"
#include "pendrel/framework/properties.h"
#include "pendrel/framework/selection_handles.h"

#include <algorithm>

namespace {
// Tenths of the extent (0..9) at which a point lies.
int Tenths(long offset, long extent) {
    if (extent <= 0) return 0;
    return static_cast<int>(std::clamp(offset * 10 / extent, 0L, 9L));
}
constexpr int kStretchAcross = 8;
constexpr int kStretchDown = 7;
} // namespace

void GGraphic::MouseEvent(int type, long x, long y) {
    GWindow* window = Window();
    const Gpoint point{x, y};
    if (type == gmouse::kPress) {
        // The stretching grip of the focused graphic reaches past its edges: a press on it
        // stretches the graphic whatever lies under it.
        const bool onGrip = ghandles::OnStretchGrip(*this, point);
        // The press came in the window that last received input, maybe not this one's.
        GWindow* input = InputWindow() != nullptr ? InputWindow() : window;
        GGraphic* picked = input != nullptr ? input->PickAt(point) : this;
        if (!onGrip && picked != nullptr && picked != this) {
            SetFocusedObject(picked);
            picked->MouseEvent(type, x, y);
            return;
        }
        CalculatePickArea();
        const int across = Tenths(x - display_.left, display_.right - display_.left);
        const int down = Tenths(y - display_.top, display_.bottom - display_.top);
        const bool inStretchCorner =
            across >= kStretchAcross && down >= kStretchDown && !IsSet(gprop::kSizeLocked);
        editing_ = Editing{true, onGrip || inStretchCorner, point, x_, y_, across, down};
        if (window != nullptr) window->Open();
        Hide();
        DrawOutline();
        if (window != nullptr) window->Close();
        return;
    }
    if (!editing_.active) return;
    if (window != nullptr) window->Open();
    DrawOutline();
    if (type == gmouse::kMove) {
        const GFactors f = OwnerFactors();
        if (editing_.stretching) {
            const long cx =
                (xAnchor_ & 1) ? x - (f.hasDisplay ? f.display.left : 0) : f.ToVirtualX(x);
            const long cy =
                (yAnchor_ & 1) ? y - (f.hasDisplay ? f.display.top : 0) : f.ToVirtualY(y);
            ReDefine(cx, cy);
        } else {
            const long dx = (xAnchor_ & 1) ? x - editing_.press.x
                                           : f.ToVirtualX(x) - f.ToVirtualX(editing_.press.x);
            const long dy = (yAnchor_ & 1) ? y - editing_.press.y
                                           : f.ToVirtualY(y) - f.ToVirtualY(editing_.press.y);
            MoveAbs(editing_.x + dx, editing_.y + dy);
        }
        CalculatePickArea();
        DrawOutline();
    } else if (type == gmouse::kRelease) {
        editing_.active = false;
        Show();
    }
    if (window != nullptr) window->Close();
}

bool GGraphic::Clear() {
    if (IsSet(gprop::kProtected)) return false;
    Hide();
    if (FocusedObject() == this) {
        if (GWindow* window = Window(); window != nullptr && window != this)
            window->SetFocus(window);
        else
            SetFocusedObject(nullptr);
    }
    DeleteObject(this);
    return true;
}

void GGraphic::CopyToPasteBuffer() {
    if (!IsSet(gprop::kCopyable) || IsSet(gprop::kProtected)) return;
    ClearPasteBuffer();
    std::unique_ptr<GGraphic> copy = As<GGraphic>(Clone());
    if (!copy) return;
    GGraphic* clone = copy.get();
    if (OwnerGraphic() != nullptr) {
        CalculatePickArea();
        clone->width_ = display_.Width() - 1;
        clone->height_ = display_.Height() - 1;
        clone->SetProperty(gprop::kWidthPixels);
        clone->SetProperty(gprop::kHeightPixels);
        clone->ResetProperty(gprop::kWidthMargin);
        clone->ResetProperty(gprop::kHeightMargin);
    }
    auto stream = std::make_unique<GStreamMemory>();
    stream->SendObject(clone);
    AddToPasteBuffer(std::move(stream));
}

void GGraphic::MenuEvent(int command) {
    switch (command) {
    case gcmd::kLock:
        SetProperty(gprop::kLocks);
        return;
    case gcmd::kUnlock:
        ResetProperty(gprop::kLocks);
        return;
    case gcmd::kToFront:
    case gcmd::kToBack:
        if (GList* owner = Owner()) {
            const bool wasDrawn = IfDrawnHideAndBatch();
            if (command == gcmd::kToFront)
                owner->MoveToEnd(this);
            else
                owner->MoveToFront(this);
            ShowAndEndBatch(wasDrawn);
        }
        return;
    case gcmd::kClear:
        Clear();
        return;
    case gcmd::kCopy:
        CopyToPasteBuffer();
        return;
    case gcmd::kCut:
        if (!IsSet(gprop::kCopyable) || IsSet(gprop::kProtected)) return;
        CopyToPasteBuffer();
        Clear();
        return;
    case gcmd::kToggleShown:
        if (IsShown()) {
            Hide();
            ResetProperty(gprop::kShown);
            if (FocusedObject() == this) SetFocusedObject(Window());
        } else {
            Show();
        }
        return;
    case gcmd::kWidthUnits:
        ToggleWidthUnits();
        return;
    case gcmd::kHeightUnits:
        ToggleHeightUnits();
        return;
    case gcmd::kGrow:
    case gcmd::kShrink:
        if (IsSet(gprop::kSizeLocked)) return;
        {
            const bool wasDrawn = IfDrawnHideAndBatch();
            const int sign = command == gcmd::kGrow ? 1 : -1;
            width_ += sign * width_ / 10;
            height_ += sign * height_ / 10;
            CalculatePickArea();
            ShowAndEndBatch(wasDrawn);
        }
        return;
    default:
        GEventHandler::MenuEvent(command);
    }
}

void GGraphic::DoSetupMenus(GEventHandler* focus) {
    // The graphic commands act on the focused graphic only; its owners add their own.
    if (focus != this) {
        GEventHandler::DoSetupMenus(focus);
        return;
    }
    const bool locked = IsSet(gprop::kLocks);
    const bool isProtected = IsSet(gprop::kProtected);
    const bool copyable = IsSet(gprop::kCopyable) && !isProtected;
    EventEnable(gcmd::kLock, !locked);
    EventEnable(gcmd::kUnlock, locked);
    EventEnable(gcmd::kToFront, true);
    EventEnable(gcmd::kToBack, true);
    EventEnable(gcmd::kClear, !isProtected);
    EventEnable(gcmd::kCopy, copyable);
    EventEnable(gcmd::kCut, copyable);
    EventEnable(gcmd::kPaste, GetFromPasteBuffer() != nullptr);
    EventEnable(gcmd::kGrow, !IsSet(gprop::kSizeLocked));
    EventEnable(gcmd::kShrink, !IsSet(gprop::kSizeLocked));
    GEventHandler::DoSetupMenus(focus);
}

void GGraphic::ObjectEvent(G0* object) {
    auto* dropped = As<GGraphic>(object);
    if (dropped == nullptr) {
        GEventHandler::ObjectEvent(object);
        return;
    }
    GGraphic* receiver = this;
    if (!dropped->IsSet(gprop::kNoPassDrop))
        while (receiver->IsSet(gprop::kPassDrop) && receiver->OwnerGraphic() != nullptr)
            receiver = receiver->OwnerGraphic();
    receiver->AcceptDrop(dropped);
}

void GGraphic::AcceptDrop(GGraphic* graphic) {
    if (graphic == nullptr || graphic == this || graphic->HoldsDeep(this)) return;
    const GFactors f = Factors();
    if (graphic->IsSet(gprop::kWidthPixels) && !graphic->IsSet(gprop::kWidthMargin)) {
        graphic->width_ = f.WidthToVirtual(graphic->width_);
        graphic->ResetProperty(gprop::kWidthPixels);
    }
    if (graphic->IsSet(gprop::kHeightPixels) && !graphic->IsSet(gprop::kHeightMargin)) {
        graphic->height_ = f.HeightToVirtual(graphic->height_);
        graphic->ResetProperty(gprop::kHeightPixels);
    }
    if (GWindow* window = Window()) {
        const Gpoint mouse = window->GetMousePosition();
        graphic->x_ = f.ToVirtualX(mouse.x);
        graphic->y_ = f.ToVirtualY(mouse.y);
        graphic->xAnchor_ &= ~1;
        graphic->yAnchor_ &= ~1;
    }
    InsertOwned(graphic);
    graphic->Show();
}
