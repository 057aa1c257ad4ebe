#pragma once
// The drawing palette's tools: shapes drawn by pressing and dragging, polygons and freehand
// lines drawn point by point, the pen and bucket that hold the line and fill colours in their
// samples, colour cells, and the palette view that lays the cells out.
#include "pendrel/framework/gactiontool.h"
#include "pendrel/framework/gtool.h"
#include "pendrel/framework/gview.h"

class GPolyline;

// Press on a view to drop a copy of the prototype, drag to stretch it, release to finish.
class GDrawingTool : public GCreateTool {
public:
    using GCreateTool::GCreateTool;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GDrawingTool>();
    }
    static constexpr GClassID kClassID = gid::kDrawingTool;
    GClassID GetClassID() const override { return kClassID; }

    void MouseEvent(int type, long x, long y) override;
    // The shape being stretched, none between drawings.
    GGraphic* Shape() const { return As<GGraphic>(shape_.First()); }

private:
    GList shape_;
};

// Point by point: each release adds a point; a press on a tool, or anywhere when the tool is
// not armed, ends the shape.
class GPolyDrawingTool : public GCreateTool {
public:
    using GCreateTool::GCreateTool;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GPolyDrawingTool>();
    }
    static constexpr GClassID kClassID = gid::kPolyDrawingTool;
    GClassID GetClassID() const override { return kClassID; }

    void MouseEvent(int type, long x, long y) override;
    // The shape being drawn, none between shapes.
    GPolyline* Shape() const;
    // Draws the shape normally and lets it go.
    void EndShape();

protected:
    // Adds the point (device pixels) to the shape and starts the rubber line there.
    void AddPointAt(Gpoint point);
    virtual void ButtonMoved(Gpoint point) { (void)point; }
    bool ButtonHeld() const { return held_; }
    Gpoint LastPoint() const { return rubberFrom_; }

private:
    void TraceRubber();

    GList shape_;
    Gpoint rubberFrom_;
    Gpoint rubberTo_;
    bool rubberShown_ = false;
    bool held_ = false;
};

// Freehand: while the button is held, every move at least √7 pixels from the last point adds
// a point.
class GContPolyDrawingTool : public GPolyDrawingTool {
public:
    static constexpr long kMinSquaredStep = 7;
    using GPolyDrawingTool::GPolyDrawingTool;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GContPolyDrawingTool>();
    }
    static constexpr GClassID kClassID = gid::kContPolyDrawingTool;
    GClassID GetClassID() const override { return kClassID; }

protected:
    void ButtonMoved(Gpoint point) override;
};

// The pen (line colour) and the bucket (fill colour): each shows its colour in a sample that
// takes the focus when the tool is pressed, so that a colour cell can recolour it; the sample
// is the colour model of the tools that draw with that colour. The sample starts white.
class GSampleTool : public GTool {
public:
    GSampleTool() = default;
    GSampleTool(long x, long y, long width, long height, std::unique_ptr<GGraphic> sample);
    GGraphic* Sample() const { return As<GGraphic>(sample_.First()); }
    // Stores the colour in the sample.
    void SetSampleColor(long color);
    long SampleColor() const;
    // The whole tool stands for its sample.
    GGraphic* PickAt(Gpoint point) override;

private:
    GList sample_;
};

class GPenTool : public GSampleTool {
public:
    GPenTool() = default;
    GPenTool(long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GPenTool>();
    }
    static constexpr GClassID kClassID = gid::kPenTool;
    GClassID GetClassID() const override { return kClassID; }
};

class GBucketTool : public GSampleTool {
public:
    GBucketTool() = default;
    GBucketTool(long x, long y, long width, long height);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GBucketTool>();
    }
    static constexpr GClassID kClassID = gid::kBucketTool;
    GClassID GetClassID() const override { return kClassID; }
};

// One colour cell: a click gives its colour to the graphic that had the focus.
class GColorTool : public GActionTool {
public:
    GColorTool() = default;
    GColorTool(long x, long y, long width, long height, long color);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GColorTool>();
    }
    static constexpr GClassID kClassID = gid::kColorTool;
    GClassID GetClassID() const override { return kClassID; }
    void ActionRoutine() override;
    void Paint(GDrawingSurface& surface) override;
};

class GPaletteView : public GView {
public:
    static constexpr long kCell = 10;
    static constexpr long kGap = 2;
    static constexpr long kMargin = 2;

    using GView::GView;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GPaletteView>();
    }
    static constexpr GClassID kClassID = gid::kPaletteView;
    GClassID GetClassID() const override { return kClassID; }

    // Fills the view with colour cells: a row of greys from white to black, then rows of hues.
    void SetAllColors();
    std::vector<GColorTool*> Cells() const;
};

// The colours SetAllColors gives n cells per row and `rows` rows, row by row.
std::vector<long> PaletteColors(long perRow, long rows);
