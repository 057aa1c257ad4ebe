#include "pendrel/framework/focus.h"
#include "pendrel/framework/gstream_memory.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gview.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/paste_buffer.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <gtest/gtest.h>

namespace {
struct Commands : ::testing::Test {
    GSys system;
    GWindow window{GWindow::kDocumentWindow, 0, 0, 400, 300};
    GView* view = MakeGraphic<GView>(window, ganchor::kPixels | 0, ganchor::kPixels | 0,
                                     gsize::kPixels | 200, gsize::kPixels | 100);
    GRectangle* a = MakeGraphic<GRectangle>(*view, 10, 10, 20, 20);
    GRectangle* b = MakeGraphic<GRectangle>(*view, 50, 50, 20, 20);
    Commands() {
        view->SetVirtualCoordinates(0, 0, 100, 100);
        window.Show();
        view->Show();
        a->Show();
        b->Show();
        SetFocusedObject(a);
    }
    ~Commands() override {
        ClearPasteBuffer();
        SetFocusedObject(nullptr);
    }
};
} // namespace

TEST_F(Commands, LockSetsAndUnlockClearsTheFourLockBits) {
    a->MenuEvent(gcmd::kLock);
    EXPECT_EQ(a->PropertyWord(gprop::kSelectorA) & 0xF, 0xF);
    a->DoSetupMenus(a);
    EXPECT_FALSE(system.MenuItemState(gcmd::kLock));
    EXPECT_TRUE(system.MenuItemState(gcmd::kUnlock));
    a->MenuEvent(gcmd::kUnlock);
    EXPECT_FALSE(a->IsSet(gprop::kPositionLocked));
    a->DoSetupMenus(a);
    EXPECT_TRUE(system.MenuItemState(gcmd::kLock));
    EXPECT_FALSE(system.MenuItemState(gcmd::kUnlock));
}

TEST_F(Commands, ToFrontAndToBackReorderTheOwner) {
    a->MenuEvent(gcmd::kToFront);
    EXPECT_EQ(view->Last(), a);
    a->MenuEvent(gcmd::kToBack);
    EXPECT_EQ(view->First(), a);
}

TEST_F(Commands, ClearDeletesUnlessProtected) {
    a->SetProperty(gprop::kProtected);
    a->MenuEvent(gcmd::kClear);
    EXPECT_TRUE(view->Holds(a));
    a->DoSetupMenus(a);
    EXPECT_FALSE(system.MenuItemState(gcmd::kClear));
    a->ResetProperty(gprop::kProtected);
    a->MenuEvent(gcmd::kClear);
    EXPECT_EQ(view->Length(), 1);
    EXPECT_EQ(FocusedObject(), &window) << "the focus goes back to the window";
}

TEST_F(Commands, CopyPutsAStreamWithAPixelSizedCloneIntoThePasteBuffer) {
    a->MenuEvent(gcmd::kCopy);
    EXPECT_EQ(GetFromPasteBuffer(), nullptr) << "not copyable";
    a->SetProperty(gprop::kCopyable);
    a->MenuEvent(gcmd::kCopy);
    auto* stream = dynamic_cast<GStreamMemory*>(GetFromPasteBuffer());
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(PasteBuffer().Length(), 1);
    stream->Rewind();
    auto copy = stream->ReceiveObject();
    ASSERT_TRUE(copy);
    auto* rect = dynamic_cast<GRectangle*>(copy.get());
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->Width(), 40);
    EXPECT_EQ(rect->Height(), 20);
    EXPECT_TRUE(rect->IsSet(gprop::kWidthPixels));
    EXPECT_TRUE(rect->IsSet(gprop::kHeightPixels));
    EXPECT_FALSE(a->IsSet(gprop::kWidthPixels)) << "the original keeps its units";
    EXPECT_EQ(view->Length(), 2) << "the clone is not left behind";
}

TEST_F(Commands, CutCopiesThenClearsButNeverAProtectedGraphic) {
    a->SetProperty(gprop::kCopyable);
    a->SetProperty(gprop::kProtected);
    a->MenuEvent(gcmd::kCut);
    EXPECT_TRUE(view->Holds(a));
    EXPECT_EQ(GetFromPasteBuffer(), nullptr);
    a->DoSetupMenus(a);
    EXPECT_FALSE(system.MenuItemState(gcmd::kCut));
    EXPECT_FALSE(system.MenuItemState(gcmd::kCopy));
    a->ResetProperty(gprop::kProtected);
    a->MenuEvent(gcmd::kCut);
    EXPECT_FALSE(view->Holds(a));
    EXPECT_NE(GetFromPasteBuffer(), nullptr);
}

