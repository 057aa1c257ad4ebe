// Geometry, colour, drawing, dependents, named properties and the stream body of GGraphic.
#include "pendrel/framework/ggraphic.h"

#include "pendrel/framework/colors.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gadorner.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/properties.h"
#include "pendrel/framework/selection_handles.h"

#include <algorithm>

namespace {
long Scale(long value, long numerator, long denominator) {
    if (denominator == 0) return value;
    return static_cast<long>(static_cast<long long>(value) * numerator / denominator);
}

int Flags(long value) {
    return value < 0 ? 0 : static_cast<int>((value >> 28) & 7);
}

} // namespace

long GFactors::ToDisplayX(long x) const {
    return Scale(x - vx0, dw, vw) + dx0;
}
long GFactors::ToDisplayY(long y) const {
    return Scale(y - vy0, dh, vh) + dy0;
}
long GFactors::ToVirtualX(long x) const {
    return Scale(x - dx0, vw, dw) + vx0;
}
long GFactors::ToVirtualY(long y) const {
    return Scale(y - dy0, vh, dh) + vy0;
}
long GFactors::WidthToDisplay(long w) const {
    return Scale(w, dw, vw);
}
long GFactors::HeightToDisplay(long h) const {
    return Scale(h, dh, vh);
}
long GFactors::WidthToVirtual(long w) const {
    return Scale(w, vw, dw);
}
long GFactors::HeightToVirtual(long h) const {
    return Scale(h, vh, dh);
}

GGraphic::GGraphic(long x, long y, long width, long height)
    : x_(PlainCreationValue(x)), y_(PlainCreationValue(y)), xAnchor_(Flags(x)), yAnchor_(Flags(y)),
      width_(PlainCreationValue(width)), height_(PlainCreationValue(height)) {
    const int wf = Flags(width);
    const int hf = Flags(height);
    if (wf & 1) SetProperty(gprop::kWidthPixels);
    if (wf & 2) SetProperty(gprop::kWidthMargin);
    if (hf & 1) SetProperty(gprop::kHeightPixels);
    if (hf & 2) SetProperty(gprop::kHeightMargin);
}

GGraphic::~GGraphic() {
    ForgetFocusOf(this);
    if (dependents_)
        for (G0* object : dependents_->Objects())
            if (auto* dependent = As<GGraphic>(object)) --dependent->dependentReferences_;
}

GGraphic* GGraphic::OwnerGraphic() const {
    return As<GGraphic>(Owner());
}

GWindow* GGraphic::Window() const {
    for (G0* object = const_cast<GGraphic*>(this); object != nullptr; object = object->Owner())
        if (auto* window = As<GWindow>(object)) return window;
    return nullptr;
}

void GGraphic::SetSize(long width, long height) {
    width_ = width;
    height_ = height;
}

void GGraphic::SetSizeLimits(long minWidth, long minHeight, long maxWidth, long maxHeight) {
    minWidth_ = minWidth;
    minHeight_ = minHeight;
    maxWidth_ = maxWidth;
    maxHeight_ = maxHeight;
}

GFactors GGraphic::OwnerFactors() const {
    if (GGraphic* owner = OwnerGraphic()) return owner->Factors();
    return GFactors{};
}

GFactors GGraphic::Factors() const {
    GFactors f = OwnerFactors();
    f.display = display_;
    f.hasDisplay = true;
    return f;
}

long GGraphic::ClampWidth(long w, const GFactors& f) {
    if (w < 0) return w;
    const long clamped = std::clamp(w, minWidth_, std::max(minWidth_, maxWidth_));
    if (clamped != w && !IsSet(gprop::kWidthMargin))
        width_ = IsSet(gprop::kWidthPixels) ? clamped : f.WidthToVirtual(clamped);
    return clamped;
}

