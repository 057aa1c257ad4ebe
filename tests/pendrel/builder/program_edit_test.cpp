// Editing a program: user functions made from a selection through a group, the data box's
// typing field, and writing a program at the size that holds its graphics.
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gstream_memory.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "program_fixture.h"

namespace {

bool HoldsGroup(const GList& list) {
    for (G0* object : list.Objects()) {
        if (As<GGroup>(object) != nullptr) return true;
        if (auto* inner = As<GList>(object); inner != nullptr && HoldsGroup(*inner)) return true;
    }
    return false;
}

} // namespace

TEST_F(ProgramTest, UserFunctionTakesTheSelectionsPlaceAndKeepsItsMembersWhereTheyWere) {
    GVPLFunction* abs = Function("ABS", 30, 40);
    GVPLFunction* neg = Function("SQRT", 120, 100);
    auto* left = Add<GVPLOutputBox>(300, 250, 40, 20);
    view->Select(abs);
    view->Select(neg);
    SetFocusedObject(view.get());
    view->MenuEvent(vplcmd::kCreateUserFunction);
    GVPLUserFunction* function = nullptr;
    for (G0* object : view->Objects())
        if (auto* f = As<GVPLUserFunction>(object)) function = f;
    ASSERT_NE(function, nullptr);
    // At the group's corner, the group's size plus 32 by 15.
    EXPECT_EQ(function->X(), 30);
    EXPECT_EQ(function->Y(), 40);
    EXPECT_EQ(function->Width(), 150 + 32);
    EXPECT_EQ(function->Height(), 100 + 15);
    // The members moved inside unchanged; the group that carried them is gone.
    EXPECT_EQ(abs->Owner(), &function->Inside());
    EXPECT_EQ(neg->Owner(), &function->Inside());
    EXPECT_EQ(abs->X(), 30);
    EXPECT_EQ(abs->Y(), 40);
    EXPECT_EQ(neg->X(), 120);
    EXPECT_EQ(neg->Y(), 100);
    EXPECT_EQ(abs->Width(), 60);
    EXPECT_FALSE(HoldsGroup(*view));
    EXPECT_EQ(left->Owner(), view.get());
    // Nothing the view no longer holds stays selected; the new function has the focus.
    EXPECT_EQ(view->Selection().Length(), 0);
    EXPECT_EQ(FocusedObject(), function);
    EXPECT_EQ(function->NumInputs(), 2);
    EXPECT_EQ(function->NumOutputs(), 2);
    SetFocusedObject(nullptr);
}

TEST_F(ProgramTest, AUserFunctionShowsItsNameAndTheMarkOfNoNameWithoutOne) {
    auto nameText = [](const GVPLUserFunction& f) -> const GText* {
        for (G0* object : f.Objects())
            if (auto* text = As<GText>(object)) return text;
        return nullptr;
    };
    GVPLFunction* abs = Function("ABS");
    auto* function = static_cast<GVPLUserFunction*>(view->CreateUserFunction({abs}));
    ASSERT_NE(function, nullptr);
    const GText* text = nameText(*function);
    ASSERT_NE(text, nullptr);
    EXPECT_TRUE(text->IsShown());
    // Made from a selection it has no name yet and reads as a function box without one.
    EXPECT_EQ(function->Name(), "");
    EXPECT_EQ(text->Text(), "???");
    // Typing names it; rubbing the name out brings the mark back.
    for (char c : std::string("Twice"))
        function->KeyEvent(c);
    EXPECT_EQ(function->Name(), "Twice");
    EXPECT_EQ(text->Text(), "Twice");
    for (int i = 0; i < 5; ++i)
        function->KeyEvent(gkey::kBackspace);
    EXPECT_EQ(function->Name(), "");
    EXPECT_EQ(text->Text(), "???");
    // A copy is rebuilt from the stream: the name, or the mark, comes back on it; the mark is
    // never taken for a name.
    std::unique_ptr<G0> unnamed = function->Clone();
    auto* unnamedCopy = static_cast<GVPLUserFunction*>(unnamed.get());
    EXPECT_EQ(unnamedCopy->Name(), "");
    ASSERT_NE(nameText(*unnamedCopy), nullptr);
    EXPECT_EQ(nameText(*unnamedCopy)->Text(), "???");
    function->SetName("Plus");
    std::unique_ptr<G0> named = function->Clone();
    ASSERT_NE(nameText(*static_cast<GVPLUserFunction*>(named.get())), nullptr);
    EXPECT_EQ(nameText(*static_cast<GVPLUserFunction*>(named.get()))->Text(), "Plus");
}

TEST_F(ProgramTest, OnlyGraphicsOfTheViewGoIntoAUserFunction) {
    GVPLFunction* abs = Function("ABS");
    GVPLProgramView other(0, 0, 100, 100);
    EXPECT_EQ(view->CreateUserFunction({}), nullptr);
    EXPECT_EQ(view->CreateUserFunction({abs->InputTie(1)}), nullptr) << "a part of a box";
    EXPECT_EQ(other.CreateUserFunction({abs}), nullptr);
    EXPECT_EQ(abs->Owner(), view.get());
    SetFocusedObject(nullptr);
}

