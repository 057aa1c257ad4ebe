// Pop-up views: placement and pointer, choices that store their value, closing on a click
// outside.
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gpopupview.h"

#include <gtest/gtest.h>

namespace {

int Popups(const GList& list) {
    int n = 0;
    for (G0* object : list.Objects())
        n += object->GetClassID() == gid::kPopupView;
    return n;
}

} // namespace

TEST(PopupView, PlacedAboveTheAskedPointWithItsPointer) {
    GView owner(0, 0, 300, 300);
    owner.CalculatePickArea(); // one pixel per unit
    auto* left = MakeOwned<GPopupView>(owner, 40, 100, 80, 60);
    left->CalculatePickArea();
    EXPECT_EQ(left->X(), 40);
    EXPECT_EQ(left->Y(), 92);
    EXPECT_EQ(left->AskedY(), 100);
    EXPECT_EQ(left->Pointer()->X(), 1);
    EXPECT_EQ(left->PointerY(), 8); // the asked height, relative to the top
    auto* right = MakeOwned<GPopupView>(owner, 40 | ganchor::kRight, 5, 80, 60);
    right->CalculatePickArea();
    EXPECT_EQ(right->Pointer()->X(), 80 - 9);
    EXPECT_EQ(right->PointerY(), 8);
    // Moved away from the asked point, the pointer stays 6 inside the pop-up's edges.
    auto* low = MakeOwned<GPopupView>(owner, 0, 300, 80, 20);
    low->MoveAbs(0, 250);
    EXPECT_EQ(low->PointerY(), 14);
    low->MoveAbs(0, 310);
    EXPECT_EQ(low->PointerY(), 6);
    EXPECT_TRUE(left->IsSet(0x10040)); // never stored
}

// Placing a pop-up inside the area it is seen through: a 400 × 180 client area.
TEST(PopupPlacement, TheDescribedPlaceStaysWheneverItFits) {
    const Grect area{0, 0, 399, 179};
    const Grect described{100, 20, 200, 100};
    const GPopupPlace place = PlacePopup(described, {100, 28}, false, area);
    EXPECT_EQ(place.frame, described);
    EXPECT_EQ(place.shown, described);
    EXPECT_FALSE(place.pointerOnRight);
    EXPECT_EQ(place.pointerTop, 28);
    // Touching the area's last row and column still fits.
    const Grect corner{299, 99, 399, 179};
    EXPECT_EQ(PlacePopup(corner, {299, 107}, false, area).frame, corner);
    // Without an area (no window yet) nothing moves.
    const GPopupPlace loose = PlacePopup({350, 150, 450, 350}, {350, 158}, false, Grect::Empty());
    EXPECT_EQ(loose.frame, (Grect{350, 150, 450, 350}));
    EXPECT_EQ(loose.pointerTop, 158);
}

TEST(PopupPlacement, NearTheBottomOrTopItMovesUpOrDownAndThePointerStaysAtTheAskedHeight) {
    const Grect area{0, 0, 399, 179};
    const GPopupPlace low = PlacePopup({218, 112, 318, 192}, {218, 120}, false, area);
    EXPECT_EQ(low.frame, (Grect{218, 99, 318, 179}));
    EXPECT_EQ(low.shown, low.frame);
    EXPECT_EQ(low.pointerTop, 120);
    const GPopupPlace high = PlacePopup({50, -5, 150, 75}, {50, 3}, false, area);
    EXPECT_EQ(high.frame, (Grect{50, 0, 150, 80}));
    EXPECT_EQ(high.pointerTop, 6) << "kept 6 inside the top edge";
    // Asked for below the area (its box partly out of sight): the pointer keeps to the bottom.
    const GPopupPlace below = PlacePopup({200, 242, 300, 292}, {200, 250}, false, area);
    EXPECT_EQ(below.frame, (Grect{200, 129, 300, 179}));
    EXPECT_EQ(below.pointerTop, 179 - 6);
}

