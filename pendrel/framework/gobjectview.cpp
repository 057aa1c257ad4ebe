#include "pendrel/framework/gobjectview.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <algorithm>

namespace {
constexpr long kBandStart = 5;

Grect Spanning(Gpoint a, Gpoint b) {
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}
} // namespace

GObjectView::~GObjectView() {
    selection_.RemoveAll();
}

void GObjectView::Highlight(GGraphic* graphic) {
    if (graphic->IsDrawn()) graphic->DrawOutline();
}

void GObjectView::Display(GDrawingSurface& surface) {
    GView::Display(surface);
    if (!IsDrawn()) return;
    // A highlight is traced: where the view was drawn again, it must be traced again, or
    // taking it off later would trace it back on.
    for (G0* object : selection_.Objects())
        Highlight(static_cast<GGraphic*>(object));
}

void GObjectView::Select(GGraphic* graphic) {
    if (graphic == nullptr || selection_.Holds(graphic) || !Holds(graphic)) return;
    selection_.Insert(graphic);
    Highlight(graphic);
}

void GObjectView::Deselect(GGraphic* graphic) {
    if (!selection_.Holds(graphic)) return;
    Highlight(graphic);
    selection_.Remove(graphic);
}

void GObjectView::ClearSelection() {
    for (G0* object : selection_.Objects())
        Deselect(static_cast<GGraphic*>(object));
}

void GObjectView::DrawBand() {
    GWindow* window = Window();
    if (window == nullptr || band_.IsEmpty()) return;
    const int mode = window->DrawingMode();
    window->SetDrawingMode(GDrawingSurface::kTracingMode);
    window->DrawFrame(band_);
    window->SetDrawingMode(mode);
}

void GObjectView::MouseEvent(int type, long x, long y) {
    const Gpoint point{x, y};
    GWindow* window = Window();
    if (type == gmouse::kPress) {
        GWindow* input = InputWindow() != nullptr ? InputWindow() : window;
        GGraphic* picked = input != nullptr ? input->PickAt(point) : this;
        if (picked != this) {
            // A graphic inside the view, or anything else, takes the focus and the press.
            GView::MouseEvent(type, x, y);
            return;
        }
        if (window != nullptr) window->Open();
        ClearSelection();
        bandStart_ = point;
        band_ = {x, y, x + kBandStart - 1, y + kBandStart - 1};
        DrawBand();
        if (window != nullptr) window->Close();
        return;
    }
    if (band_.IsEmpty()) return;
    if (window != nullptr) window->Open();
    DrawBand();
    if (type == gmouse::kMove) {
        band_ = Spanning(bandStart_, point);
        for (G0* object : OwnedObjects()) {
            auto* graphic = As<GGraphic>(object);
            if (graphic == nullptr || !graphic->IsShown()) continue;
            const bool inside = band_.Contains(graphic->DisplayRect());
            if (inside)
                Select(graphic);
            else
                Deselect(graphic);
        }
        DrawBand();
    } else if (type == gmouse::kRelease) {
        band_ = Grect::Empty();
    }
    if (window != nullptr) window->Close();
}

void GObjectView::ClearSelected() {
    const auto selected = selection_.Objects();
    ClearSelection();
    for (G0* object : selected)
        static_cast<GGraphic*>(object)->Clear();
}

void GObjectView::CopySelection() {
    if (selection_.Length() == 0) return;
    const auto selected = selection_.Objects();
    ClearSelection();
    GGroup* group = GGroup::Gather(*this, selected);
    if (group == nullptr) return;
    group->SetProperty(gprop::kCopyable);
    group->CopyToPasteBuffer();
    group->Ungroup();
    for (G0* object : selected)
        Select(static_cast<GGraphic*>(object));
}

GGroup* GObjectView::GroupSelection() {
    const auto selected = selection_.Objects();
    if (selected.empty()) return nullptr;
    ClearSelection();
    for (G0* object : selected)
        static_cast<GGraphic*>(object)->Hide();
    GGroup* group = GGroup::Gather(*this, selected);
    if (group == nullptr) return nullptr;
    group->Show();
    SetFocusedObject(group);
    return group;
}

void GObjectView::MenuEvent(int command) {
    switch (command) {
    case gcmd::kClear:
        if (selection_.Length() == 0) break;
        ClearSelected();
        return;
    case gcmd::kCopy:
        if (selection_.Length() == 0) break;
        CopySelection();
        return;
    case gcmd::kCut:
        if (selection_.Length() == 0) break;
        CopySelection();
        ClearSelected();
        return;
    case gcmd::kGroup:
        GroupSelection();
        return;
    default:
        break;
    }
    GView::MenuEvent(command);
}

void GObjectView::DoSetupMenus(GEventHandler* focus) {
    const bool any = selection_.Length() > 0;
    GView::DoSetupMenus(focus);
    if (focus != this) return;
    for (int command : {gcmd::kGroup, gcmd::kLock, gcmd::kUnlock, gcmd::kCut, gcmd::kCopy})
        EventEnable(command, any);
    EventEnable(gcmd::kToFront, false);
    EventEnable(gcmd::kUngroup, false);
}

void GObjectView::AcceptDrop(GGraphic* graphic) {
    GView::AcceptDrop(graphic);
    FitToContents();
}

Gpoint GObjectView::ContentsCorner() {
    CalculatePickArea();
    const GFactors f = Factors();
    Gpoint corner{VirtualLeft() + 1, VirtualTop() + 1};
    for (G0* object : OwnedObjects()) {
        auto* graphic = As<GGraphic>(object);
        if (graphic == nullptr) continue;
        graphic->CalculatePickArea();
        corner.x = std::max(corner.x, f.ToVirtualX(graphic->DisplayRect().right));
        corner.y = std::max(corner.y, f.ToVirtualY(graphic->DisplayRect().bottom));
    }
    return corner;
}

void GObjectView::FitToContents() {
    const Gpoint corner = ContentsCorner();
    SetExtentKeepingScale(std::max(corner.x, VirtualRight()), std::max(corner.y, VirtualBottom()));
}

void GObjectView::ShrinkToContents() {
    const Gpoint corner = ContentsCorner();
    SetExtentKeepingScale(std::min(corner.x, VirtualRight()), std::min(corner.y, VirtualBottom()));
}

void GObjectView::SetExtentKeepingScale(long right, long bottom) {
    if (right == VirtualRight() && bottom == VirtualBottom()) return;
    const GFactors f = Factors();
    // The view grows or shrinks in its owner by as much as its extent.
    const long changeX = f.WidthToDisplay(right - VirtualRight());
    const long changeY = f.HeightToDisplay(bottom - VirtualBottom());
    const GFactors owner = OwnerFactors();
    const bool wasDrawn = IfDrawnHideAndBatch();
    SetSize(Width() + (IsSet(gprop::kWidthPixels) ? changeX : owner.WidthToVirtual(changeX)),
            Height() + (IsSet(gprop::kHeightPixels) ? changeY : owner.HeightToVirtual(changeY)));
    SetVirtualCoordinates(kUnchanged, kUnchanged, right, bottom);
    CalculatePickArea();
    ShowAndEndBatch(wasDrawn);
}
