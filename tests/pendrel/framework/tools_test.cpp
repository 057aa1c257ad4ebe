#include "pendrel/framework/colors.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gactiontool.h"
#include "pendrel/framework/gapp.h"
#include "pendrel/framework/gdrawing_tools.h"
#include "pendrel/framework/gobjectview.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <gtest/gtest.h>

namespace {

constexpr long kRed = 0x0000FF;

// A drawing view on the left of a 300 × 200 window and a palette strip on the right.
struct Palette : ::testing::Test {
    GSys system;
    GApp app{&system};
    GWindow* window = app.GetNewWindow(nullptr, GWindow::kDocumentWindow, 0, 0, 300, 200);
    GObjectView* view = MakeGraphic<GObjectView>(*window, 0, 0, 200, 200);
    GView* strip = MakeGraphic<GView>(*window, 200, 0, 100, 200);
    Palette() {
        window->Show();
        view->Show();
        strip->Show();
        SetFocusedObject(view);
    }
    ~Palette() override { SetFocusedObject(nullptr); }
    void Mouse(int type, long x, long y) {
        if (type == gmouse::kPress) window->NoteInput({x, y});
        window->NoteMouse({x, y});
        FocusedObject()->MouseEvent(type, x, y);
    }
    void Click(long x, long y) {
        Mouse(gmouse::kPress, x, y);
        Mouse(gmouse::kRelease, x, y);
    }
    template <class T, class... Args> T* Tool(Args&&... args) {
        auto* tool = MakeOwned<T>(*strip, std::forward<Args>(args)...);
        tool->Show();
        return tool;
    }
};

struct ToolRecorder : GEventHandler {
    std::vector<int> commands;
    void MenuEvent(int command) override { commands.push_back(command); }
};

} // namespace

TEST_F(Palette, ToolsAreLockedProtectedAndPickedWhole) {
    auto* tool = Tool<GLabeledMenuButton>(450, "Run", 0, 0, 40, 20);
    EXPECT_TRUE(tool->IsTool());
    EXPECT_TRUE(tool->IsSet(0x1003F));
    EXPECT_TRUE(tool->IsSet(gprop::kPassDrop));
    tool->MoveAbs(250, 50);
    EXPECT_EQ(tool->X(), 0) << "a tool stays where its palette put it";
    EXPECT_FALSE(tool->Clear());
    tool->CalculatePickArea();
    EXPECT_EQ(window->PickAt({205, 5}), tool) << "its label is part of it";
    EXPECT_EQ(tool->LabelText(), "Run");
    ASSERT_NE(tool->Label(), nullptr);
    EXPECT_EQ(tool->Label()->Color(), tool->Color());
}

TEST_F(Palette, MenuButtonsSendTheirCommandToWhatHadTheFocus) {
    auto* button = Tool<GMenuButton>(999, 0, 0, 40, 20);
    auto* target = MakeGraphic<GRectangle>(*view, 10, 10, 20, 20);
    target->Show();
    ToolRecorder recorder;
    SetFocusedObject(&recorder);
    SetFocusedObject(button); // the press hands the focus over on its way
    button->MouseEvent(gmouse::kPress, 205, 5);
    window->NoteInput({205, 5});
    EXPECT_EQ(button->Remembered(), &recorder);
    EXPECT_EQ(recorder.commands, std::vector<int>{999});
    button->MouseEvent(gmouse::kRelease, 205, 5);
    EXPECT_EQ(FocusedObject(), &recorder) << "the release gives the focus back";
    EXPECT_EQ(button->Clicks(), 1);
    // Sent to the owner instead when asked to.
    struct Owner : GView {
        using GView::GView;
        std::vector<int> commands;
        void MenuEvent(int command) override { commands.push_back(command); }
    };
    auto* owner = MakeGraphic<Owner>(*window, 200, 100, 100, 100);
    owner->Show();
    auto* inside = MakeOwned<GMenuButton>(*owner, 7, 0, 0, 40, 20);
    inside->Show();
    inside->SetSendToOwner(true);
    SetFocusedObject(view);
    Mouse(gmouse::kPress, 205, 105);
    EXPECT_EQ(owner->commands, std::vector<int>{7});
    Mouse(gmouse::kRelease, 205, 105);
}

