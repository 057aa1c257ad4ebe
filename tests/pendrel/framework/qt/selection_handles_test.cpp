// The focused graphic's handles on real pixels: they come with the focus, go with it, follow
// the graphic when it moves and leave nothing behind.
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gobjectview.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"
#include "pendrel/framework/qt/back_buffer.h"
#include "pendrel/framework/selection_handles.h"
#include "test_colors.h"

#include <gtest/gtest.h>

namespace {
using namespace test_colors;

// A 200 × 150 window holding an object view that counts in pixels, with two red squares.
struct HandlesOnScreen : ::testing::Test {
    GWindow window{GWindow::kDocumentWindow, 0, 0, 200, 150, std::make_unique<GBackBuffer>(1, 1)};
    GObjectView* view = MakeGraphic<GObjectView>(window, 0, 0, 200, 150);
    GRectangle* first = Square(40, 40);
    GRectangle* second = Square(120, 40);

    GRectangle* Square(long x, long y) {
        auto* r = MakeGraphic<GRectangle>(*view, x, y, 30, 30);
        r->SetColor(kRed);
        r->SetProperty(gprop::kShown);
        return r;
    }
    long At(long x, long y) { return static_cast<GBackBuffer*>(window.Device())->PixelColor(x, y); }
    HandlesOnScreen() {
        view->SetColor(kWhite);
        view->SetProperty(gprop::kShown);
        SetFocusedObject(&window);
        window.Redraw();
    }
    ~HandlesOnScreen() override { SetFocusedObject(nullptr); }
};
} // namespace

TEST_F(HandlesOnScreen, TheFocusedGraphicShowsFourHandlesOnItsCorners) {
    EXPECT_EQ(At(38, 38), kWhite) << "no handles before the focus";
    SetFocusedObject(first);
    const Grect r = first->DisplayRect();
    // Each handle is a black frame; the corner pixel outside the graphic is on that frame.
    EXPECT_EQ(At(r.left - 2, r.top - 2), kBlack);
    EXPECT_EQ(At(r.right + 2, r.top - 2), kBlack);
    EXPECT_EQ(At(r.left - 2, r.bottom + 2), kBlack);
    EXPECT_EQ(At(r.right + 2, r.bottom + 2), kBlack);
    // The hollow handles are white inside; the stretching grip is filled.
    EXPECT_EQ(At(r.left, r.top), kWhite);
    EXPECT_EQ(At(r.right, r.bottom), kBlack);
    // The middle of the graphic is untouched.
    EXPECT_EQ(At((r.left + r.right) / 2, (r.top + r.bottom) / 2), kRed);
}

TEST_F(HandlesOnScreen, HandlesGoWithTheFocus) {
    SetFocusedObject(first);
    const Grect a = first->DisplayRect();
    SetFocusedObject(second);
    const Grect b = second->DisplayRect();
    EXPECT_EQ(At(a.left - 2, a.top - 2), kWhite) << "the old handles are erased";
    EXPECT_EQ(At(a.right, a.bottom), kRed) << "and the graphic under them drawn again";
    EXPECT_EQ(At(b.left - 2, b.top - 2), kBlack);
    SetFocusedObject(view);
    EXPECT_EQ(At(b.left - 2, b.top - 2), kWhite) << "the view being edited shows no handles";
}

TEST_F(HandlesOnScreen, HandlesFollowAMoveAndLeaveNothingBehind) {
    SetFocusedObject(first);
    const Grect before = first->DisplayRect();
    first->MoveAbs(60, 90);
    const Grect after = first->DisplayRect();
    EXPECT_EQ(At(before.left - 2, before.top - 2), kWhite);
    EXPECT_EQ(At(before.right + 2, before.bottom + 2), kWhite);
    EXPECT_EQ(At(after.left - 2, after.top - 2), kBlack);
    EXPECT_EQ(At(after.right + 2, after.bottom + 2), kBlack);
}

TEST_F(HandlesOnScreen, ASizeLockedGraphicShowsAHollowGrip) {
    first->SetProperty(gprop::kSizeLocked);
    SetFocusedObject(first);
    const Grect r = first->DisplayRect();
    EXPECT_EQ(At(r.right + 2, r.bottom + 2), kBlack);
    EXPECT_EQ(At(r.right, r.bottom), kWhite);
}

TEST_F(HandlesOnScreen, RedrawingUnderASelectionKeepsItsHighlightTrueToItsState) {
    view->Select(first);
    const Grect r = first->DisplayRect();
    const long highlighted = At(r.left, r.top);
    EXPECT_NE(highlighted, kRed) << "the highlight traces the graphic's edge";
    // The focus moving onto and off the selected graphic draws its area again.
    SetFocusedObject(first);
    SetFocusedObject(&window);
    EXPECT_EQ(At(r.left, r.top), highlighted);
    view->Deselect(first);
    EXPECT_EQ(At(r.left, r.top), kRed) << "taking the highlight off leaves no trace";
    EXPECT_EQ(At(r.right, r.bottom), kRed);
}
