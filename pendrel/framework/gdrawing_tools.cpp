#include "pendrel/framework/gdrawing_tools.h"

#include "pendrel/framework/colors.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gsurface.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <algorithm>

namespace {

// Gives the focus and the press to what was pressed.
void PassPress(GGraphic* picked, int type, long x, long y) {
    if (picked == nullptr) return;
    SetFocusedObject(picked);
    picked->MouseEvent(type, x, y);
}

void TraceLine(GWindow* window, Gpoint from, Gpoint to) {
    if (window == nullptr) return;
    window->Open();
    const int mode = window->DrawingMode();
    window->SetDrawingMode(GDrawingSurface::kTracingMode);
    window->DrawLine(from.x, from.y, to.x, to.y);
    window->SetDrawingMode(mode);
    window->Close();
}

void TraceOutline(GGraphic* shape) {
    GWindow* window = shape->Window();
    if (window == nullptr) return;
    window->Open();
    shape->DrawOutline();
    window->Close();
}

} // namespace

// ---- GDrawingTool ----

void GDrawingTool::MouseEvent(int type, long x, long y) {
    GGraphic* shape = Shape();
    if (type == gmouse::kPress) {
        GGraphic* picked = PickedAt(x, y);
        if (picked == nullptr || picked == this) return;
        if (!IsArmed() || Prototype() == nullptr || !picked->IsView() || picked->IsTool()) {
            PassPress(picked, type, x, y);
            return;
        }
        GGraphic* made = DropCopyInto(*picked);
        if (made == nullptr) return;
        shape_.RemoveAll();
        shape_.Insert(made);
        // The shape is stretched as an outline until the button comes up.
        made->Hide();
        made->CalculatePickArea();
        if (GWindow* window = made->Window())
            window->SetMousePosition({made->DisplayRect().right, made->DisplayRect().bottom});
        TraceOutline(made);
        return;
    }
    if (shape == nullptr) {
        if (type == gmouse::kRelease) CountClick();
        return;
    }
    TraceOutline(shape);
    if (type == gmouse::kMove) {
        const GFactors f = shape->OwnerFactors();
        shape->ReDefine(f.ToVirtualX(x), f.ToVirtualY(y));
        shape->CalculatePickArea();
        TraceOutline(shape);
    } else if (type == gmouse::kRelease) {
        shape_.RemoveAll();
        shape->Show();
        SetFocusedObject(shape);
    }
}

// ---- GPolyDrawingTool ----

GPolyline* GPolyDrawingTool::Shape() const {
    return As<GPolyline>(shape_.First());
}

void GPolyDrawingTool::TraceRubber() {
    if (GPolyline* shape = Shape()) TraceLine(shape->Window(), rubberFrom_, rubberTo_);
}

void GPolyDrawingTool::AddPointAt(Gpoint point) {
    GPolyline* shape = Shape();
    if (shape == nullptr) return;
    if (rubberShown_) TraceRubber();
    const GFactors f = shape->OwnerFactors();
    const long vx = f.ToVirtualX(point.x);
    const long vy = f.ToVirtualY(point.y);
    const auto& points = shape->Points();
    const bool repeated =
        !points.empty() && points.back().x == vx - shape->X() && points.back().y == vy - shape->Y();
    if (!repeated) {
        const bool wasDrawn = shape->IfDrawnHideAndBatch();
        shape->AddOwnerPoint(vx, vy);
        shape->ShowAndEndBatch(wasDrawn);
    }
    rubberFrom_ = rubberTo_ = point;
    TraceRubber();
    rubberShown_ = true;
}

void GPolyDrawingTool::EndShape() {
    GPolyline* shape = Shape();
    if (shape == nullptr) return;
    if (rubberShown_) TraceRubber();
    rubberShown_ = false;
    held_ = false;
    shape_.RemoveAll();
    shape->Show();
}

void GPolyDrawingTool::MouseEvent(int type, long x, long y) {
    const Gpoint point{x, y};
    if (type == gmouse::kPress) {
        GGraphic* picked = PickedAt(x, y);
        if (Shape() != nullptr) {
            if (picked == nullptr || picked->IsTool() || !IsArmed()) {
                EndShape();
                if (picked != this) PassPress(picked, type, x, y);
                return;
            }
            held_ = true;
            return;
        }
        if (picked == nullptr || picked == this) return;
        if (!IsArmed() || Prototype() == nullptr || !picked->IsView() || picked->IsTool()) {
            PassPress(picked, type, x, y);
            return;
        }
        auto* made = As<GPolyline>(DropCopyInto(*picked));
        if (made == nullptr) return;
        shape_.RemoveAll();
        shape_.Insert(made);
        rubberShown_ = false;
        held_ = true;
        AddPointAt(point);
        return;
    }
    if (Shape() == nullptr) {
        if (type == gmouse::kRelease) CountClick();
        return;
    }
    if (type == gmouse::kMove) {
        if (held_) ButtonMoved(point);
        if (rubberShown_) TraceRubber();
        rubberTo_ = point;
        TraceRubber();
        rubberShown_ = true;
    } else if (type == gmouse::kRelease) {
        held_ = false;
        AddPointAt(point);
    }
}

