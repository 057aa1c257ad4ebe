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
