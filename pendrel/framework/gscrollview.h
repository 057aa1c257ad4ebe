#pragma once
// GScrollView: a larger contents view seen through a framed window with scroll bars. The
// contents' position inside the frame is the scroll position; the arrows of the bars move it by
// about one frame, never past the contents' far edge and never past its origin.
#include "pendrel/framework/gobjectview.h"

class gscrollviewScrollBar;

class GScrollView : public GView {
public:
    // Scroll directions: the contents move left, right, down, up.
    static constexpr int kLeft = 1;
    static constexpr int kRight = 2;
    static constexpr int kUp = 3;
    static constexpr int kDown = 4;

    GScrollView() = default;
    // In pixels; the parts are built at once.
    GScrollView(long x, long y, long width, long height, bool vertical, bool horizontal);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GScrollView>();
    }
    static constexpr GClassID kClassID = gid::kScrollView;
    GClassID GetClassID() const override { return kClassID; }

    // Bar thickness for a view of this size: an eighth of the smaller side, 9..12 pixels.
    static long BarThickness(long width, long height);

    void InitializeOwnedObjects();
    void CalculatePickArea() override;
    GView* Frame() const;
    GObjectView* Contents() const;
    gscrollviewScrollBar* VerticalBar() const;
    gscrollviewScrollBar* HorizontalBar() const;

    // Puts the graphic into the contents below what is there and lets the contents grow.
    void Insert(GGraphic* graphic);
    // Any other object goes into the scroll view's own list, as InsertOwned puts its parts.
    using GView::Insert;
    // Puts an empty contents view of the frame's size in place of the old one.
    void ClearContents();
    // Makes the view (which leaves its owner) the contents, at the origin; the old contents
    // go.
    void SetContents(GObjectView* view);
    // Moves the contents by about one frame in the direction.
    void Scroll(int direction);
    // The contents' position inside the frame, in pixels.
    Gpoint ContentsPosition() const;

private:
    GObjectView* MakeContents();

    bool vertical_ = false;
    bool horizontal_ = false;
    GList parts_; // frame, contents, vertical bar, horizontal bar (none where absent)
};

// The frame: draws and picks its contents only inside itself.
class gscrollviewFrame : public GView {
public:
    using GView::GView;
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<gscrollviewFrame>();
    }
    void Display(GDrawingSurface& surface) override;
    GGraphic* PickAt(Gpoint point) override;
    bool ClipsContents() const override { return true; }
};

class gscrollviewScrollBar : public GView {
public:
    gscrollviewScrollBar() = default;
    gscrollviewScrollBar(long x, long y, long width, long height, long thickness, bool vertical);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<gscrollviewScrollBar>();
    }
    static constexpr GClassID kClassID = gid::kScrollBar;
    GClassID GetClassID() const override { return kClassID; }

    bool IsVertical() const { return vertical_; }
    // The arrow at the top or left end (1), at the bottom or right end (2).
    GGraphic* Arrow(int end) const;
    // Keeps the arrows at the ends of the bar, whatever its length.
    void CalculatePickArea() override;

private:
    bool vertical_ = false;
    long thickness_ = 0;
    GList arrows_;
};

class gscrollviewScrollArrow : public GView {
public:
    gscrollviewScrollArrow() = default;
    gscrollviewScrollArrow(long x, long y, long size, int direction);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<gscrollviewScrollArrow>();
    }
    static constexpr GClassID kClassID = gid::kScrollArrow;
    GClassID GetClassID() const override { return kClassID; }

    int Direction() const { return direction_; }
    // The scroll view the arrow belongs to.
    GScrollView* ScrollView() const;
    // Picked as a whole.
    GGraphic* PickAt(Gpoint point) override;
    // A release scrolls; a press on something else goes there.
    void MouseEvent(int type, long x, long y) override;

private:
    int direction_ = 0;
};
