#include "pendrel/framework/primitives.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gstream.h"
#include "pendrel/framework/gsurface.h"
#include "pendrel/framework/gwindow.h"

#include <algorithm>
#include <cmath>

void GLine::Paint(GDrawingSurface& surface) {
    surface.DrawLine(StartPoint().x, StartPoint().y, EndPoint().x, EndPoint().y);
}

void GRectangle::Paint(GDrawingSurface& surface) {
    const Grect& r = DisplayRect();
    surface.DrawRectangle(r.left, r.top, r.right, r.bottom);
}

void GEllipse::Paint(GDrawingSurface& surface) {
    const Grect& r = DisplayRect();
    surface.DrawEllipse(r.left, r.top, r.right, r.bottom);
}

void GIcon::Paint(GDrawingSurface& surface) {
    const Grect& r = DisplayRect();
    surface.DisplayIcon(r.left, r.top, r.Width(), r.Height(), 0);
}

void GImage::SetImage(Gimage image) {
    image_ = std::move(image);
    Redraw();
}

void GImage::Paint(GDrawingSurface& surface) {
    const Grect& r = DisplayRect();
    surface.DisplayImage(r.left, r.top, r.Width(), r.Height(), image_);
}

std::vector<long> GPolyline::DisplayPoints() const {
    const GFactors f = OwnerFactors();
    std::vector<long> out;
    out.reserve(points_.size() * 2);
    for (const Gpoint& p : points_) {
        out.push_back(f.ToDisplayX(X() + p.x));
        out.push_back(f.ToDisplayY(Y() + p.y));
    }
    return out;
}

void GPolyline::AddOwnerPoint(long x, long y) {
    points_.push_back({x - X(), y - Y()});
    long minX = 0;
    long minY = 0;
    for (const Gpoint& p : points_) {
        minX = std::min(minX, p.x);
        minY = std::min(minY, p.y);
    }
    long maxX = 1;
    long maxY = 1;
    for (Gpoint& p : points_) {
        p.x -= minX;
        p.y -= minY;
        maxX = std::max(maxX, p.x);
        maxY = std::max(maxY, p.y);
    }
    Place(X() + minX, Y() + minY);
    SetSize(maxX, maxY);
}

void GPolyline::Paint(GDrawingSurface& surface) {
    const auto points = DisplayPoints();
    for (std::size_t i = 2; i + 1 < points.size(); i += 2)
        surface.DrawLine(points[i - 2], points[i - 1], points[i], points[i + 1]);
}

void GPolyline::Send(GStream& stream) const {
    GGraphic::Send(stream);
    stream.SendLong(static_cast<long>(points_.size()));
    for (const Gpoint& p : points_) {
        stream.SendLong(p.x);
        stream.SendLong(p.y);
    }
}

bool GPolyline::Receive(GStream& stream) {
    if (!GGraphic::Receive(stream)) return false;
    const long n = stream.ReceiveLong();
    // Each point takes eight bytes, so the count can be checked before reading.
    if (n < 0 || n > stream.Remaining() / 8) {
        stream.MarkFailed();
        return false;
    }
    points_.clear();
    points_.reserve(static_cast<std::size_t>(n));
    for (long i = 0; i < n; ++i) {
        const long x = stream.ReceiveLong();
        const long y = stream.ReceiveLong();
        points_.push_back({x, y});
    }
    return stream.IsOK();
}

void GPolygon::Paint(GDrawingSurface& surface) {
    surface.DrawPoly(DisplayPoints());
}

void GArrow::Paint(GDrawingSurface& surface) {
    GPolyline::Paint(surface);
    const auto points = DisplayPoints();
    if (points.size() < 4) return;
    const std::size_t n = points.size();
    const double tipX = static_cast<double>(points[n - 2]);
    const double tipY = static_cast<double>(points[n - 1]);
    const double dx = tipX - static_cast<double>(points[n - 4]);
    const double dy = tipY - static_cast<double>(points[n - 3]);
    const double length = std::hypot(dx, dy);
    if (length == 0) return;
    const double ux = dx / length;
    const double uy = dy / length;
    const double head = static_cast<double>(headLength_);
    const long head_points[] = {
        static_cast<long>(tipX),
        static_cast<long>(tipY),
        static_cast<long>(std::lround(tipX - head * ux + head / 2 * uy)),
        static_cast<long>(std::lround(tipY - head * uy - head / 2 * ux)),
        static_cast<long>(std::lround(tipX - head * ux - head / 2 * uy)),
        static_cast<long>(std::lround(tipY - head * uy + head / 2 * ux)),
    };
    surface.DrawPoly(head_points);
}

void GArrow::Send(GStream& stream) const {
    GPolyline::Send(stream);
    stream.SendLong(headLength_);
    stream.SendShort(headStyle_);
}

bool GArrow::Receive(GStream& stream) {
    if (!GPolyline::Receive(stream)) return false;
    headLength_ = stream.ReceiveLong();
    headStyle_ = stream.ReceiveShort();
    return stream.IsOK();
}