TEST_F(ProgramTest, TheTypingFieldIsAnInputBoxThatSendsItsLine) {
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    auto* text = Add<GVPLOutputBox>(100, 0, 60, 20);
    Connect(in, 1, text, 1);
    GInputBox* field = in->Field();
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Group(), vplgroup::kRunControls);
    view->Run();
    // Typed into the field itself, as when it has the focus on the screen.
    for (char c : std::string("12x\b\r"))
        field->KeyEvent(c == '\b' ? 8 : c);
    Ticks(1);
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000001: 12"});
    // The sent value stays in view until the next character replaces it.
    EXPECT_EQ(in->FieldText(), "12");
    field->KeyEvent('7');
    EXPECT_EQ(in->FieldText(), "7");
    field->KeyEvent('\r');
    Ticks(1);
    EXPECT_EQ(results, (Lines{"GVPLOutputBox X000001: 12", "GVPLOutputBox X000001: 7"}));
}

TEST_F(ProgramTest, AStoredFieldTextIsShownButNotSentAgain) {
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    auto* text = Add<GVPLOutputBox>(100, 0, 60, 20);
    Connect(in, 1, text, 1);
    for (char c : std::string("[1,\r2]"))
        in->KeyEvent(c);
    EXPECT_EQ(in->CurrentLine(), "[1,\n2]") << "an open bracket only breaks the line";
    GStreamMemory stream;
    stream.SendObject(in);
    stream.Rewind();
    auto copy = As<GVPLInputData>(stream.ReceiveObject());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->FieldText(), "[1,\n2]");
    EXPECT_EQ(copy->CurrentLine(), "");
    copy->KeyEvent('5');
    EXPECT_EQ(copy->FieldText(), "5");
    int fields = 0;
    for (G0* object : copy->Objects())
        fields += As<GInputBox>(object) != nullptr ? 1 : 0;
    EXPECT_EQ(fields, 1) << "reading rebuilds the one field";
}

TEST_F(ProgramTest, AProgramIsWrittenAtTheSizeThatHoldsItsGraphicsAndComesBackWhole) {
    Function("ABS", 10, 10);
    Add<GVPLOutputBox>(100, 60, 40, 20);
    GStreamMemory stream;
    view->SendToStream(stream);
    EXPECT_EQ(view->Width(), 400);
    EXPECT_EQ(view->Height(), 300);
    EXPECT_EQ(view->VirtualRight(), 400);
    EXPECT_EQ(view->VirtualBottom(), 300);
    stream.Rewind();
    auto written = As<GVPLProgramView>(stream.ReceiveObject());
    ASSERT_NE(written, nullptr);
    // Shrunk to the graphics at the same scale: the output box's corner is the far edge.
    EXPECT_EQ(written->VirtualRight(), 140);
    EXPECT_EQ(written->VirtualBottom(), 80);
    EXPECT_EQ(written->Width(), 140);
    EXPECT_EQ(written->Height(), 80);
}

TEST_F(ProgramTest, AnEmptyProgramIsWrittenWithoutCollapsing) {
    GStreamMemory stream;
    view->SendToStream(stream);
    stream.Rewind();
    auto written = As<GVPLProgramView>(stream.ReceiveObject());
    ASSERT_NE(written, nullptr);
    EXPECT_GT(written->VirtualRight(), written->VirtualLeft());
    EXPECT_GT(written->Width(), 0);
    EXPECT_EQ(view->Width(), 400);
}

namespace {

// A box that notes, while it is written, how the program view it lies in stands.
class WitnessBox : public GVPLBox {
public:
    using GVPLBox::GVPLBox;
    mutable bool viewDrawn = true;
    mutable long viewWidth = 0;
    void Send(GStream& stream) const override {
        const auto* view = FindOwnershipFrom<GVPLProgramView>();
        viewDrawn = view->IsDrawn();
        viewWidth = view->Width();
        GVPLBox::Send(stream);
    }
};

} // namespace

TEST_F(ProgramTest, NothingOfTheShrunkViewIsDrawnWhileItIsWritten) {
    GWindow window(GWindow::kDocumentWindow, 0, 0, 400, 300);
    GVPLProgramView* shown = MakeOwned<GVPLProgramView>(window, 0, 0, 400, 300);
    auto* box = MakeOwned<WitnessBox>(*shown, 20, 20, 60, 40);
    window.Show();
    shown->Show();
    ASSERT_TRUE(shown->IsDrawn());
    GStreamMemory stream;
    shown->SendToStream(stream);
    EXPECT_FALSE(box->viewDrawn) << "the view is off the screen while it is written";
    EXPECT_EQ(box->viewWidth, 80) << "at the size that holds its graphics";
    EXPECT_TRUE(shown->IsDrawn()) << "and shown again afterwards";
    EXPECT_EQ(shown->Width(), 400);
    EXPECT_EQ(box->DisplayRect(), (Grect{20, 20, 80, 60}));
}
