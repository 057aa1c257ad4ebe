#include "pendrel/framework/gview.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <gtest/gtest.h>

namespace {
// A window without a device, holding a view 200 × 100 pixels wide at (10, 20) whose virtual
// extent is 100 × 100.
struct InView : ::testing::Test {
    GWindow window{GWindow::kDocumentWindow, 0, 0, 400, 300};
    GView* view = MakeGraphic<GView>(window, ganchor::kPixels | 10, ganchor::kPixels | 20,
                                     gsize::kPixels | 200, gsize::kPixels | 100);
    InView() {
        view->SetVirtualCoordinates(0, 0, 100, 100);
        view->CalculatePickArea();
    }
    template <class T = GRectangle> T* Make(long x, long y, long w, long h) {
        auto* g = MakeGraphic<T>(*view, x, y, w, h);
        g->CalculatePickArea();
        return g;
    }
};
} // namespace

TEST_F(InView, ViewsPlacedInPixelsFromTheOwnersOrigin) {
    EXPECT_EQ(view->DisplayRect(), (Grect{10, 20, 210, 120}));
    EXPECT_TRUE(view->IsSet(gprop::kWidthPixels));
    EXPECT_TRUE(view->IsSet(gprop::kHeightPixels));
}

TEST_F(InView, CentreAnchorSpreadsHalfTheWidthEachSide) {
    auto* g = Make(ganchor::kCentre | 50, 0, 20, 10);
    EXPECT_EQ(g->DisplayRect().left - view->DisplayRect().left, 80);
    EXPECT_EQ(g->DisplayRect().right - view->DisplayRect().left, 120);
    EXPECT_EQ(g->Centre().x, 110);
    EXPECT_EQ(g->XAnchor(), 4);
    EXPECT_EQ(g->X(), 50) << "flags are not part of the position";
}

TEST_F(InView, RightAnchorEndsAtThePosition) {
    auto* g = Make(ganchor::kRight | 50, ganchor::kRight | 50, 10, 10);
    EXPECT_EQ(g->DisplayRect(), (Grect{90, 60, 110, 70}));
}

TEST_F(InView, PixelPositionsAndSizesAreNotScaled) {
    auto* g = Make(ganchor::kPixels | 5, ganchor::kPixels | 6, gsize::kPixels | 7, 10);
    EXPECT_EQ(g->DisplayRect(), (Grect{15, 26, 22, 36}));
}

TEST_F(InView, MarginsReachToTheOwnersFarEdges) {
    auto* g = Make(0, 0, gsize::kMargin | 10, gsize::kMargin | gsize::kPixels | 5);
    EXPECT_TRUE(g->IsSet(gprop::kWidthMargin));
    EXPECT_TRUE(g->IsSet(gprop::kHeightMargin));
    // The margins are taken as display widths after scaling: 10 virtual units are 20 pixels.
    EXPECT_EQ(g->DisplayRect().right, 210 - 20);
    EXPECT_EQ(g->DisplayRect().bottom, 120 - 5);
}

TEST_F(InView, FillOwnerTakesTheViewsRectangle) {
    auto* g = Make(30, 30, 1, 1);
    g->SetProperty(gprop::kFillOwner);
    g->CalculatePickArea();
    EXPECT_EQ(g->DisplayRect(), view->DisplayRect());
}

TEST_F(InView, ReversedVirtualExtentFlipsTheAxis) {
    view->SetVirtualCoordinates(GView::kUnchanged, 100, GView::kUnchanged, 0);
    auto* g = Make(0, 0, 10, 10);
    EXPECT_EQ(g->DisplayRect().bottom, 120) << "y 0 is now the bottom edge";
    EXPECT_EQ(g->DisplayRect().top, 110);
    EXPECT_EQ(view->VirtualLeft(), 0);
}

TEST_F(InView, InverseMappingTruncates) {
    auto* g = Make(0, 0, 10, 10);
    EXPECT_EQ(g->ApplyFactorsX(10 + 101), 50);
    EXPECT_EQ(g->ApplyFactorsX(10 + 100), 50);
    EXPECT_EQ(g->ApplyFactorsY(20 + 99), 99);
    EXPECT_EQ(g->ApplyFactorsX(10), 0);
}

