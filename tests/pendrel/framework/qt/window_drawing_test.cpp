#include "pendrel/framework/focus.h"
#include "pendrel/framework/gview.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"
#include "pendrel/framework/qt/back_buffer.h"
#include "test_colors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {
using namespace test_colors;

struct BufferedWindow : ::testing::Test {
    GWindow window{GWindow::kDocumentWindow, 0, 0, 100, 80, std::make_unique<GBackBuffer>(1, 1)};
    GBackBuffer& buffer() { return *static_cast<GBackBuffer*>(window.Device()); }
    long At(long x, long y) { return buffer().PixelColor(x, y); }
    GRectangle* Rect(long x, long y, long w, long h, long color) {
        auto* r = MakeGraphic<GRectangle>(window, x, y, w, h);
        r->SetColor(color);
        r->Show();
        return r;
    }
    BufferedWindow() { window.Redraw(); }
    ~BufferedWindow() override { SetFocusedObject(nullptr); }
};
} // namespace

TEST_F(BufferedWindow, TheBackBufferHasTheClientSize) {
    EXPECT_EQ(buffer().Width(), 100);
    EXPECT_EQ(buffer().Height(), 80);
    EXPECT_EQ(At(50, 40), kWhite);
}

TEST_F(BufferedWindow, ShownGraphicsAreDrawnAndHiddenOnesErased) {
    auto* r = Rect(10, 10, 10, 10, kRed);
    EXPECT_EQ(At(10, 10), kRed);
    EXPECT_EQ(At(20, 20), kRed) << "a 10 × 10 graphic covers 11 pixels including its edges";
    EXPECT_EQ(At(21, 21), kWhite);
    r->Hide();
    EXPECT_EQ(At(15, 15), kWhite);
    EXPECT_FALSE(r->IsDrawn());
    EXPECT_TRUE(r->IsShown());
}

TEST_F(BufferedWindow, HidingKeepsWhatLiesUnderneath) {
    Rect(0, 0, 30, 30, kBlue);
    auto* top = Rect(10, 10, 10, 10, kRed);
    top->Hide();
    EXPECT_EQ(At(15, 15), kBlue);
    EXPECT_EQ(At(40, 40), kWhite);
}

TEST_F(BufferedWindow, MovingRedrawsAtTheNewPlace) {
    auto* r = Rect(10, 10, 5, 5, kRed);
    r->MoveAbs(50, 40);
    EXPECT_EQ(At(12, 12), kWhite);
    EXPECT_EQ(At(52, 42), kRed);
}

TEST_F(BufferedWindow, ColourChangesShowAtOnce) {
    auto* r = Rect(10, 10, 5, 5, kRed);
    r->SetColor(kBlue);
    EXPECT_EQ(At(12, 12), kBlue);
    r->Dim();
    EXPECT_NE(At(12, 12), kBlue);
    r->UnDim();
    EXPECT_EQ(At(12, 12), kBlue);
}

TEST_F(BufferedWindow, ResizingKeepsTheDrawingAtTheNewSize) {
    Rect(10, 10, 5, 5, kRed);
    window.WNDSizeChange({200, 150});
    EXPECT_EQ(buffer().Width(), 200);
    EXPECT_EQ(buffer().Height(), 150);
    EXPECT_EQ(At(12, 12), kRed);
    EXPECT_EQ(At(150, 120), kWhite);
    EXPECT_EQ(window.DisplayRect(), (Grect{0, 0, 200, 150}));
}

TEST_F(BufferedWindow, ViewsScaleTheirContents) {
    auto* view = MakeGraphic<GView>(window, ganchor::kPixels | 0, ganchor::kPixels | 0,
                                    gsize::kPixels | 100, gsize::kPixels | 80);
    view->SetVirtualCoordinates(0, 0, 10, 10);
    view->SetColor(kWhite);
    view->Show();
    auto* e = MakeGraphic<GEllipse>(*view, 5, 5, 2, 2);
    e->SetColor(kRed);
    e->Show();
    EXPECT_EQ(At(60, 48), kRed);
    EXPECT_EQ(At(45, 35), kWhite);
}

TEST_F(BufferedWindow, AdornersFrameTheGraphic) {
    auto* r = MakeGraphic<GRectangle>(window, 10, 10, 10, 10);
    r->SetColor(kWhite);
    r->Add3DAdorners(kRed, kBlue);
    r->Show();
    EXPECT_EQ(At(10, 15), kRed);
    EXPECT_EQ(At(15, 10), kRed);
    EXPECT_EQ(At(20, 15), kBlue);
    EXPECT_EQ(At(15, 20), kBlue);
    EXPECT_EQ(At(15, 15), kWhite);
}

