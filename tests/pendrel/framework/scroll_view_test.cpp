#include "pendrel/framework/focus.h"
#include "pendrel/framework/gapp.h"
#include "pendrel/framework/gpopupview.h"
#include "pendrel/framework/gscrollview.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <gtest/gtest.h>

namespace {

struct ScrollWindow : ::testing::Test {
    GSys system;
    GApp app{&system};
    GWindow* window = app.GetNewWindow(nullptr, GWindow::kDocumentWindow, 0, 0, 300, 300);
    ScrollWindow() { window->Show(); }
    ~ScrollWindow() override { SetFocusedObject(nullptr); }

    GScrollView* Make(long w, long h, bool vertical = true, bool horizontal = true) {
        auto* view =
            MakeOwned<GScrollView>(*window, 0 | ganchor::kPixels, 0 | ganchor::kPixels,
                                   w | gsize::kPixels, h | gsize::kPixels, vertical, horizontal);
        view->SetProperty(gprop::kShown);
        view->Show();
        return view;
    }
    // Contents of the size, in pixels.
    static void Grow(GScrollView* view, long w, long h) {
        GObjectView* contents = view->Contents();
        contents->SetSize(w, h);
        contents->SetVirtualCoordinates(0, 0, w, h);
    }
    void Mouse(int type, long x, long y) {
        if (type == gmouse::kPress) window->NoteInput({x, y});
        window->NoteMouse({x, y});
        FocusedObject()->MouseEvent(type, x, y);
    }
};

} // namespace

TEST_F(ScrollWindow, BarThicknessFollowsTheSmallerSide) {
    EXPECT_EQ(GScrollView::BarThickness(200, 100), 12);
    EXPECT_EQ(GScrollView::BarThickness(60, 40), 9);
    EXPECT_EQ(GScrollView::BarThickness(800, 800), 12);
    GScrollView* wide = Make(200, 100);
    ASSERT_NE(wide->VerticalBar(), nullptr);
    ASSERT_NE(wide->HorizontalBar(), nullptr);
    wide->VerticalBar()->CalculatePickArea();
    const Grect bar = wide->VerticalBar()->DisplayRect();
    EXPECT_EQ(bar.right - bar.left, 12);
    EXPECT_EQ(bar.right, 198) << "2 pixels in from the right edge";
    EXPECT_EQ(bar.bottom, 100 - 17) << "short of the horizontal bar";
    GScrollView* small = Make(60, 40);
    small->VerticalBar()->CalculatePickArea();
    EXPECT_EQ(small->VerticalBar()->DisplayRect().right - small->VerticalBar()->DisplayRect().left,
              9);
    GScrollView* narrow = Make(25, 100);
    EXPECT_EQ(narrow->VerticalBar(), nullptr) << "no vertical bar at width 25";
    EXPECT_NE(narrow->HorizontalBar(), nullptr);
    GScrollView* vertical = Make(100, 100, true, false);
    EXPECT_EQ(vertical->HorizontalBar(), nullptr);
}

TEST_F(ScrollWindow, FrameLeavesRoomForTheBarsAndHoldsTheContents) {
    GScrollView* view = Make(200, 100);
    view->Frame()->CalculatePickArea();
    const Grect frame = view->Frame()->DisplayRect();
    EXPECT_EQ(frame.right, 200 - 17);
    EXPECT_EQ(frame.bottom, 100 - 17);
    ASSERT_NE(view->Contents(), nullptr);
    EXPECT_EQ(view->Contents()->Width(), 183);
    EXPECT_EQ(view->ContentsPosition(), (Gpoint{0, 0}));
    // Each bar has its two square arrows, one pixel short of its thickness on each side.
    auto* bar = view->VerticalBar();
    auto* top = dynamic_cast<gscrollviewScrollArrow*>(bar->Arrow(1));
    auto* bottom = dynamic_cast<gscrollviewScrollArrow*>(bar->Arrow(2));
    ASSERT_NE(top, nullptr);
    ASSERT_NE(bottom, nullptr);
    EXPECT_EQ(top->Direction(), GScrollView::kUp);
    EXPECT_EQ(bottom->Direction(), GScrollView::kDown);
    EXPECT_EQ(top->Width(), 10);
    EXPECT_EQ(top->ScrollView(), view);
    auto* left = dynamic_cast<gscrollviewScrollArrow*>(view->HorizontalBar()->Arrow(1));
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(left->Direction(), GScrollView::kLeft);
}

TEST_F(ScrollWindow, ScrollingStopsAtTheFarEdgeAndAtTheOrigin) {
    GScrollView* view = Make(200, 100); // frame 183 × 83
    Grow(view, 500, 300);
    view->Scroll(GScrollView::kLeft);
    EXPECT_EQ(view->ContentsPosition().x, -182) << "about one frame";
    view->Scroll(GScrollView::kLeft);
    view->Scroll(GScrollView::kLeft);
    EXPECT_EQ(view->ContentsPosition().x, 183 - 500) << "never past the far edge";
    view->Scroll(GScrollView::kRight);
    EXPECT_EQ(view->ContentsPosition().x, 183 - 500 + 184);
    view->Scroll(GScrollView::kRight);
    view->Scroll(GScrollView::kRight);
    EXPECT_EQ(view->ContentsPosition().x, 0) << "never past the origin";
    view->Scroll(GScrollView::kDown);
    EXPECT_EQ(view->ContentsPosition().y, -74);
    view->Scroll(GScrollView::kUp);
    EXPECT_EQ(view->ContentsPosition().y, 0);
    view->Scroll(GScrollView::kRight);
    EXPECT_EQ(view->ContentsPosition().x, 0) << "from the origin it stays";
    // Contents narrower than the frame go to F - C, which is positive.
    Grow(view, 100, 50);
    view->Scroll(GScrollView::kLeft);
    EXPECT_EQ(view->ContentsPosition().x, 83);
}

