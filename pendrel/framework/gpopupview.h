#pragma once
// GPopupView: a small view that offers choices and goes away after use, with a pointer arrow
// at the height it was asked for; gpopupActionText: a choice that stores its value into a
// target when pressed. They are never stored.
#include "pendrel/framework/gview.h"
#include "pendrel/framework/primitives.h"

#include <string_view>

// Where a pop-up shows, in device pixels.
struct GPopupPlace {
    Grect frame;                 // the whole pop-up
    Grect shown;                 // the part of it drawn: the frame, cut to the area
    bool pointerOnRight = false; // the pointer sits on the right edge, looking right
    long pointerTop = 0;         // the pointer's top
};

// Places a pop-up whose described rectangle lies at the point it was asked for (its left edge,
// or its right edge when the pointer is on the right) inside the area it is seen through. The
// described place stays whenever it fits. Across, a pop-up that does not fit opens on the other
// side of the asked point when it fits there, else it moves left (right) as far as it must;
// down, it moves up (down) as far as it must. One larger than the area keeps its top left
// corner on the area's and is cut to it. The pointer stays at the asked height, 6 inside the
// shown part's edges. An empty area places nothing anew.
GPopupPlace PlacePopup(const Grect& described, Gpoint asked, bool pointerOnRight,
                       const Grect& area);

class GPopupView : public GView {
public:
    static constexpr long kPointerSize = 6;

    GPopupView() = default;
    // Placed at (x, y - 8); x and y may carry anchor flags, which place the pointer.
    GPopupView(long x, long y, long width, long height);

    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<GPopupView>();
    }
    static constexpr GClassID kClassID = gid::kPopupView;
    GClassID GetClassID() const override { return kClassID; }

    // A choice at (4, 5) below the previous ones: black when *target already equals value,
    // else grey. The target must live as long as the pop-up (its owner's field).
    GText* AddActionItem(std::string_view text, long* target, long value);
    // Any graphic, at x 10 below the previous ones.
    void AddAnotherChoice(std::unique_ptr<GGraphic> graphic);

    long AskedX() const { return askedX_; }
    long AskedY() const { return askedY_; }
    GArrow* Pointer() const { return pointer_; }
    // The pointer's height: the asked height relative to the top, kept 6 inside the edges
    // (as last placed).
    long PointerY() const;
    // Where the pop-up was last placed: wholly inside the area of its window it is seen
    // through, as far as it fits.
    const GPopupPlace& Placement() const { return place_; }
    // That area: the window's client area within every owner that clips its contents; empty
    // without a window.
    Grect VisibleArea() const;

    void CalculatePickArea() override;
    // The contents keep their places in the whole pop-up, even where it is cut to the area.
    GFactors Factors() const override;

    // A press or release outside gives the picked graphic the focus and closes the pop-up;
    // inside, the event goes to the graphic under the mouse.
    void MouseEvent(int type, long x, long y) override;
    void KeyEvent(int key) override;
    void Display(GDrawingSurface& surface) override;

    // Hides and destroys the pop-up; nothing may touch it afterwards.
    void Close();

private:
    long NextY() const;
    // The asked point in device pixels.
    Gpoint AskedDisplayPoint() const;
    void AimPointer();

    long askedX_ = 0;
    long askedY_ = 0;
    bool rightAnchored_ = false;
    GArrow* pointer_ = nullptr;
    GPopupPlace place_;
};

// Closes every pop-up the list holds.
void ClosePopupsIn(GList& owner);

class gpopupActionText : public GText {
public:
    gpopupActionText() = default;
    gpopupActionText(long x, long y, std::string_view text, long* target, long value);
    std::unique_ptr<G0> CreateUninitInstance() const override {
        return std::make_unique<gpopupActionText>();
    }
    static constexpr GClassID kClassID = gid::kActionText;
    GClassID GetClassID() const override { return kClassID; }

    // A press stores the value (even when it is the current one) and closes the pop-up.
    void MouseEvent(int type, long x, long y) override;
    long Value() const { return value_; }

private:
    long* target_ = nullptr;
    long value_ = 0;
};
