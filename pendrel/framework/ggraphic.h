#pragma once
// GGraphic: every visible thing. A graphic is an event handler and a list of sub-graphics,
// placed in its owner by a position, a size and anchor rules, drawn in the owner's virtual
// coordinates, coloured, framed by adorners, and linked to dependents redrawn with it.
#include "pendrel/framework/geometry.h"
#include "pendrel/framework/geventhandler.h"

class GAdorner;
class GDrawingSurface;
class GWindow;

// Flags in the top bits of a position given at creation: the anchor of that axis.
namespace ganchor {
// The flags as a graphic keeps them (XAnchor(), YAnchor()): counted in pixels from the owner's
// display origin, measured to the far edge (right or bottom), to the centre.
inline constexpr int kPixelsFlag = 1;
inline constexpr int kFarEdgeFlag = 2;
inline constexpr int kCentreFlag = 4;
inline constexpr long kPixels = long{kPixelsFlag} << 28;
inline constexpr long kRight = long{kFarEdgeFlag} << 28;
inline constexpr long kCentre = long{kCentreFlag} << 28;
// A position counted in pixels from the owner's display origin.
constexpr long Pixels(long value) {
    return value | kPixels;
}
} // namespace ganchor

// Flags in bits 28 and 29 of a size given at creation.
namespace gsize {
inline constexpr long kPixels = 1L << 28;
inline constexpr long kMargin = 1L << 29;
// A size in device pixels, not scaled with the owner.
constexpr long Pixels(long value) {
    return value | kPixels;
}
} // namespace gsize

// A position or size given at creation without its flag bits; negative values carry no flags.
inline long PlainCreationValue(long value) {
    return value < 0 ? value : value & ~0x70000000L;
}

namespace gcmd {
inline constexpr int kClear = 160;
inline constexpr int kCut = 161;
inline constexpr int kCopy = 162;
inline constexpr int kPaste = 163;
inline constexpr int kLock = 193;
inline constexpr int kUnlock = 194;
inline constexpr int kToFront = 196;
inline constexpr int kToBack = 197;
inline constexpr int kGroup = 198;
inline constexpr int kUngroup = 199;
inline constexpr int kToggleShown = 200;
inline constexpr int kWidthUnits = 201;
inline constexpr int kHeightUnits = 202;
inline constexpr int kGrow = 209;
inline constexpr int kShrink = 210;
} // namespace gcmd

// How a graphic maps the coordinates of its sub-graphics onto the device: display origin and
// extents, virtual origin and extents, and its display rectangle.
struct GFactors {
    long dx0 = 0;
    long dy0 = 0;
    long dw = 1;
    long dh = 1;
    long vx0 = 0;
    long vy0 = 0;
    long vw = 1;
    long vh = 1;
    Grect display;
    bool hasDisplay = false;

    long ToDisplayX(long x) const;
    long ToDisplayY(long y) const;
    long ToVirtualX(long x) const;
    long ToVirtualY(long y) const;
    long WidthToDisplay(long w) const;
    long HeightToDisplay(long h) const;
    long WidthToVirtual(long w) const;
    long HeightToVirtual(long h) const;
};

