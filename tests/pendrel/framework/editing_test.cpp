#include "stream_bytes.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gapp.h"
#include "pendrel/framework/gobjectview.h"
#include "pendrel/framework/gstream_memory.h"
#include "pendrel/framework/gstring.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gtextbox.h"
#include "pendrel/framework/gtool.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/paste_buffer.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <gtest/gtest.h>

namespace {
// An object view covering a 200 × 200 window one to one, with two shown rectangles.
struct ViewEditing : ::testing::Test {
    GSys system;
    GApp app{&system};
    GWindow* window = app.GetNewWindow(nullptr, GWindow::kDocumentWindow, 0, 0, 200, 200);
    GObjectView* view = MakeGraphic<GObjectView>(*window, 0, 0, 200, 200);
    GRectangle* a = MakeGraphic<GRectangle>(*view, 10, 10, 20, 20);
    GRectangle* b = MakeGraphic<GRectangle>(*view, 100, 100, 20, 20);
    ViewEditing() {
        window->Show();
        view->Show();
        a->Show();
        b->Show();
        SetFocusedObject(view);
    }
    ~ViewEditing() override {
        ClearPasteBuffer();
        SetFocusedObject(nullptr);
    }
    void Mouse(int type, long x, long y) {
        if (type == gmouse::kPress) window->NoteInput({x, y});
        window->NoteMouse({x, y});
        FocusedObject()->MouseEvent(type, x, y);
    }
};
} // namespace

TEST_F(ViewEditing, RubberBandSelectsWhatLiesWhollyInside) {
    Mouse(gmouse::kPress, 5, 5);
    EXPECT_EQ(view->RubberBand(), (Grect{5, 5, 9, 9}));
    Mouse(gmouse::kMove, 50, 50);
    EXPECT_TRUE(view->Selection().Holds(a));
    EXPECT_FALSE(view->Selection().Holds(b));
    Mouse(gmouse::kMove, 150, 150);
    EXPECT_EQ(view->Selection().Length(), 2);
    Mouse(gmouse::kMove, 25, 150);
    EXPECT_EQ(view->Selection().Length(), 0) << "graphics leaving the band are deselected";
    Mouse(gmouse::kMove, 150, 150);
    Mouse(gmouse::kRelease, 150, 150);
    EXPECT_TRUE(view->RubberBand().IsEmpty());
    EXPECT_EQ(view->Selection().Length(), 2);
    Mouse(gmouse::kPress, 180, 5);
    EXPECT_EQ(view->Selection().Length(), 0) << "a new band starts with an empty selection";
}

TEST_F(ViewEditing, APressOnAGraphicGivesItTheFocus) {
    Mouse(gmouse::kPress, 15, 15);
    EXPECT_EQ(FocusedObject(), a);
    EXPECT_TRUE(view->RubberBand().IsEmpty());
    Mouse(gmouse::kRelease, 15, 15);
}

TEST_F(ViewEditing, ClearDeletesTheSelectionButNotProtectedGraphics) {
    view->Select(a);
    view->Select(b);
    b->SetProperty(gprop::kProtected);
    view->MenuEvent(gcmd::kClear);
    EXPECT_FALSE(view->Holds(a));
    EXPECT_TRUE(view->Holds(b));
    EXPECT_EQ(view->Selection().Length(), 0);
}

TEST_F(ViewEditing, CopyLeavesTheGraphicsAndFillsThePasteBufferWithAGroup) {
    view->Select(a);
    view->Select(b);
    view->DoSetupMenus(view);
    EXPECT_TRUE(system.MenuItemState(gcmd::kCopy));
    EXPECT_FALSE(system.MenuItemState(gcmd::kToFront));
    view->MenuEvent(gcmd::kCopy);
    EXPECT_TRUE(view->Holds(a));
    EXPECT_TRUE(view->Holds(b));
    EXPECT_EQ(a->X(), 10);
    EXPECT_EQ(b->Y(), 100);
    auto* stream = dynamic_cast<GStreamMemory*>(GetFromPasteBuffer());
    ASSERT_NE(stream, nullptr);
    stream->Rewind();
    auto copy = stream->ReceiveObject();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetClassID(), gid::kGroup);
    EXPECT_EQ(static_cast<GList*>(copy.get())->Length(), 2);

    view->ClearSelection();
    view->DoSetupMenus(view);
    EXPECT_FALSE(system.MenuItemState(gcmd::kCopy));
}