TEST_F(InView, SizeLimitsClampAndUpdateTheStoredSize) {
    auto* g = Make(0, 0, 50, 50);
    g->SetSizeLimits(0, 0, 40, 1000);
    g->CalculatePickArea();
    EXPECT_EQ(g->DisplayRect().Width() - 1, 40);
    EXPECT_EQ(g->Width(), 20) << "40 pixels back in virtual units";
    EXPECT_EQ(g->Height(), 50);
}

TEST_F(InView, ReDefineSwitchesToTheRightEdgeAnchorAndBack) {
    auto* g = Make(50, 50, 10, 10);
    g->ReDefine(30, 60);
    EXPECT_EQ(g->XAnchor(), 2);
    EXPECT_EQ(g->Width(), 20);
    EXPECT_EQ(g->YAnchor(), 0);
    EXPECT_EQ(g->Height(), 10);
    EXPECT_EQ(g->DisplayRect().left, 10 + 60);
    EXPECT_EQ(g->DisplayRect().right, 10 + 100);
    g->ReDefine(70, 40);
    EXPECT_EQ(g->XAnchor(), 0);
    EXPECT_EQ(g->Width(), 20);
    EXPECT_EQ(g->YAnchor(), 2);
    EXPECT_EQ(g->Height(), 10);
}

TEST_F(InView, MovesAreIgnoredWhenThePositionIsLocked) {
    auto* g = Make(10, 10, 5, 5);
    g->SetProperty(gprop::kPositionLocked);
    g->MoveAbs(40, 40);
    g->MoveRel(3, 3);
    EXPECT_EQ(g->X(), 10);
    EXPECT_EQ(g->Y(), 10);
    g->ResetProperty(gprop::kPositionLocked);
    g->MoveRel(3, -2);
    EXPECT_EQ(g->X(), 13);
    EXPECT_EQ(g->Y(), 8);
    g->MoveAbs(40, 41);
    EXPECT_EQ(g->DisplayRect().left, 10 + 80);
}

TEST_F(InView, UnitTogglesKeepTheExtent) {
    auto* g = Make(0, 0, 30, 10);
    g->MenuEvent(gcmd::kWidthUnits);
    EXPECT_TRUE(g->IsSet(gprop::kWidthPixels));
    EXPECT_EQ(g->Width(), 60);
    g->CalculatePickArea();
    EXPECT_EQ(g->DisplayRect().right, 10 + 60);
    g->MenuEvent(gcmd::kWidthUnits);
    EXPECT_EQ(g->Width(), 30);
    g->MenuEvent(gcmd::kHeightUnits);
    EXPECT_EQ(g->Height(), 10);
    EXPECT_TRUE(g->IsSet(gprop::kHeightPixels));
}

TEST_F(InView, GrowAndShrinkByATenthUnlessLocked) {
    auto* g = Make(0, 0, 30, 50);
    g->MenuEvent(gcmd::kGrow);
    EXPECT_EQ(g->Width(), 33);
    EXPECT_EQ(g->Height(), 55);
    g->MenuEvent(gcmd::kShrink);
    EXPECT_EQ(g->Width(), 30);
    EXPECT_EQ(g->Height(), 50);
    g->MenuEvent(gcmd::kLock);
    g->MenuEvent(gcmd::kGrow);
    EXPECT_EQ(g->Width(), 30);
}

TEST_F(InView, GroupsCarryTheirMembersAlong) {
    auto* group = Make<GGroup>(20, 20, 30, 30);
    auto* member = MakeGraphic<GRectangle>(*group, 5, 5, 10, 10);
    member->CalculatePickArea();
    EXPECT_EQ(member->DisplayRect().left, 10 + 50);
    group->MoveAbs(30, 20);
    member->CalculatePickArea();
    EXPECT_EQ(member->DisplayRect().left, 10 + 70);
}

TEST_F(InView, PickingFindsTheTopmostDeepestShownGraphic) {
    auto* below = Make(0, 0, 50, 50);
    auto* above = Make(10, 10, 50, 50);
    below->SetProperty(gprop::kShown);
    view->SetProperty(gprop::kShown);
    EXPECT_EQ(window.PickAt({10 + 30, 20 + 30}), below) << "hidden graphics are not picked";
    above->SetProperty(gprop::kShown);
    EXPECT_EQ(window.PickAt({10 + 30, 20 + 30}), above);
    EXPECT_EQ(window.PickAt({10 + 5, 20 + 5}), below);
    EXPECT_EQ(window.PickAt({300, 250}), &window);
    EXPECT_EQ(window.PickAt({10 + 150, 20 + 90}), view);
}
