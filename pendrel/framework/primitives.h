#pragma once
// The primitive graphics: lines, polylines, polygons, rectangles, ellipses, icons, images,
// texts, arrows and groups.
#include "pendrel/framework/geometry.h"
#include "pendrel/framework/ggraphic.h"

#include <string>
#include <utility>
#include <vector>

// A line from the anchor corner to the opposite corner.
class GLine : public GGraphic {
public:
    using GGraphic::GGraphic;
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GLine>(); }
    static constexpr GClassID kClassID = gid::kLine;
    GClassID GetClassID() const override { return kClassID; }
    void Paint(GDrawingSurface& surface) override;
};

class GRectangle : public GGraphic {
public:
    using GGraphic::GGraphic;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GRectangle>();
    }
    static constexpr GClassID kClassID = gid::kRectangle;
    GClassID GetClassID() const override { return kClassID; }
    void Paint(GDrawingSurface& surface) override;
};

class GEllipse : public GGraphic {
public:
    using GGraphic::GGraphic;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GEllipse>();
    }
    static constexpr GClassID kClassID = gid::kEllipse;
    GClassID GetClassID() const override { return kClassID; }
    void Paint(GDrawingSurface& surface) override;
};

class GIcon : public GGraphic {
public:
    using GGraphic::GGraphic;
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GIcon>(); }
    static constexpr GClassID kClassID = gid::kIcon;
    GClassID GetClassID() const override { return kClassID; }
    void Paint(GDrawingSurface& surface) override;
};

// A grey image shown stretched over the graphic; the pixels are not stored in streams.
class GImage : public GGraphic {
public:
    using GGraphic::GGraphic;
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GImage>(); }
    static constexpr GClassID kClassID = gid::kImage;
    GClassID GetClassID() const override { return kClassID; }
    void SetImage(Gimage image);
    const Gimage& Image() const { return image_; }
    void Paint(GDrawingSurface& surface) override;

private:
    Gimage image_;
};

// Points relative to the position, in the owner's units.
class GPolyline : public GGraphic {
public:
    using GGraphic::GGraphic;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GPolyline>();
    }
    static constexpr GClassID kClassID = gid::kPolyline;
    GClassID GetClassID() const override { return kClassID; }
    void AddPoint(long x, long y) { points_.push_back({x, y}); }
    void SetPoints(std::vector<Gpoint> points) { points_ = std::move(points); }
    // Adds a point given in the owner's units; the position and size then span every point.
    void AddOwnerPoint(long x, long y);
    const std::vector<Gpoint>& Points() const { return points_; }
    void Paint(GDrawingSurface& surface) override;
    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

protected:
    // The points in device pixels.
    std::vector<long> DisplayPoints() const;

private:
    std::vector<Gpoint> points_;
};

// A closed, filled polyline.
class GPolygon : public GPolyline {
public:
    using GPolyline::GPolyline;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GPolygon>();
    }
    static constexpr GClassID kClassID = gid::kPolygon;
    GClassID GetClassID() const override { return kClassID; }
    void Paint(GDrawingSurface& surface) override;
};

// A polyline with an arrow head at its last point.
class GArrow : public GPolyline {
public:
    using GPolyline::GPolyline;
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GArrow>(); }
    static constexpr GClassID kClassID = gid::kArrow;
    GClassID GetClassID() const override { return kClassID; }
    void SetHead(long length, short style) {
        headLength_ = length;
        headStyle_ = style;
    }
    long HeadLength() const { return headLength_; }
    short HeadStyle() const { return headStyle_; }
    void Paint(GDrawingSurface& surface) override;
    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    long headLength_ = 8;
    short headStyle_ = 0;
};

class GText : public GGraphic {
public:
    using GGraphic::GGraphic;
    GText(long x, long y, long width, long height, std::string_view text, double size = 10)
        : GGraphic(x, y, width, height), text_(text), fontSize_(size) {}
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GText>(); }
    static constexpr GClassID kClassID = gid::kText;
    GClassID GetClassID() const override { return kClassID; }
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text);
    double FontSize() const { return fontSize_; }
    void SetFontSize(double size) { fontSize_ = size; }
    void Paint(GDrawingSurface& surface) override;
    // The display rectangle and what the text covers beside it, for a text wider than that.
    Grect DrawnArea() const override;
    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    // Where the text starts, given its width in pixels.
    long TextLeft(long width) const;

    std::string text_;
    double fontSize_ = 10;
};

// Graphics grouped for editing: a press anywhere in the group takes the whole group. The
// members are placed relative to the group's position, so they move with it.
class GGroup : public GGraphic {
public:
    using GGraphic::GGraphic;
    std::unique_ptr<G0> CreateUninitInstance() const override { return std::make_unique<GGroup>(); }
    static constexpr GClassID kClassID = gid::kGroup;
    GClassID GetClassID() const override { return kClassID; }
    GGraphic* PickAt(Gpoint point) override;
    GFactors Factors() const override;
    void MenuEvent(int command) override;

    // Makes a group in the owner of the given graphics (all held by the owner), keeping
    // where they are drawn. The group is not shown.
    static GGroup* Gather(GGraphic& owner, const std::vector<G0*>& members);
    // Gives the members back to the group's owner, where they were drawn, and deletes the
    // group.
    void Ungroup();
    long Word() const { return word_; }
    void SetWord(long value) { word_ = value; }
    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

private:
    long word_ = 0;
};