TEST_F(Commands, ToggleShownHidesAndReleasesTheFocus) {
    a->MenuEvent(gcmd::kToggleShown);
    EXPECT_FALSE(a->IsShown());
    EXPECT_FALSE(a->IsDrawn());
    EXPECT_EQ(FocusedObject(), &window);
    a->MenuEvent(gcmd::kToggleShown);
    EXPECT_TRUE(a->IsShown());
    EXPECT_TRUE(a->IsDrawn());
}

TEST_F(Commands, UnhandledCommandsBubbleToTheOwners) {
    struct Recorder : GView {
        using GView::GView;
        int last = 0;
        void MenuEvent(int command) override { last = command; }
    };
    auto* recorder = MakeGraphic<Recorder>(window, 0, 0, 10, 10);
    auto* inner = MakeGraphic<GRectangle>(*recorder, 0, 0, 1, 1);
    inner->MenuEvent(450);
    EXPECT_EQ(recorder->last, 450);
}

TEST_F(Commands, ColourLockIgnoresColourChanges) {
    a->SetColor(0x0000FF);
    EXPECT_EQ(a->Color(), 0x0000FF);
    a->SetProperty(gprop::kColorLocked);
    a->SetColor(0x00FF00);
    EXPECT_EQ(a->Color(), 0x0000FF);
}

TEST_F(Commands, GraphicsTakeTheirOwnersColour) {
    view->SetColor(0x123456);
    auto* c = MakeGraphic<GEllipse>(*view, 0, 0, 1, 1);
    EXPECT_EQ(c->Color(), 0x123456);
    GRectangle orphan(0, 0, 1, 1);
    EXPECT_EQ(orphan.Color(), 0xFFFFFF);
}

TEST_F(Commands, NamedPropertiesOfGraphics) {
    EXPECT_EQ(a->GetPropertyInfo(15)->name, "RGB Color");
    EXPECT_EQ(a->GetPropertyInfo(15)->count, 3);
    EXPECT_EQ(a->GetPropertyInfo(16)->name, "Position");
    EXPECT_EQ(a->GetPropertyInfo(11)->name, "XPos");
    EXPECT_FALSE(a->GetPropertyInfo(17));
    EXPECT_EQ(a->GetPropertyInfo(1)->name, "Key");

    EXPECT_TRUE(a->SetPropertyValue(11, {{40}, {}}));
    EXPECT_EQ(a->X(), 40);
    EXPECT_EQ(a->Y(), 10);
    EXPECT_TRUE(a->SetPropertyValue(12, {{45}, {}}));
    EXPECT_EQ(a->X(), 40);
    EXPECT_EQ(a->Y(), 45);
    EXPECT_TRUE(a->SetPropertyValueFromASCII(16, "1 2"));
    EXPECT_EQ(a->X(), 1);
    EXPECT_EQ(a->Y(), 2);
    EXPECT_TRUE(a->SetPropertyValueFromASCII(15, "255 128 0"));
    EXPECT_EQ(a->Color(), 0x0080FF);
    EXPECT_EQ(a->PropertyValueInASCII(15), "255 128 0");
    EXPECT_TRUE(a->SetPropertyValue(13, {{77}, {}}));
    EXPECT_EQ(a->Width(), 77);
    EXPECT_FALSE(a->SetPropertyValue(15, {{1, 2}, {}})) << "three values are needed";
    EXPECT_TRUE(a->IsDrawn()) << "moves through properties redraw a drawn graphic";
    a->SetProperty(gprop::kPositionLocked);
    a->SetPropertyValue(16, {{9, 9}, {}});
    EXPECT_EQ(a->X(), 1);
}

TEST(Dependents, AreAddedOnceAndCounted) {
    GRectangle tie1(0, 0, 1, 1);
    GRectangle tie2(0, 0, 1, 1);
    GLine line(0, 0, 1, 1);
    GLine other(0, 0, 1, 1);
    tie1.AddDependent(&line);
    tie1.AddDependent(&line);
    EXPECT_EQ(tie1.Dependents()->Length(), 1);
    EXPECT_EQ(line.DependentReferences(), 1);
    tie2.AddDependent(&line);
    tie2.AddDependent(&other);
    EXPECT_EQ(line.DependentReferences(), 2);
    EXPECT_TRUE(tie1.HasMutualDependencies(&tie2));
    EXPECT_TRUE(tie2.HasMutualDependencies(&tie1));
    tie1.RemoveMutualDependencies(&tie2);
    EXPECT_FALSE(tie1.HasMutualDependencies(&tie2));
    EXPECT_EQ(line.DependentReferences(), 0);
    EXPECT_TRUE(tie2.Dependents()->Holds(&other));
}

TEST(Dependents, ADestroyedDependentLeavesTheList) {
    GRectangle tie(0, 0, 1, 1);
    {
        GLine line(0, 0, 1, 1);
        tie.AddDependent(&line);
    }
    EXPECT_EQ(tie.Dependents()->Length(), 0);
}