TEST(PopupPlacement, NearASideItOpensOnTheOtherSideOfTheAskedPointOrMovesIn) {
    const Grect area{0, 0, 399, 179};
    // Past the right edge: to the left of the point, looking right.
    const GPopupPlace right = PlacePopup({350, 20, 450, 100}, {350, 28}, false, area);
    EXPECT_EQ(right.frame, (Grect{250, 20, 350, 100}));
    EXPECT_TRUE(right.pointerOnRight);
    // A pop-up opening to the left past the left edge: to the right, looking left.
    const GPopupPlace left = PlacePopup({-60, 20, 40, 100}, {40, 28}, true, area);
    EXPECT_EQ(left.frame, (Grect{40, 20, 140, 100}));
    EXPECT_FALSE(left.pointerOnRight);
    // Room on neither side: moved left just far enough, its pointer where it was.
    const Grect narrow{0, 0, 149, 179};
    const GPopupPlace moved = PlacePopup({60, 20, 160, 100}, {60, 28}, false, narrow);
    EXPECT_EQ(moved.frame, (Grect{49, 20, 149, 100}));
    EXPECT_FALSE(moved.pointerOnRight);
    // The lower right corner: both at once.
    const GPopupPlace corner = PlacePopup({350, 150, 450, 230}, {350, 158}, false, area);
    EXPECT_EQ(corner.frame, (Grect{250, 99, 350, 179}));
    EXPECT_TRUE(corner.pointerOnRight);
    EXPECT_EQ(corner.pointerTop, 158);
}

TEST(PopupPlacement, OneLargerThanTheAreaKeepsItsTopLeftCornerOnTheAreasAndIsCut) {
    const Grect area{0, 0, 399, 179};
    // Taller: from the area's top, cut at its bottom.
    const GPopupPlace tall = PlacePopup({218, 112, 318, 312}, {218, 120}, false, area);
    EXPECT_EQ(tall.frame, (Grect{218, 0, 318, 200}));
    EXPECT_EQ(tall.shown, (Grect{218, 0, 318, 179}));
    EXPECT_EQ(tall.pointerTop, 120);
    // Larger both ways, inside an area that does not start at the origin.
    const Grect small{10, 10, 59, 59};
    const GPopupPlace large = PlacePopup({30, 30, 130, 230}, {30, 38}, false, small);
    EXPECT_EQ(large.frame, (Grect{10, 10, 110, 210}));
    EXPECT_EQ(large.shown, small);
    EXPECT_EQ(large.pointerTop, 38);
    EXPECT_TRUE(small.Contains(large.shown));
}

TEST(PopupView, PopupsAreViewsAndTheirChoicesTexts) {
    GView owner(0, 0, 300, 300);
    long target = 0;
    auto* popup = MakeOwned<GPopupView>(owner, 0, 0, 80, 60);
    GText* choice = popup->AddActionItem("one", &target, 1);
    // Walks over graphics find both through the class tables.
    EXPECT_EQ(As<GView>(static_cast<G0*>(popup)), popup);
    EXPECT_EQ(As<GText>(static_cast<G0*>(choice)), choice);
    EXPECT_EQ(As<GPopupView>(static_cast<G0*>(choice)), nullptr);
    EXPECT_EQ(choice->FindOwnershipFrom<GPopupView>(), popup);
}

TEST(PopupView, ChoicesAreListedAndStoreTheirValue) {
    GView owner(0, 0, 300, 300);
    long target = 2;
    auto* popup = MakeOwned<GPopupView>(owner, 0, 0, 80, 60);
    GText* one = popup->AddActionItem("one", &target, 1);
    GText* two = popup->AddActionItem("two", &target, 2);
    EXPECT_EQ(one->X(), 4);
    EXPECT_EQ(one->Y(), 5);
    EXPECT_GT(two->Y(), one->Y());
    EXPECT_EQ(one->Color(), 0x444444);
    EXPECT_EQ(two->Color(), 0x000000); // the current value
    // Pressing the current choice stores it all the same and closes the pop-up.
    target = 7;
    SetPickedObject(two);
    two->MouseEvent(gmouse::kPress, 0, 0);
    EXPECT_EQ(target, 2);
    EXPECT_EQ(Popups(owner), 0);
}

TEST(PopupView, AClickOutsideClosesWithoutStoring) {
    GView owner(0, 0, 300, 300);
    auto* elsewhere = MakeOwned<GRectangle>(owner, 200, 200, 10, 10);
    long target = 5;
    auto* popup = MakeOwned<GPopupView>(owner, 0, 0, 80, 60);
    popup->AddActionItem("one", &target, 1);
    SetPickedObject(popup);
    popup->MouseEvent(gmouse::kPress, 1, 1); // on the pop-up itself: nothing
    popup->MouseEvent(gmouse::kMove, 1, 1);
    EXPECT_EQ(Popups(owner), 1);
    SetPickedObject(elsewhere);
    popup->MouseEvent(gmouse::kPress, 205, 205);
    EXPECT_EQ(Popups(owner), 0);
    EXPECT_EQ(target, 5);
    EXPECT_EQ(FocusedObject(), elsewhere);
    SetPickedObject(nullptr);
    SetFocusedObject(nullptr);
}