TEST_F(ViewEditing, CutCopiesAndDeletesAndPasteDropsUnderTheMouse) {
    view->Select(a);
    view->MenuEvent(gcmd::kCut);
    EXPECT_FALSE(view->Holds(a));
    EXPECT_EQ(view->Length(), 1);
    window->NoteInput({150, 20});
    app.Paste();
    ASSERT_EQ(view->Length(), 2);
    auto* pasted = static_cast<GGraphic*>(view->Last());
    EXPECT_EQ(pasted->GetClassID(), gid::kGroup);
    EXPECT_EQ(pasted->X(), 150);
    EXPECT_EQ(pasted->Y(), 20);
    EXPECT_TRUE(pasted->IsShown());
    EXPECT_EQ(pasted->Width(), 20) << "the pixel size is converted back into view units";
}

TEST_F(ViewEditing, GroupKeepsWhereThingsAreDrawnAndTakesTheFocus) {
    a->CalculatePickArea();
    const Grect before = a->DisplayRect();
    view->Select(a);
    view->Select(b);
    view->MenuEvent(gcmd::kGroup);
    ASSERT_EQ(view->Length(), 1);
    auto* group = static_cast<GGroup*>(view->First());
    EXPECT_EQ(FocusedObject(), group);
    EXPECT_EQ(group->Length(), 2);
    a->CalculatePickArea();
    EXPECT_EQ(a->DisplayRect(), before);
    group->MoveRel(5, 0);
    a->CalculatePickArea();
    EXPECT_EQ(a->DisplayRect().left, before.left + 5);
    group->MenuEvent(gcmd::kUngroup);
    EXPECT_EQ(view->Length(), 2);
    EXPECT_EQ(a->X(), 15);
    EXPECT_EQ(a->Owner(), view);
}

TEST_F(ViewEditing, DropsPassUpThroughGraphicsThatAskForIt) {
    a->SetProperty(gprop::kPassDrop);
    auto* part = MakeGraphic<GRectangle>(*a, 0, 0, 1, 1);
    window->NoteInput({60, 70});
    auto stays = std::make_unique<GEllipse>(0, 0, 1, 1);
    part->ObjectEvent(stays.get());
    EXPECT_EQ(stays->Owner(), part) << "a graphic without the pass bit takes the drop";
    (void)stays.release();
    auto dropped = std::make_unique<GEllipse>(0, 0, gsize::kPixels | 10, gsize::kPixels | 10);
    a->ObjectEvent(dropped.get());
    EXPECT_EQ(dropped->Owner(), view) << "the rectangle passed the drop to the view";
    EXPECT_EQ(dropped->X(), 60);
    EXPECT_FALSE(dropped->IsSet(gprop::kWidthPixels));
    (void)dropped.release();

    auto kept = std::make_unique<GEllipse>(0, 0, 1, 1);
    kept->SetProperty(gprop::kNoPassDrop);
    a->ObjectEvent(kept.get());
    EXPECT_EQ(kept->Owner(), a) << "the dropped graphic refused to be passed on";
    (void)kept.release();
}

TEST_F(ViewEditing, AViewGrowsToHoldWhatIsDroppedOutsideIt) {
    window->NoteInput({190, 190});
    auto big = std::make_unique<GRectangle>(0, 0, 50, 50);
    view->ObjectEvent(big.get());
    (void)big.release();
    EXPECT_EQ(view->VirtualRight(), 240);
    EXPECT_EQ(view->Width(), 240);
}

TEST_F(ViewEditing, CreationToolsDropCopiesOfTheirPrototype) {
    auto* palette = MakeGraphic<GView>(*window, 0, 150, 40, 40);
    palette->Show();
    auto* tool =
        MakeGraphic<GCreateTool>(*palette, 0, 0, 40, 40, std::make_unique<GEllipse>(0, 0, 0, 0));
    tool->Show();
    EXPECT_EQ(tool->Prototype()->Width(), GCreateTool::kDefaultSize);
    GRectangle sample(0, 0, 5, 5);
    sample.SetColor(0x0000FF);
    tool->SetColorModel(&sample);
    Mouse(gmouse::kPress, 10, 160);
    EXPECT_EQ(FocusedObject(), tool);
    EXPECT_FALSE(tool->IsArmed());
    Mouse(gmouse::kRelease, 10, 160);
    EXPECT_TRUE(tool->IsArmed());
    Mouse(gmouse::kPress, 60, 60);
    ASSERT_NE(tool->Created(), nullptr);
    GGraphic* made = tool->Created();
    EXPECT_EQ(made->Owner(), view);
    EXPECT_EQ(made->GetClassID(), gid::kEllipse);
    EXPECT_EQ(made->Color(), 0x0000FF);
    EXPECT_TRUE(made->IsShown());
    EXPECT_EQ(made->X(), 60);
    Mouse(gmouse::kRelease, 60, 60);
    EXPECT_EQ(FocusedObject(), made);
}