void GText::SetText(std::string_view text) {
    // What the old text covered goes with it, also where it reached past the rectangle.
    const Grect before = DrawnArea();
    text_ = std::string(text);
    if (!IsDrawn()) return;
    if (GWindow* window = Window()) window->RedrawArea(before.United(DrawnArea()));
}

long GText::TextLeft(long width) const {
    // A text placed by its centre (a box's name) is written around that centre.
    const bool centred = ((static_cast<long>(XAnchor()) << 28) & ganchor::kCentre) != 0;
    return centred ? Centre().x - width / 2 : DisplayRect().left;
}

Grect GText::DrawnArea() const {
    const Grect area = GGraphic::DrawnArea();
    const GWindow* window = Window();
    if (window == nullptr || text_.empty()) return area;
    const long width = window->GetActualTextWidth(static_cast<short>(fontSize_), text_);
    const long left = TextLeft(width);
    return area.United({left, area.top, left + width, area.bottom});
}

void GText::Paint(GDrawingSurface& surface) {
    const auto size = static_cast<short>(fontSize_);
    surface.Text(size, TextLeft(surface.GetActualTextWidth(size, text_)), DisplayRect().top, text_);
}

void GText::Send(GStream& stream) const {
    GGraphic::Send(stream);
    stream.SendLong(static_cast<long>(fontSize_ * 100));
    stream.SendString(text_);
}

bool GText::Receive(GStream& stream) {
    if (!GGraphic::Receive(stream)) return false;
    fontSize_ = static_cast<double>(stream.ReceiveLong()) / 100;
    text_ = stream.ReceiveString();
    return stream.IsOK();
}

GGraphic* GGroup::PickAt(Gpoint point) {
    return GGraphic::PickAt(point) != nullptr ? this : nullptr;
}

GFactors GGroup::Factors() const {
    GFactors f = GGraphic::Factors();
    f.vx0 -= X();
    f.vy0 -= Y();
    return f;
}

void GGroup::Send(GStream& stream) const {
    GGraphic::Send(stream);
    stream.SendLong(word_);
}

bool GGroup::Receive(GStream& stream) {
    if (!GGraphic::Receive(stream)) return false;
    word_ = stream.ReceiveLong();
    return stream.IsOK();
}

GGroup* GGroup::Gather(GGraphic& owner, const std::vector<G0*>& members) {
    owner.CalculatePickArea();
    Grect bounds;
    std::vector<GGraphic*> graphics;
    for (G0* object : members) {
        auto* graphic = As<GGraphic>(object);
        if (graphic == nullptr || graphic->Owner() != &owner) continue;
        graphic->CalculatePickArea();
        bounds = bounds.United(graphic->DisplayRect());
        graphics.push_back(graphic);
    }
    if (graphics.empty()) return nullptr;
    const GFactors f = owner.Factors();
    const long gx = f.ToVirtualX(bounds.left);
    const long gy = f.ToVirtualY(bounds.top);
    auto* group = MakeGraphic<GGroup>(owner, gx, gy, f.WidthToVirtual(bounds.right - bounds.left),
                                      f.HeightToVirtual(bounds.bottom - bounds.top));
    group->CalculatePickArea();
    // Pixel positions count from the group's display origin now.
    const long pixelDx = group->DisplayRect().left - f.display.left;
    const long pixelDy = group->DisplayRect().top - f.display.top;
    for (GGraphic* graphic : graphics) {
        graphic->Place(graphic->X() - ((graphic->XAnchor() & 1) ? pixelDx : gx),
                       graphic->Y() - ((graphic->YAnchor() & 1) ? pixelDy : gy));
        group->InsertOwned(graphic);
    }
    return group;
}

void GGroup::Ungroup() {
    GGraphic* owner = OwnerGraphic();
    if (owner == nullptr) return;
    const bool wasDrawn = IfDrawnHideAndBatch();
    CalculatePickArea();
    const GFactors f = owner->Factors();
    const long pixelDx = DisplayRect().left - f.display.left;
    const long pixelDy = DisplayRect().top - f.display.top;
    std::vector<GGraphic*> members;
    for (G0* object : OwnedObjects()) {
        auto* graphic = As<GGraphic>(object);
        if (graphic == nullptr) continue;
        graphic->Place(graphic->X() + ((graphic->XAnchor() & 1) ? pixelDx : X()),
                       graphic->Y() + ((graphic->YAnchor() & 1) ? pixelDy : Y()));
        owner->InsertOwned(graphic);
        members.push_back(graphic);
    }
    if (FocusedObject() == this) SetFocusedObject(members.empty() ? nullptr : members.front());
    for (GGraphic* graphic : members)
        if (wasDrawn) graphic->Show();
    EndBatch();
    DeleteObject(this);
}

void GGroup::MenuEvent(int command) {
    if (command == gcmd::kUngroup) {
        Ungroup();
        return;
    }
    GGraphic::MenuEvent(command);
}