class GGraphic : public GEventHandler {
public:
    GGraphic() = default;
    // x and y may carry anchor flags, width and height size flags.
    GGraphic(long x, long y, long width, long height);
    ~GGraphic() override;

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GGraphic>();
    }
    static constexpr GClassID kClassID = gid::kGraphic;
    GClassID GetClassID() const override { return kClassID; }
    bool IsGraphic() const override { return true; }

    // Geometry
    long X() const { return x_; }
    long Y() const { return y_; }
    int XAnchor() const { return xAnchor_; }
    int YAnchor() const { return yAnchor_; }
    // Where a position given with this graphic's anchors lies on the display.
    Gpoint AnchoredDisplayPoint(long x, long y) const;
    long Width() const { return width_; }
    long Height() const { return height_; }
    void SetSize(long width, long height);
    void SetSizeLimits(long minWidth, long minHeight, long maxWidth, long maxHeight);
    const Grect& DisplayRect() const { return display_; }
    Gpoint Centre() const { return centre_; }
    // The owner's factors, or the identity for a graphic without a graphic owner.
    GFactors OwnerFactors() const;
    // The factors this graphic gives its sub-graphics: a plain graphic passes its owner's on.
    virtual GFactors Factors() const;
    // Computes the display rectangle from the position, the size and the owner's factors.
    virtual void CalculatePickArea();
    // Display pixels back to the owner's virtual units.
    long ApplyFactorsX(long displayX) const { return OwnerFactors().ToVirtualX(displayX); }
    long ApplyFactorsY(long displayY) const { return OwnerFactors().ToVirtualY(displayY); }

    // Moves (ignored when the position is locked); a drawn graphic is redrawn once.
    void MoveAbs(long x, long y);
    void MoveRel(long dx, long dy);
    // Sets the position alone: no lock, no redraw (for layouts and grouping).
    void Place(long x, long y) {
        x_ = x;
        y_ = y;
    }
    // Changes how the position is measured (the anchor bits 1 pixels, 2 far edge, 4 centre).
    void SetAnchors(int xAnchor, int yAnchor) {
        xAnchor_ = xAnchor & 7;
        yAnchor_ = yAnchor & 7;
    }
    // Resizes from the anchor corner to a new corner.
    void ReDefine(long x, long y);
    // Switches the width (height) between pixel and virtual units, keeping its extent.
    void ToggleWidthUnits();
    void ToggleHeightUnits();

    // Colour
    long Color() const { return color_; }
    void SetColor(long color);
    void Dim();
    void UnDim();

    // Drawing
    GWindow* Window() const;
    bool IsShown() const;
    bool IsDrawn() const;
    // Marks the graphic shown and draws it when its window is there.
    void Show();
    // Takes the graphic off the screen, keeping it shown in the model.
    void Hide();
    virtual void Redraw();
    // Where the graphic is drawn: its display rectangle, with its selection handles when it
    // shows them.
    virtual Grect DrawnArea() const;
    void Batch();
    void EndBatch();
    // Hides a drawn graphic and starts a batch; true when it was drawn.
    bool IfDrawnHideAndBatch();
    void ShowAndEndBatch(bool wasDrawn);
    // Draws the graphic, its sub-graphics and adorners onto the surface.
    virtual void Display(GDrawingSurface& surface);
    // The graphic's own picture; sub-graphics draw themselves.
    virtual void Paint(GDrawingSurface& surface) { (void)surface; }
    // Draws the frame of the display rectangle in tracing mode (twice erases it).
    void DrawOutline();
    virtual bool ContainsPoint(Gpoint point) const { return display_.Contains(point); }
    // A graphic whose sub-graphics show only inside it (the frame of a scroll view).
    virtual bool ClipsContents() const { return false; }
    // The deepest shown graphic under the point, this one, or none.
    virtual GGraphic* PickAt(Gpoint point);

    // Adorners and dependents
    GList* Adorners() const { return adorners_.get(); }
    void AddAdorner(std::unique_ptr<GAdorner> adorner);
    void Add3DAdorners(long light, long dark);
    GList* Dependents() const { return dependents_.get(); }
    void AddDependent(GGraphic* dependent);
    void RemoveDependent(GGraphic* dependent);
    int DependentReferences() const { return dependentReferences_; }
    bool HasMutualDependencies(const GGraphic* other) const;
    void RemoveMutualDependencies(GGraphic* other);

    // Events
    void MouseEvent(int type, long x, long y) override;
    void MenuEvent(int command) override;
    void DoSetupMenus(GEventHandler* focus) override;
    void ObjectEvent(G0* object) override;
    // Takes a dropped graphic: converts its size, places it at the mouse, inserts and shows it.
    virtual void AcceptDrop(GGraphic* graphic);
    // Where the last press lay inside the graphic, in tenths of its width and height (0..9).
    Gpoint PressTenths() const { return {editing_.across, editing_.down}; }
    bool IsBeingEdited() const { return editing_.active; }
    // Writes a copy into the paste buffer (when copyable and not protected).
    void CopyToPasteBuffer();
    // Deletes the graphic unless it is protected; true when it is gone.
    bool Clear();

    // Named properties 11..16 besides the key and status.
    std::optional<GPropertyInfo> GetPropertyInfo(int number) const override;
    std::optional<GPropertyValue> GetPropertyValue(int number) const override;
    bool SetPropertyValue(int number, const GPropertyValue& value) override;

    void Send(GStream& stream) const override;
    bool Receive(GStream& stream) override;

protected:
    // The line of a graphic runs from its anchor corner to the opposite one.
    Gpoint StartPoint() const { return start_; }
    Gpoint EndPoint() const { return end_; }
    GGraphic* OwnerGraphic() const;
    void SetDisplayRect(const Grect& r);

private:
    void SetPositionFlags(long x, long y);
    long ClampWidth(long w, const GFactors& f);
    long ClampHeight(long h, const GFactors& f);
    Gpoint AnchoredDisplayPoint(long x, long y, const GFactors& f) const;
    void DisplayAdorners(GDrawingSurface& surface);
    void SetDrawnDeep(bool drawn);

    long x_ = 0;
    long y_ = 0;
    int xAnchor_ = 0;
    int yAnchor_ = 0;
    long width_ = 0;
    long height_ = 0;
    long color_ = 0xFFFFFF;
    long minWidth_ = 0;
    long minHeight_ = 0;
    long maxWidth_ = 0x7FFFFFF;
    long maxHeight_ = 0x7FFFFFF;
    std::unique_ptr<GList> adorners_;
    std::unique_ptr<GList> dependents_;
    int dependentReferences_ = 0;
    Grect display_;
    Gpoint centre_;
    Gpoint start_;
    Gpoint end_;
    bool hidden_ = false;

    // Mouse editing in progress.
    struct Editing {
        bool active = false;
        bool stretching = false;
        Gpoint press;
        long x = 0;
        long y = 0;
        int across = 0;
        int down = 0;
    } editing_;
};

// Makes a graphic owned by another, in the owner's colour, and returns it.
template <class T, class... Args> T* MakeGraphic(GGraphic& owner, Args&&... args) {
    auto graphic = std::make_unique<T>(std::forward<Args>(args)...);
    graphic->SetColor(owner.Color());
    T* raw = graphic.get();
    owner.InsertOwned(std::move(graphic));
    return raw;
}