TEST_F(Palette, DisabledCommandsAreNotIssuedByButtons) {
    auto* button = Tool<GMenuButton>(451, 0, 0, 40, 20);
    struct Disabling : ToolRecorder {
        void DoSetupMenus(GEventHandler*) override { EventEnable(451, false); }
    } disabling;
    SetFocusedObject(&disabling);
    SetFocusedObject(button);
    button->MouseEvent(gmouse::kPress, 205, 5);
    EXPECT_TRUE(disabling.commands.empty());
}

TEST_F(Palette, DualStateButtonsAlternateLabelsAndCommands) {
    auto* button = Tool<GDualStateMenuButton>(1, "One", 2, "Two", 0, 0, 40, 20);
    ToolRecorder recorder;
    EXPECT_TRUE(button->State());
    EXPECT_EQ(button->LabelText(), "One");
    for (int i = 0; i < 3; ++i) {
        SetFocusedObject(&recorder);
        SetFocusedObject(button);
        button->MouseEvent(gmouse::kPress, 205, 5);
        button->MouseEvent(gmouse::kRelease, 205, 5);
    }
    EXPECT_EQ(recorder.commands, (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(button->LabelText(), "Two");
    EXPECT_FALSE(button->State());
}

TEST_F(Palette, ARectangleTakesTheBucketsRedWhileLinesKeepThePen) {
    auto* bucket = Tool<GBucketTool>(10 | ganchor::kPixels, 100 | ganchor::kPixels,
                                     40 | gsize::kPixels, 17 | gsize::kPixels);
    auto* pen = Tool<GPenTool>(55 | ganchor::kPixels, 100 | ganchor::kPixels, 40 | gsize::kPixels,
                               17 | gsize::kPixels);
    EXPECT_EQ(bucket->SampleColor(), 0xFFFFFF) << "samples start white";
    pen->SetSampleColor(0x000000);
    Tool<GColorTool>(10, 150, 10, 10, kRed);
    auto* rectangle = Tool<GDrawingTool>(10, 10, 17, 17, std::make_unique<GRectangle>(0, 0, 0, 0));
    auto* line = Tool<GDrawingTool>(30, 10, 17, 17, std::make_unique<GLine>(0, 0, 0, 0));
    rectangle->SetColorModel(bucket->Sample());
    line->SetColorModel(pen->Sample());
    // The bucket's sample takes the focus; the red cell colours it.
    Click(220, 105);
    EXPECT_EQ(FocusedObject(), bucket->Sample());
    Click(212, 152);
    EXPECT_EQ(bucket->SampleColor(), kRed);
    EXPECT_EQ(FocusedObject(), bucket->Sample()) << "the focus returns to the sample";
    // A rectangle drawn by pressing and dragging.
    Click(215, 15);
    EXPECT_TRUE(rectangle->IsArmed());
    Mouse(gmouse::kPress, 40, 40);
    ASSERT_NE(rectangle->Shape(), nullptr);
    GGraphic* drawn = rectangle->Shape();
    Mouse(gmouse::kMove, 90, 70);
    Mouse(gmouse::kRelease, 90, 70);
    EXPECT_EQ(drawn->Owner(), view);
    EXPECT_EQ(drawn->Color(), kRed);
    EXPECT_EQ(drawn->X(), 40);
    EXPECT_EQ(drawn->Width(), 50);
    EXPECT_EQ(drawn->Height(), 30);
    EXPECT_EQ(FocusedObject(), drawn);
    // A line keeps the pen's colour.
    Click(235, 15);
    Mouse(gmouse::kPress, 100, 100);
    GGraphic* stroke = line->Shape();
    ASSERT_NE(stroke, nullptr);
    Mouse(gmouse::kMove, 60, 150);
    Mouse(gmouse::kRelease, 60, 150);
    EXPECT_EQ(stroke->Color(), 0x000000);
    EXPECT_EQ(stroke->XAnchor() & 2, 2) << "drawn leftwards, measured from its right end";
    // A selected shape takes a cell's colour too.
    SetFocusedObject(stroke);
    Click(212, 152);
    EXPECT_EQ(stroke->Color(), kRed);
}

TEST_F(Palette, AToolWithoutPrototypeDrawsNothing) {
    auto* none = Tool<GDrawingTool>(10, 10, 17, 17, nullptr);
    Click(215, 15);
    Mouse(gmouse::kPress, 40, 40);
    EXPECT_EQ(none->Shape(), nullptr);
    EXPECT_EQ(view->Length(), 0);
}

TEST_F(Palette, FreehandAddsAPointOnlyAtRootSevenPixels) {
    auto* freehand =
        Tool<GContPolyDrawingTool>(10, 10, 17, 17, std::make_unique<GPolyline>(0, 0, 1, 1));
    Click(215, 15);
    Mouse(gmouse::kPress, 50, 50);
    GPolyline* shape = freehand->Shape();
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->Points().size(), 1u);
    Mouse(gmouse::kMove, 52, 50);
    EXPECT_EQ(shape->Points().size(), 1u) << "2 pixels add nothing";
    Mouse(gmouse::kMove, 53, 50);
    EXPECT_EQ(shape->Points().size(), 2u) << "3 pixels add a point";
    Mouse(gmouse::kMove, 55, 52);
    EXPECT_EQ(shape->Points().size(), 3u) << "2 and 2 make 8";
    Mouse(gmouse::kRelease, 55, 52);
    EXPECT_EQ(shape->Points().size(), 3u) << "the release point is there already";
    // The position and size span the points.
    EXPECT_EQ(shape->X(), 50);
    EXPECT_EQ(shape->Width(), 5);
}

TEST_F(Palette, APolygonIsEndedByPressingATool) {
    auto* polygon = Tool<GPolyDrawingTool>(10, 10, 17, 17, std::make_unique<GPolygon>(0, 0, 1, 1));
    auto* other = Tool<GDrawingTool>(30, 10, 17, 17, std::make_unique<GLine>(0, 0, 0, 0));
    Click(215, 15);
    Click(20, 20);
    GPolyline* shape = polygon->Shape();
    ASSERT_NE(shape, nullptr);
    Mouse(gmouse::kMove, 80, 30);
    Click(80, 30);
    Click(50, 90);
    EXPECT_EQ(shape->Points().size(), 3u);
    EXPECT_EQ(shape->X(), 20);
    EXPECT_EQ(shape->Height(), 70);
    Mouse(gmouse::kPress, 235, 15);
    EXPECT_EQ(polygon->Shape(), nullptr) << "the shape is finished";
    EXPECT_EQ(FocusedObject(), other) << "the press went on to the tool";
    EXPECT_TRUE(shape->IsShown());
    EXPECT_EQ(view->Length(), 1);
}

TEST(PaletteColors, GreysThenHuesInThreeSaturations) {
    const std::vector<long> colors = PaletteColors(4, 3);
    ASSERT_EQ(colors.size(), 12u);
    EXPECT_EQ(colors[0], 0xFFFFFF);
    EXPECT_EQ(colors[3], 0x000000);
    EXPECT_EQ(colors[1], HSVToColor(0, 0, 2.0 / 3.0));
    // m = 8 cells after the first row: hues 0, 135 and 270 degrees at 0.95, then fading.
    EXPECT_EQ(colors[4], HSVToColor(0, 0.95, 1));
    EXPECT_EQ(colors[5], HSVToColor(0, 1 - 1.0 / 3.0, 1));
    EXPECT_EQ(colors[6], HSVToColor(0, 1 - 2.0 / 3.0, 1));
    EXPECT_EQ(colors[7], HSVToColor(135, 0.95, 1));
    EXPECT_EQ(colors[10], HSVToColor(270, 0.95, 1));
}

TEST(PaletteColors, CellsFillTheViewWithTheLeftoverSplitAround) {
    GPaletteView palette(0, 0, 96, 44);
    palette.SetAllColors();
    const auto cells = palette.Cells();
    // (96 - 4 + 2) / 12 = 7 per row, (44 - 4 + 2) / 12 = 3 rows.
    ASSERT_EQ(cells.size(), 21u);
    EXPECT_EQ(cells[0]->X(), 2 + (96 - 4 - 82) / 2);
    EXPECT_EQ(cells[1]->X() - cells[0]->X(), 12);
    EXPECT_EQ(cells[7]->Y() - cells[0]->Y(), 12);
    EXPECT_EQ(cells[0]->Color(), 0xFFFFFF);
    EXPECT_EQ(cells[6]->Color(), 0x000000);
    palette.SetAllColors();
    EXPECT_EQ(palette.Cells().size(), 21u) << "laid out afresh, not added to";
}
