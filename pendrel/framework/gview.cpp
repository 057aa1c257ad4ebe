#include "pendrel/framework/gview.h"

#include "pendrel/framework/gstream.h"
#include "pendrel/framework/gsurface.h"

GView::GView(long x, long y, long width, long height)
    : GGraphic(x, y, width, height), right_(Width()), bottom_(Height()) {}

GFactors GView::Factors() const {
    const Grect& r = DisplayRect();
    GFactors f;
    f.dx0 = r.left;
    f.dy0 = r.top;
    f.dw = r.right - r.left;
    f.dh = r.bottom - r.top;
    f.vx0 = left_;
    f.vy0 = top_;
    f.vw = right_ - left_;
    f.vh = bottom_ - top_;
    f.display = r;
    f.hasDisplay = true;
    return f;
}

void GView::SetVirtualCoordinates(long left, long top, long right, long bottom) {
    if (left != kUnchanged) left_ = left;
    if (top != kUnchanged) top_ = top;
    if (right != kUnchanged) right_ = right;
    if (bottom != kUnchanged) bottom_ = bottom;
    Redraw();
}

void GView::Paint(GDrawingSurface& surface) {
    const Grect& r = DisplayRect();
    surface.DrawRectangle(r.left, r.top, r.right, r.bottom);
}

void GView::Send(GStream& stream) const {
    GGraphic::Send(stream);
    stream.SendLong(left_);
    stream.SendLong(top_);
    stream.SendLong(right_);
    stream.SendLong(bottom_);
    stream.SendLong(fifth_);
}

bool GView::Receive(GStream& stream) {
    if (!GGraphic::Receive(stream)) return false;
    left_ = stream.ReceiveLong();
    top_ = stream.ReceiveLong();
    right_ = stream.ReceiveLong();
    bottom_ = stream.ReceiveLong();
    fifth_ = stream.ReceiveLong();
    return stream.IsOK();
}
