// Which graphics show selection handles, where the handles sit, and dragging the grip.
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gactiontool.h"
#include "pendrel/framework/gobjectview.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"
#include "pendrel/framework/selection_handles.h"

#include <gtest/gtest.h>

namespace {

// A 300 × 200 window with an object view over its left 200 pixels (counting in pixels) and a
// plain view on the right.
struct Handles : ::testing::Test {
    GWindow window{GWindow::kDocumentWindow, 0, 0, 300, 200};
    GObjectView* view = MakeGraphic<GObjectView>(window, 0, 0, 200, 200);
    GView* side = MakeGraphic<GView>(window, 200, 0, 100, 200);
    GRectangle* shape = MakeGraphic<GRectangle>(*view, 50, 50, 40, 20);
    Handles() {
        for (GGraphic* g : {static_cast<GGraphic*>(view), static_cast<GGraphic*>(side),
                            static_cast<GGraphic*>(shape)})
            g->SetProperty(gprop::kShown);
        window.Show();
        SetFocusedObject(&window);
    }
    ~Handles() override { SetFocusedObject(nullptr); }
    void Mouse(int type, long x, long y) {
        if (type == gmouse::kPress) window.NoteInput({x, y});
        window.NoteMouse({x, y});
        FocusedObject()->MouseEvent(type, x, y);
    }
};

} // namespace

TEST(HandleGeometry, HandlesCentreOnTheCornersAndWidenTheDrawnArea) {
    const Grect display{10, 20, 50, 40};
    const auto handles = ghandles::HandleRects(display);
    EXPECT_EQ(handles[ghandles::kTopLeft], (Grect{8, 18, 12, 22}));
    EXPECT_EQ(handles[ghandles::kTopRight], (Grect{48, 18, 52, 22}));
    EXPECT_EQ(handles[ghandles::kBottomLeft], (Grect{8, 38, 12, 42}));
    EXPECT_EQ(handles[ghandles::kBottomRight], (Grect{48, 38, 52, 42}));
    EXPECT_EQ(handles[0].Width(), ghandles::kSize);
    EXPECT_EQ(ghandles::AreaWithHandles(display), (Grect{8, 18, 52, 42}));
    EXPECT_TRUE(ghandles::AreaWithHandles(Grect::Empty()).IsEmpty());
}

TEST_F(Handles, OnlyEditedGraphicsTakeHandles) {
    EXPECT_TRUE(ghandles::TakesHandles(*shape));
    EXPECT_FALSE(ghandles::TakesHandles(*view)) << "the view edited in";
    EXPECT_FALSE(ghandles::TakesHandles(window));
    auto* outside = MakeGraphic<GRectangle>(*side, 10, 10, 20, 20);
    EXPECT_FALSE(ghandles::TakesHandles(*outside)) << "not in an object view";
    auto* part = MakeGraphic<GRectangle>(*shape, 1, 1, 5, 5);
    EXPECT_FALSE(ghandles::TakesHandles(*part)) << "a part of a graphic of the view";
    auto* tool = MakeOwned<GActionTool>(*view, 150, 150, 20, 20);
    EXPECT_FALSE(ghandles::TakesHandles(*tool));
    auto* filler = MakeGraphic<GView>(*view, 0, 0, 10, 10);
    filler->SetProperty(gprop::kFillOwner);
    EXPECT_FALSE(ghandles::TakesHandles(*filler));
}

TEST_F(Handles, HandlesShowOnlyWhileFocusedAndDrawn) {
    EXPECT_FALSE(ghandles::ShowsHandles(*shape));
    SetFocusedObject(shape);
    EXPECT_TRUE(ghandles::ShowsHandles(*shape));
    EXPECT_EQ(shape->DrawnArea(), ghandles::AreaWithHandles(shape->DisplayRect()));
    shape->Hide();
    EXPECT_FALSE(ghandles::ShowsHandles(*shape));
    EXPECT_EQ(shape->DrawnArea(), shape->DisplayRect());
}

TEST_F(Handles, DraggingTheGripFromOutsideStretchesTheGraphic) {
    SetFocusedObject(shape);
    const Grect r = shape->DisplayRect();
    // Just outside the lower right corner: nothing of the shape lies there, but the grip does.
    const Gpoint grip{r.right + 2, r.bottom + 2};
    ASSERT_TRUE(ghandles::OnStretchGrip(*shape, grip));
    Mouse(gmouse::kPress, grip.x, grip.y);
    Mouse(gmouse::kMove, grip.x + 30, grip.y + 10);
    Mouse(gmouse::kRelease, grip.x + 30, grip.y + 10);
    EXPECT_EQ(shape->X(), 50);
    EXPECT_EQ(shape->Y(), 50);
    EXPECT_EQ(shape->Width(), 72);
    EXPECT_EQ(shape->Height(), 32);
    EXPECT_EQ(FocusedObject(), shape) << "the focus stays on the stretched graphic";
}

TEST_F(Handles, TheGripOfAnUnfocusedOrSizeLockedGraphicStretchesNothing) {
    const Grect r = shape->DisplayRect();
    const Gpoint grip{r.right + 2, r.bottom + 2};
    EXPECT_FALSE(ghandles::OnStretchGrip(*shape, grip)) << "not focused";
    SetFocusedObject(shape);
    shape->SetProperty(gprop::kSizeLocked);
    EXPECT_FALSE(ghandles::OnStretchGrip(*shape, grip));
    Mouse(gmouse::kPress, grip.x, grip.y);
    Mouse(gmouse::kMove, grip.x + 30, grip.y + 10);
    Mouse(gmouse::kRelease, grip.x + 30, grip.y + 10);
    EXPECT_EQ(shape->Width(), 40);
    EXPECT_EQ(shape->Height(), 20);
    // The press went to what lay under it: the view, which started a rubber band.
    EXPECT_NE(FocusedObject(), shape);
}

TEST_F(Handles, OtherCornersAreMarksAndMoveTheGraphicLikeAnyPressOnIt) {
    SetFocusedObject(shape);
    const Grect r = shape->DisplayRect();
    Mouse(gmouse::kPress, r.left + 1, r.top + 1);
    Mouse(gmouse::kMove, r.left + 11, r.top + 6);
    Mouse(gmouse::kRelease, r.left + 11, r.top + 6);
    EXPECT_EQ(shape->X(), 60);
    EXPECT_EQ(shape->Y(), 55);
    EXPECT_EQ(shape->Width(), 40);
}
