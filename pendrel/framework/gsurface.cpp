#include "pendrel/framework/gsurface.h"

#include <algorithm>

namespace {
// Each channel lowered by 8; channels of 8 or less become 0.
long Darker(long color) {
    long out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const long channel = (color >> shift) & 0xFF;
        out |= (channel > 8 ? channel - 8 : 0) << shift;
    }
    return out;
}

Grect Ordered(long left, long top, long right, long bottom) {
    return {std::min(left, right), std::min(top, bottom), std::max(left, right),
            std::max(top, bottom)};
}
} // namespace

GDrawingSurface::GDrawingSurface(std::unique_ptr<GDevice> device) : device_(std::move(device)) {}

void GDrawingSurface::Open() {
    if (openCount_++ != 0) return;
    changed_ = Grect::Empty();
    SetDrawingColor(SurfaceColor());
}

void GDrawingSurface::Close() {
    if (openCount_ == 0) return;
    if (--openCount_ == 0 && !changed_.IsEmpty()) {
        Present(changed_);
        changed_ = Grect::Empty();
    }
}

void GDrawingSurface::SetDrawingColor(long color) {
    if (mode_ == kTracingMode) return;
    color &= kWhite;
    if (device_ == nullptr) {
        color_ = color;
        return;
    }
    long tried = color;
    long shown = device_->NearestColor(tried);
    while (shown == kWhite && color != kWhite && tried != 0) {
        tried = Darker(tried);
        shown = device_->NearestColor(tried);
    }
    color_ = shown;
}

void GDrawingSurface::SetDrawingMode(int mode) {
    mode_ = mode;
}

void GDrawingSurface::SetClipping(const Grect& clip) {
    clip_ = clip;
}

void GDrawingSurface::MoreClipping(const Grect& clip) {
    clip_ = clip_ ? clip_->Intersected(clip) : clip;
}

void GDrawingSurface::NoClipping() {
    clip_.reset();
}

void GDrawingSurface::Apply() {
    device_->SetXor(mode_ == kTracingMode);
    device_->SetColor(mode_ == kTracingMode ? kWhite : color_);
    device_->SetClip(clip_);
}

void GDrawingSurface::Touch(const Grect& area) {
    const Grect visible = clip_ ? area.Intersected(*clip_) : area;
    changed_ = changed_.United(visible);
    // A primitive drawn outside a pass is shown at once.
    if (openCount_ == 0 && !visible.IsEmpty()) {
        Present(visible);
        changed_ = Grect::Empty();
    }
}

void GDrawingSurface::DrawLine(long x1, long y1, long x2, long y2) {
    if (device_ == nullptr) return;
    Apply();
    device_->Line({x1, y1}, {x2, y2});
    Touch(Ordered(x1, y1, x2, y2));
}

void GDrawingSurface::DrawRectangle(long left, long top, long right, long bottom) {
    if (device_ == nullptr) return;
    Apply();
    const Grect area = Ordered(left, top, right, bottom);
    device_->Rectangle(area);
    Touch(area);
}

void GDrawingSurface::DrawEllipse(long left, long top, long right, long bottom) {
    if (device_ == nullptr) return;
    Apply();
    const Grect area = Ordered(left, top, right, bottom);
    device_->Ellipse(area);
    Touch(area);
}

void GDrawingSurface::DrawFrame(const Grect& area) {
    if (area.IsEmpty()) return;
    DrawRectangle(area.left, area.top, area.right, area.top);
    if (area.bottom == area.top) return;
    DrawRectangle(area.left, area.bottom, area.right, area.bottom);
    if (area.bottom - area.top < 2) return;
    DrawRectangle(area.left, area.top + 1, area.left, area.bottom - 1);
    if (area.right != area.left)
        DrawRectangle(area.right, area.top + 1, area.right, area.bottom - 1);
}

void GDrawingSurface::DrawPoly(std::span<const long> coordinates) {
    if (device_ == nullptr) return;
    const std::size_t n = std::min<std::size_t>(coordinates.size() / 2, kMaxPolygonPoints);
    if (n == 0) return;
    std::vector<Gpoint> points;
    Grect bounds;
    for (std::size_t i = 0; i < n; ++i) {
        const Gpoint p{coordinates[2 * i], coordinates[2 * i + 1]};
        points.push_back(p);
        bounds = bounds.United({p.x, p.y, p.x, p.y});
    }
    Apply();
    device_->Polygon(points);
    Touch(bounds);
}

void GDrawingSurface::Text(short size, long x, long y, std::string_view text) {
    if (device_ == nullptr || text.empty()) return;
    Apply();
    const int height = FontPixelHeight(size);
    device_->Text(height, {x, y}, text);
    const long width = device_->TextWidth(height, text);
    // The cell may start above y by the internal leading and reach below by the descent.
    Touch({x, y - height, x + width, y + 2 * height});
}

long GDrawingSurface::GetActualTextWidth(short size, std::string_view text) const {
    const int height = FontPixelHeight(size);
    if (device_ == nullptr) return static_cast<long>(text.size()) * height / 2;
    return device_->TextWidth(height, text);
}

void GDrawingSurface::DisplayImage(long x, long y, long width, long height, const Gimage& image) {
    if (device_ == nullptr || !image.IsValid() || width <= 0 || height <= 0) return;
    Apply();
    const Grect area{x, y, x + width - 1, y + height - 1};
    device_->Image(area, image);
    Touch(area);
}

void GDrawingSurface::DisplayIcon(long x, long y, long width, long height, int icon) {
    if (device_ == nullptr || width <= 0 || height <= 0) return;
    Apply();
    const Grect area{x, y, x + width - 1, y + height - 1};
    device_->Icon(area, icon);
    Touch(area);
}