TEST_F(ScrollWindow, ArrowsScrollOnReleaseInTheirDirection) {
    GScrollView* view = Make(200, 100);
    Grow(view, 500, 300);
    auto* contents = view->Contents();
    auto* item = MakeGraphic<GRectangle>(*contents, 10, 10, 20, 20);
    item->Show();
    SetFocusedObject(window);
    view->VerticalBar()->CalculatePickArea();
    const Grect down = view->VerticalBar()->Arrow(2)->DisplayRect();
    Mouse(gmouse::kPress, down.left + 2, down.top + 2);
    EXPECT_EQ(FocusedObject(), view->VerticalBar()->Arrow(2)) << "the arrow is picked whole";
    EXPECT_EQ(view->ContentsPosition().y, 0) << "a press alone does not scroll";
    Mouse(gmouse::kRelease, down.left + 2, down.top + 2);
    EXPECT_LT(view->ContentsPosition().y, 0) << "the bottom arrow moves the contents up";
    // A press from the arrow on something else gives it the focus.
    Mouse(gmouse::kPress, 250, 250);
    EXPECT_EQ(FocusedObject(), window);
    // What lies outside the frame is neither picked nor shown.
    view->Scroll(GScrollView::kLeft);
    item->CalculatePickArea();
    EXPECT_LT(item->DisplayRect().right, 0);
    EXPECT_NE(window->PickAt({item->DisplayRect().left + 1, 20}), item);
}

TEST_F(ScrollWindow, InsertStacksGraphicsAndTheContentsGrow) {
    GScrollView* view = Make(100, 60, true, false);
    view->Insert(new GRectangle(0, 0, 40, 30));
    view->Insert(new GRectangle(0, 0, 40, 30));
    view->Insert(new GRectangle(0, 0, 40, 30));
    auto graphics = view->Contents()->OwnedObjects();
    ASSERT_EQ(graphics.size(), 3u);
    EXPECT_EQ(static_cast<GGraphic*>(graphics[2])->Y(), 60);
    EXPECT_GE(view->Contents()->Height(), 90);
    view->ClearContents();
    EXPECT_EQ(view->Contents()->Length(), 0);
    EXPECT_TRUE(view->Contents()->IsShown());
}

TEST_F(ScrollWindow, PopupsInsideTheContentsFitInsideTheFrame) {
    GScrollView* view = Make(200, 100);
    Grow(view, 400, 400);
    view->Redraw();
    view->Frame()->CalculatePickArea();
    const Grect frame = view->Frame()->DisplayRect();
    long target = 0;
    auto popupAt = [&](long height) {
        auto* popup =
            MakeOwned<GPopupView>(*view->Contents(), 20 | ganchor::kPixels, 80 | ganchor::kPixels,
                                  60 | gsize::kPixels, height | gsize::kPixels);
        popup->AddActionItem("one", &target, 1);
        popup->AddActionItem("two", &target, 2);
        popup->CalculatePickArea();
        return popup;
    };
    // Asked for near the frame's lower edge: moved up into the frame, not just the window.
    GPopupView* low = popupAt(50);
    EXPECT_TRUE(frame.Contains(low->DisplayRect()));
    EXPECT_EQ(low->DisplayRect().bottom, frame.bottom);
    // Taller than the frame: cut to it, its choices at their own distances from its top.
    GPopupView* tall = popupAt(150);
    const Grect shown = tall->DisplayRect();
    EXPECT_EQ(shown.top, frame.top);
    EXPECT_EQ(shown.bottom, frame.bottom);
    std::vector<long> tops;
    for (G0* object : tall->Objects())
        if (auto* choice = As<gpopupActionText>(object)) {
            choice->CalculatePickArea();
            tops.push_back(choice->DisplayRect().top - shown.top);
        }
    EXPECT_EQ(tops, (std::vector<long>{5, 19}));
}

TEST_F(ScrollWindow, APopupPastTheRightEdgeOpensToTheLeftAndLooksRight) {
    auto* popup = MakeOwned<GPopupView>(*window, 260 | ganchor::kPixels, 100 | ganchor::kPixels,
                                        80 | gsize::kPixels, 40 | gsize::kPixels);
    popup->Show();
    EXPECT_EQ(popup->DisplayRect(), (Grect{180, 92, 260, 132}));
    GArrow* pointer = popup->Pointer();
    ASSERT_EQ(pointer->Points().size(), 2u);
    EXPECT_GT(pointer->Points()[1].x, pointer->Points()[0].x) << "the head is on the right";
    EXPECT_EQ(pointer->X(), 80 - 9);
    EXPECT_EQ(pointer->Y(), 8);
    pointer->CalculatePickArea();
    EXPECT_TRUE(popup->DisplayRect().Contains(pointer->DisplayRect()));
    // Given room again, it goes back to its own side and looks left.
    popup->MoveAbs(100, 92);
    popup->Show();
    EXPECT_EQ(popup->DisplayRect().left, 100);
    EXPECT_LT(pointer->Points()[1].x, pointer->Points()[0].x);
    EXPECT_EQ(pointer->X(), 1);
}