// ---- GContPolyDrawingTool ----

void GContPolyDrawingTool::ButtonMoved(Gpoint point) {
    const Gpoint last = LastPoint();
    const long dx = point.x - last.x;
    const long dy = point.y - last.y;
    if (dx * dx + dy * dy >= kMinSquaredStep) AddPointAt(point);
}

// ---- pen and bucket ----

GSampleTool::GSampleTool(long x, long y, long width, long height, std::unique_ptr<GGraphic> sample)
    : GTool(x, y, width, height) {
    GGraphic* raw = sample.get();
    raw->SetColor(gcolor::kWhite);
    // The sample keeps its place in the tool when pressed.
    raw->SetProperty(gprop::kPositionLocked);
    raw->SetProperty(gprop::kSizeLocked);
    raw->SetProperty(gprop::kProtected);
    raw->SetProperty(gprop::kShown);
    InsertOwned(std::move(sample));
    sample_.Insert(raw);
}

void GSampleTool::SetSampleColor(long color) {
    if (GGraphic* sample = Sample()) sample->SetColor(color);
}

long GSampleTool::SampleColor() const {
    const GGraphic* sample = Sample();
    return sample != nullptr ? sample->Color() : gcolor::kWhite;
}

GGraphic* GSampleTool::PickAt(Gpoint point) {
    if (!IsShown() || !ContainsPoint(point)) return nullptr;
    GGraphic* sample = Sample();
    return sample != nullptr ? sample : this;
}

GPenTool::GPenTool(long x, long y, long width, long height)
    : GSampleTool(x, y, width, height,
                  std::make_unique<GLine>(
                      3 | ganchor::kPixels, (PlainCreationValue(height) / 2) | ganchor::kPixels,
                      (PlainCreationValue(width) - 6) | gsize::kPixels, 0 | gsize::kPixels)) {}

GBucketTool::GBucketTool(long x, long y, long width, long height)
    : GSampleTool(x, y, width, height,
                  std::make_unique<GRectangle>(3 | ganchor::kPixels, 3 | ganchor::kPixels,
                                               (PlainCreationValue(width) - 6) | gsize::kPixels,
                                               (PlainCreationValue(height) - 6) | gsize::kPixels)) {
}

// ---- colour cells ----

GColorTool::GColorTool(long x, long y, long width, long height, long color)
    : GActionTool(x, y, width, height) {
    SetToolColor(color);
    SetProperty(gprop::kShown);
}

void GColorTool::ActionRoutine() {
    if (auto* graphic = As<GGraphic>(Remembered())) graphic->SetColor(Color());
}

void GColorTool::Paint(GDrawingSurface& surface) {
    const Grect& r = DisplayRect();
    surface.DrawRectangle(r.left, r.top, r.right, r.bottom);
}

std::vector<long> PaletteColors(long perRow, long rows) {
    std::vector<long> colors;
    if (perRow <= 0 || rows <= 0) return colors;
    for (long i = 0; i < perRow; ++i) {
        const double value =
            perRow > 1 ? static_cast<double>(perRow - 1 - i) / static_cast<double>(perRow - 1) : 1;
        colors.push_back(HSVToColor(0, 0, value));
    }
    const long m = perRow * (rows - 1);
    double hue = 0;
    for (long i = 0; i < m; ++i) {
        double saturation = 0.95;
        if (i % 3 == 0)
            hue = static_cast<double>(i) * 360.0 / static_cast<double>(m);
        else
            saturation = 1.0 - static_cast<double>(i % 3) / 3.0;
        colors.push_back(HSVToColor(hue, saturation, 1));
    }
    return colors;
}

void GPaletteView::SetAllColors() {
    for (GColorTool* cell : Cells())
        DeleteObject(cell);
    const long w = VirtualRight() - VirtualLeft();
    const long h = VirtualBottom() - VirtualTop();
    const long step = kCell + kGap;
    const long perRow = std::max(0L, (w - 2 * kMargin + kGap) / step);
    const long rows = std::max(0L, (h - 2 * kMargin + kGap) / step);
    if (perRow == 0 || rows == 0) return;
    const long x0 = kMargin + (w - 2 * kMargin - (perRow * step - kGap)) / 2;
    const long y0 = kMargin + (h - 2 * kMargin - (rows * step - kGap)) / 2;
    const std::vector<long> colors = PaletteColors(perRow, rows);
    for (long i = 0; i < static_cast<long>(colors.size()); ++i) {
        const long x = VirtualLeft() + x0 + (i % perRow) * step;
        const long y = VirtualTop() + y0 + (i / perRow) * step;
        MakeOwned<GColorTool>(*this, x, y, kCell, kCell, colors[i]);
    }
    Redraw();
}

std::vector<GColorTool*> GPaletteView::Cells() const {
    std::vector<GColorTool*> cells;
    for (G0* object : OwnedObjects())
        if (auto* cell = As<GColorTool>(object)) cells.push_back(cell);
    return cells;
}