long GGraphic::ClampHeight(long h, const GFactors& f) {
    if (h < 0) return h;
    const long clamped = std::clamp(h, minHeight_, std::max(minHeight_, maxHeight_));
    if (clamped != h && !IsSet(gprop::kHeightMargin))
        height_ = IsSet(gprop::kHeightPixels) ? clamped : f.HeightToVirtual(clamped);
    return clamped;
}

Gpoint GGraphic::AnchoredDisplayPoint(long x, long y) const {
    return AnchoredDisplayPoint(x, y, OwnerFactors());
}

Gpoint GGraphic::AnchoredDisplayPoint(long x, long y, const GFactors& f) const {
    const long ownerLeft = f.hasDisplay ? f.display.left : f.dx0;
    const long ownerTop = f.hasDisplay ? f.display.top : f.dy0;
    return {(xAnchor_ & ganchor::kPixelsFlag) ? x + ownerLeft : f.ToDisplayX(x),
            (yAnchor_ & ganchor::kPixelsFlag) ? y + ownerTop : f.ToDisplayY(y)};
}

void GGraphic::CalculatePickArea() {
    const GFactors f = OwnerFactors();
    GGraphic* owner = OwnerGraphic();
    long left = 0;
    long top = 0;
    long right = 0;
    long bottom = 0;
    if (IsSet(gprop::kFillOwner) && owner != nullptr && owner->IsView()) {
        const Grect& r = owner->DisplayRect();
        left = r.left;
        top = r.top;
        right = r.right;
        bottom = r.bottom;
    } else {
        const Gpoint corner = AnchoredDisplayPoint(x_, y_, f);
        left = corner.x;
        top = corner.y;
        long w = IsSet(gprop::kWidthPixels) ? width_ : f.WidthToDisplay(width_);
        long h = IsSet(gprop::kHeightPixels) ? height_ : f.HeightToDisplay(height_);
        if (IsSet(gprop::kWidthMargin) && f.hasDisplay) w = f.display.right - left - w;
        if (IsSet(gprop::kHeightMargin) && f.hasDisplay) h = f.display.bottom - top - h;
        w = ClampWidth(w, f);
        h = ClampHeight(h, f);
        if (xAnchor_ & ganchor::kFarEdgeFlag) {
            right = left;
            left -= w;
        } else if (xAnchor_ & ganchor::kCentreFlag) {
            right = left + w / 2;
            left -= w / 2;
        } else {
            right = left + w;
        }
        if (yAnchor_ & ganchor::kFarEdgeFlag) {
            bottom = top;
            top -= h;
        } else if (yAnchor_ & ganchor::kCentreFlag) {
            bottom = top + h / 2;
            top -= h / 2;
        } else {
            bottom = top + h;
        }
    }
    start_ = {left, top};
    end_ = {right, bottom};
    display_ = {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    centre_ = {(display_.left + display_.right) / 2, (display_.top + display_.bottom) / 2};
}

void GGraphic::SetDisplayRect(const Grect& r) {
    display_ = r;
    start_ = {r.left, r.top};
    end_ = {r.right, r.bottom};
    centre_ = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void GGraphic::MoveAbs(long x, long y) {
    if (IsSet(gprop::kPositionLocked)) return;
    std::vector<std::pair<GGraphic*, bool>> dependents;
    Batch();
    const bool wasDrawn = IfDrawnHideAndBatch();
    if (dependents_)
        for (G0* object : dependents_->Objects())
            if (auto* dependent = As<GGraphic>(object))
                dependents.emplace_back(dependent, dependent->IfDrawnHideAndBatch());
    x_ = x;
    y_ = y;
    CalculatePickArea();
    ShowAndEndBatch(wasDrawn);
    for (auto& [dependent, drawn] : dependents)
        dependent->ShowAndEndBatch(drawn);
    EndBatch();
}

void GGraphic::MoveRel(long dx, long dy) {
    if (dx == 0 && dy == 0) return;
    MoveAbs(x_ + dx, y_ + dy);
}

void GGraphic::ReDefine(long x, long y) {
    const GFactors f = OwnerFactors();
    const bool wasDrawn = IfDrawnHideAndBatch();
    const auto axis = [](long corner, long position, int& anchor) {
        anchor &= ~ganchor::kCentreFlag;
        if (corner < position) {
            anchor |= ganchor::kFarEdgeFlag;
            return position - corner;
        }
        anchor &= ~ganchor::kFarEdgeFlag;
        return corner - position;
    };
    const long w = axis(x, x_, xAnchor_);
    const long h = axis(y, y_, yAnchor_);
    // The corner is in the position's units; the size may count in pixels.
    width_ =
        IsSet(gprop::kWidthPixels) && !(xAnchor_ & ganchor::kPixelsFlag) ? f.WidthToDisplay(w) : w;
    height_ = IsSet(gprop::kHeightPixels) && !(yAnchor_ & ganchor::kPixelsFlag)
                  ? f.HeightToDisplay(h)
                  : h;
    CalculatePickArea();
    ShowAndEndBatch(wasDrawn);
}

void GGraphic::ToggleWidthUnits() {
    const GFactors f = OwnerFactors();
    if (IsSet(gprop::kWidthPixels)) {
        width_ = f.WidthToVirtual(width_);
        ResetProperty(gprop::kWidthPixels);
    } else {
        width_ = f.WidthToDisplay(width_);
        SetProperty(gprop::kWidthPixels);
    }
}

void GGraphic::ToggleHeightUnits() {
    const GFactors f = OwnerFactors();
    if (IsSet(gprop::kHeightPixels)) {
        height_ = f.HeightToVirtual(height_);
        ResetProperty(gprop::kHeightPixels);
    } else {
        height_ = f.HeightToDisplay(height_);
        SetProperty(gprop::kHeightPixels);
    }
}

void GGraphic::SetColor(long color) {
    if (IsSet(gprop::kColorLocked)) return;
    color_ = color & gcolor::kWhite;
    Redraw();
}

void GGraphic::Dim() {
    SetProperty(gprop::kDimmed);
    Redraw();
}

void GGraphic::UnDim() {
    ResetProperty(gprop::kDimmed);
    Redraw();
}

bool GGraphic::IsShown() const {
    return IsSet(gprop::kShown);
}
bool GGraphic::IsDrawn() const {
    return IsSet(gprop::kDrawn);
}

void GGraphic::SetDrawnDeep(bool drawn) {
    if (drawn)
        SetProperty(gprop::kDrawn);
    else
        ResetPropertyDeepIfFrom(gprop::kDrawn, gid::kGraphic);
}

void GGraphic::Show() {
    SetProperty(gprop::kShown);
    hidden_ = false;
    GWindow* window = Window();
    GGraphic* owner = OwnerGraphic();
    if (window == nullptr || (owner != nullptr && !owner->IsDrawn())) return;
    window->Open();
    const auto savedClip = window->Clipping();
    for (GGraphic* o = owner; o != nullptr; o = o->OwnerGraphic())
        if (o->ClipsContents()) window->MoreClipping(o->DisplayRect());
    Display(*window);
    if (savedClip)
        window->SetClipping(*savedClip);
    else
        window->NoClipping();
    window->Close();
}

void GGraphic::Hide() {
    if (!IsDrawn()) return;
    const Grect area = DrawnArea();
    hidden_ = true;
    SetDrawnDeep(false);
    if (GWindow* window = Window(); window != nullptr && window != this) window->RedrawArea(area);
}

void GGraphic::Redraw() {
    if (!IsDrawn()) return;
    if (GWindow* window = Window()) window->RedrawArea(DrawnArea());
}

Grect GGraphic::DrawnArea() const {
    return ghandles::ShowsHandles(*this) ? ghandles::AreaWithHandles(display_) : display_;
}

void GGraphic::Batch() {
    if (GWindow* window = Window()) window->Open();
}

void GGraphic::EndBatch() {
    if (GWindow* window = Window()) window->Close();
}

bool GGraphic::IfDrawnHideAndBatch() {
    Batch();
    const bool wasDrawn = IsDrawn();
    if (wasDrawn) Hide();
    return wasDrawn;
}

void GGraphic::ShowAndEndBatch(bool wasDrawn) {
    if (wasDrawn) Show();
    EndBatch();
}

void GGraphic::Display(GDrawingSurface& surface) {
    if (!IsShown() || hidden_) return;
    CalculatePickArea();
    const bool dimmed = IsSet(gprop::kDimmed);
    surface.SetDrawingColor(dimmed ? MixColors(color_, 0xC0C0C0) : color_);
    Paint(surface);
    SetProperty(gprop::kDrawn);
    for (G0* object : OwnedObjects())
        if (auto* graphic = As<GGraphic>(object)) graphic->Display(surface);
    DisplayAdorners(surface);
    if (ghandles::ShowsHandles(*this)) ghandles::DrawHandles(surface, *this);
}

void GGraphic::DisplayAdorners(GDrawingSurface& surface) {
    if (!adorners_) return;
    const Grect& r = display_;
    for (G0* object : adorners_->Objects()) {
        const auto* adorner = As<GAdorner>(object);
        if (adorner == nullptr) continue;
        surface.SetDrawingColor(adorner->Color());
        if (adorner->Kind() == GAdorner::kLightEdge) {
            surface.DrawLine(r.left, r.top, r.right, r.top);
            surface.DrawLine(r.left, r.top, r.left, r.bottom);
        } else if (adorner->Kind() == GAdorner::kDarkEdge) {
            surface.DrawLine(r.left, r.bottom, r.right, r.bottom);
            surface.DrawLine(r.right, r.top, r.right, r.bottom);
        }
    }
}

void GGraphic::DrawOutline() {
    GWindow* window = Window();
    if (window == nullptr) return;
    const int mode = window->DrawingMode();
    window->SetDrawingMode(GDrawingSurface::kTracingMode);
    window->DrawFrame(display_);
    window->SetDrawingMode(mode);
}

GGraphic* GGraphic::PickAt(Gpoint point) {
    const auto objects = OwnedObjects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        auto* child = As<GGraphic>(*it);
        if (child == nullptr || !child->IsShown() || child->hidden_) continue;
        if (GGraphic* picked = child->PickAt(point)) return picked;
    }
    return ContainsPoint(point) ? this : nullptr;
}

void GGraphic::AddAdorner(std::unique_ptr<GAdorner> adorner) {
    if (!adorners_) adorners_ = std::make_unique<GList>();
    adorners_->InsertOwned(std::move(adorner));
}

void GGraphic::Add3DAdorners(long light, long dark) {
    AddAdorner(std::make_unique<GAdorner>(light, GAdorner::kLightEdge));
    AddAdorner(std::make_unique<GAdorner>(dark, GAdorner::kDarkEdge));
}

void GGraphic::AddDependent(GGraphic* dependent) {
    if (dependent == nullptr || dependent == this) return;
    if (!dependents_) dependents_ = std::make_unique<GList>();
    RemoveDependent(dependent);
    dependents_->Insert(dependent);
    ++dependent->dependentReferences_;
}

void GGraphic::RemoveDependent(GGraphic* dependent) {
    if (!dependents_ || !dependents_->Holds(dependent)) return;
    dependents_->Remove(dependent);
    --dependent->dependentReferences_;
}

bool GGraphic::HasMutualDependencies(const GGraphic* other) const {
    if (!dependents_ || other == nullptr || !other->dependents_) return false;
    for (G0* object : dependents_->Objects())
        if (other->dependents_->Holds(object)) return true;
    return false;
}

void GGraphic::RemoveMutualDependencies(GGraphic* other) {
    if (!dependents_ || other == nullptr || !other->dependents_) return;
    for (G0* object : dependents_->Objects()) {
        auto* shared = As<GGraphic>(object);
        if (shared != nullptr && other->dependents_->Holds(shared)) {
            RemoveDependent(shared);
            other->RemoveDependent(shared);
        }
    }
}

std::optional<GPropertyInfo> GGraphic::GetPropertyInfo(int number) const {
    switch (number) {
    case 11:
        return GPropertyInfo{"XPos", kPropertyKindLong, 1};
    case 12:
        return GPropertyInfo{"YPos", kPropertyKindLong, 1};
    case 13:
        return GPropertyInfo{"Width", kPropertyKindLong, 1};
    case 14:
        return GPropertyInfo{"Height", kPropertyKindLong, 1};
    case 15:
        return GPropertyInfo{"RGB Color", kPropertyKindLong, 3};
    case 16:
        return GPropertyInfo{"Position", kPropertyKindLong, 2};
    default:
        return GEventHandler::GetPropertyInfo(number);
    }
}

std::optional<GPropertyValue> GGraphic::GetPropertyValue(int number) const {
    switch (number) {
    case 11:
        return GPropertyValue{{x_}, {}};
    case 12:
        return GPropertyValue{{y_}, {}};
    case 13:
        return GPropertyValue{{width_}, {}};
    case 14:
        return GPropertyValue{{height_}, {}};
    case 15: {
        const GRGB rgb = ColorToRGB(color_);
        return GPropertyValue{{rgb.red, rgb.green, rgb.blue}, {}};
    }
    case 16:
        return GPropertyValue{{x_, y_}, {}};
    default:
        return GEventHandler::GetPropertyValue(number);
    }
}

bool GGraphic::SetPropertyValue(int number, const GPropertyValue& value) {
    const auto& n = value.numbers;
    const auto need = [&](std::size_t count) { return n.size() >= count; };
    switch (number) {
    case 11:
        if (!need(1)) return false;
        MoveAbs(n[0], y_);
        return true;
    case 12:
        if (!need(1)) return false;
        MoveAbs(x_, n[0]);
        return true;
    case 13:
    case 14: {
        if (!need(1)) return false;
        const bool wasDrawn = IfDrawnHideAndBatch();
        (number == 13 ? width_ : height_) = n[0];
        CalculatePickArea();
        ShowAndEndBatch(wasDrawn);
        return true;
    }
    case 15:
        if (!need(3)) return false;
        SetColor(
            RGBToColor(static_cast<int>(n[0]), static_cast<int>(n[1]), static_cast<int>(n[2])));
        return true;
    case 16:
        if (!need(2)) return false;
        MoveAbs(n[0], n[1]);
        return true;
    default:
        return GEventHandler::SetPropertyValue(number, value);
    }
}

void GGraphic::Send(GStream& stream) const {
    GEventHandler::Send(stream);
    stream.SendLong(x_);
    stream.SendChar(static_cast<char>(xAnchor_));
    stream.SendLong(y_);
    stream.SendChar(static_cast<char>(yAnchor_));
    stream.SendLong(width_);
    stream.SendLong(height_);
    stream.SendLong(color_);
    stream.SendObject(adorners_.get());
}

bool GGraphic::Receive(GStream& stream) {
    if (!GEventHandler::Receive(stream)) return false;
    x_ = stream.ReceiveLong();
    xAnchor_ = stream.ReceiveChar() & 7;
    y_ = stream.ReceiveLong();
    yAnchor_ = stream.ReceiveChar() & 7;
    width_ = stream.ReceiveLong();
    height_ = stream.ReceiveLong();
    color_ = stream.ReceiveLong() & gcolor::kWhite;
    auto adorners = stream.ReceiveOwnObject();
    if (!stream.IsOK()) return false;
    if (adorners) {
        if (adorners->GetClassID() != gid::kList) {
            stream.MarkFailed();
            return false;
        }
        adorners_ = As<GList>(std::move(adorners));
    }
    // A graphic read from a stream is drawn only once shown again.
    ResetProperty(gprop::kDrawn);
    return true;
}