TEST_F(ViewEditing, AnUnarmedToolPassesThePressOn) {
    auto* tool =
        MakeGraphic<GCreateTool>(*window, 0, 150, 40, 40, std::make_unique<GEllipse>(0, 0, 5, 5));
    tool->Show();
    SetFocusedObject(tool);
    Mouse(gmouse::kPress, 15, 15);
    EXPECT_EQ(FocusedObject(), a);
    EXPECT_EQ(view->Length(), 2);
    Mouse(gmouse::kRelease, 15, 15);
}

TEST(TextBoxes, WordsAndLinesFollowTheLineLimit) {
    GTextBox box(0, 0, 100, 20);
    EXPECT_EQ(box.LineLimit(), 1);
    box.AddWord("a");
    EXPECT_EQ(box.GetText(), "a");
    EXPECT_EQ(box.LineCount(), 1);
    box.AddWord("b");
    EXPECT_EQ(box.GetText(), "ab");
    box.AddLine("c");
    EXPECT_EQ(box.GetText(), "c") << "at the limit the next line replaces the text";
    box.SetLineLimit(3);
    box.AddLine("d");
    box.AddLine("");
    EXPECT_EQ(box.GetText(), "c\nd\n");
    EXPECT_EQ(box.LineCount(), 3);
    box.Trim();
    EXPECT_EQ(box.GetText(), "c\nd");
    box.ClearText();
    EXPECT_EQ(box.GetText(), "");
}

TEST(TextBoxes, StreamBodyEndsWithAReferenceToItsText) {
    GTextBox box(0, 0, 100, 20);
    box.SetLineLimit(4);
    box.AddWord("hi");
    GStreamMemory stream;
    stream.SendObject(&box);
    const std::string bytes(stream.Bytes());
    const std::string tail =
        StreamBytes().Short(4).Short(1).Reference(box.TextGraphic()->Serial()).str();
    EXPECT_EQ(bytes.substr(bytes.size() - tail.size()), tail);
    stream.Rewind();
    auto copy = stream.ReceiveObject();
    ASSERT_TRUE(copy);
    auto* read = static_cast<GTextBox*>(copy.get());
    EXPECT_EQ(read->GetText(), "hi");
    EXPECT_EQ(read->LineLimit(), 4);
    EXPECT_EQ(read->TextGraphic(), read->First());
}

TEST(TextBoxes, AReferenceToATextOutsideTheBoxIsRefused) {
    GString stranger("x");
    GStreamMemory stream;
    stream.SendObject(&stranger);
    StreamBytes body;
    body.Short(gid::kTextBox).Header(9).Long(0).Long(0).Char(0).Long(0).Char(0).Long(1).Long(1);
    body.Long(0xFFFFFF).Short(0).Long(0).Long(0).Long(1).Long(1).Long(0);
    body.Short(1).Short(0).Reference(stranger.Serial());
    stream.SendBytes(body.str().data(), static_cast<long>(body.str().size()));
    stream.Rewind();
    auto string = stream.ReceiveObject();
    auto box = stream.ReceiveObject();
    ASSERT_TRUE(box);
    EXPECT_EQ(static_cast<GTextBox*>(box.get())->TextGraphic(), nullptr);
    static_cast<GTextBox*>(box.get())->AddWord("safe");
}

TEST(InputBoxes, TypedCharactersBuildLines) {
    struct Lines : GInputBox {
        using GInputBox::GInputBox;
        std::vector<std::string> processed;
        void ProcessLine(std::string_view line) override { processed.emplace_back(line); }
    };
    Lines box(0, 0, 100, 40);
    box.SetLineLimit(5);
    for (int key : {int{'1'}, int{'2'}, int{'x'}, 8, 13, int{'a'}, 10})
        box.KeyEvent(key);
    EXPECT_EQ(box.processed, (std::vector<std::string>{"12", "a"}));
    EXPECT_EQ(box.GetText(), "12\na\n");
    EXPECT_EQ(box.CurrentLine(), "");
}

TEST(InputBoxes, ALineFeedTypedAsAWordStaysInTheLineBeingTyped) {
    GInputBox box(0, 0, 100, 40);
    box.SetLineLimit(3);
    for (int key : {int{'a'}, 13, int{'['}})
        box.KeyEvent(key);
    box.AddWord("\n");
    box.KeyEvent(']');
    EXPECT_EQ(box.CurrentLine(), "[\n]");
    EXPECT_EQ(box.GetText(), "a\n[\n]");
    // Trimming back past the start of the line leaves nothing being typed.
    for (int i = 0; i < 4; ++i)
        box.KeyEvent(8);
    EXPECT_EQ(box.GetText(), "a");
    EXPECT_EQ(box.CurrentLine(), "");
}