TEST_F(BufferedWindow, DraggingShowsATracedOutlineAndMovesOnRelease) {
    auto* r = Rect(10, 10, 20, 20, kRed);
    window.NoteInput({15, 15});
    SetFocusedObject(&window);
    window.MouseEvent(gmouse::kPress, 15, 15);
    EXPECT_EQ(FocusedObject(), r);
    EXPECT_EQ(At(15, 15), kWhite) << "the graphic is hidden while it is dragged";
    EXPECT_NE(At(10, 10), kWhite) << "its outline is traced";
    r->MouseEvent(gmouse::kMove, 45, 35);
    EXPECT_EQ(At(10, 10), kWhite) << "the old outline is erased";
    EXPECT_NE(At(40, 30), kWhite);
    r->MouseEvent(gmouse::kRelease, 45, 35);
    EXPECT_EQ(r->X(), 40);
    EXPECT_EQ(r->Y(), 30);
    EXPECT_EQ(At(50, 40), kRed);
    EXPECT_EQ(At(15, 15), kWhite);
    EXPECT_EQ(At(40, 30), kRed) << "no outline is left behind";
}

TEST_F(BufferedWindow, PressingTheLowerRightCornerStretches) {
    auto* r = Rect(10, 10, 20, 20, kRed);
    window.NoteInput({28, 28});
    r->MouseEvent(gmouse::kPress, 28, 28);
    EXPECT_EQ(r->PressTenths(), (Gpoint{9, 9}));
    r->MouseEvent(gmouse::kMove, 60, 50);
    r->MouseEvent(gmouse::kRelease, 60, 50);
    EXPECT_EQ(r->X(), 10);
    EXPECT_EQ(r->Width(), 50);
    EXPECT_EQ(r->Height(), 40);
    EXPECT_EQ(At(59, 49), kRed);
}

TEST_F(BufferedWindow, ASizeLockedGraphicMovesInsteadOfStretching) {
    auto* r = Rect(10, 10, 20, 20, kRed);
    r->SetProperty(gprop::kSizeLocked);
    window.NoteInput({28, 28});
    r->MouseEvent(gmouse::kPress, 28, 28);
    r->MouseEvent(gmouse::kMove, 38, 28);
    r->MouseEvent(gmouse::kRelease, 38, 28);
    EXPECT_EQ(r->Width(), 20);
    EXPECT_EQ(r->X(), 20);
}

TEST_F(BufferedWindow, TextGraphicsDrawTheirText) {
    auto* text = MakeGraphic<GText>(window, 5, 5, 60, 20, "Hi", 14);
    text->SetColor(0);
    text->Show();
    int inked = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 70; ++x)
            inked += At(x, y) != kWhite;
    EXPECT_GT(inked, 10);
}

TEST_F(BufferedWindow, ACentredTextIsWrittenAroundItsCentreAndLeavesNothingBehind) {
    // A name text as boxes place theirs: centred on x 50, narrower than what it says.
    auto* text = MakeGraphic<GText>(window, 50 | ganchor::kCentre, 20, 20, 14, "MMMMMMMM");
    text->SetColor(kBlack);
    text->Show();
    const Grect r = text->DisplayRect();
    auto inked = [&](long from, long to) {
        std::vector<long> columns;
        for (long x = from; x <= to; ++x)
            for (long y = 0; y < 60; ++y)
                if (At(x, y) != kWhite) {
                    columns.push_back(x);
                    break;
                }
        return columns;
    };
    const std::vector<long> all = inked(0, 99);
    ASSERT_FALSE(all.empty());
    // As far past the left edge of its rectangle as past the right.
    EXPECT_LT(all.front(), r.left);
    EXPECT_GT(all.back(), r.right);
    EXPECT_LE(std::abs((all.front() + all.back()) / 2 - 50), 2);
    // A shorter text takes the longer one's place wholly.
    text->SetText("M");
    EXPECT_TRUE(inked(0, r.left - 1).empty());
    EXPECT_TRUE(inked(r.right + 1, 99).empty());
    EXPECT_FALSE(inked(r.left, r.right).empty());
    // Moved away, nothing of it stays behind either.
    text->SetText("MMMMMMMM");
    text->MoveAbs(50, 50);
    for (long x = 0; x < 100; ++x)
        for (long y = 15; y < 40; ++y)
            ASSERT_EQ(At(x, y), kWhite) << x << "," << y;
}

TEST_F(BufferedWindow, GraphicsReferringToEachOtherAreDrawnOnce) {
    auto* left = Rect(10, 10, 5, 5, kRed);
    auto* right = Rect(40, 10, 5, 5, kBlue);
    left->Insert(right);
    right->Insert(left);
    window.Redraw();
    EXPECT_EQ(At(12, 12), kRed);
    EXPECT_EQ(At(42, 12), kBlue);
    EXPECT_EQ(window.PickAt({42, 12}), right);
}
