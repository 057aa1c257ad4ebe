// Boxes and ties: tie places, choosing functions by typing, links through user functions,
// tie commands, and the input and output boxes at run time.
#include "program_fixture.h"

#include "pendrel/builder/gdata.h"
#include "pendrel/engine/array.h"
#include "pendrel/engine/engine.h"
#include "pendrel/framework/gsys.h"
#include "tests/support/temp_folder.h"

#include <cstdio>
#include <fstream>
#include <sstream>

TEST_F(ProgramTest, TiesSitEvenlyDownTheEdges) {
    GVPLFunction* insert = Function("INSERT");
    ASSERT_EQ(insert->NumInputs(), 3);
    EXPECT_EQ(insert->InputTie(1)->Y(), 25);
    EXPECT_EQ(insert->InputTie(2)->Y(), 50);
    EXPECT_EQ(insert->InputTie(3)->Y(), 75);
    EXPECT_EQ(insert->InputTie(1)->X(), 0);
    EXPECT_EQ(insert->OutputTie(1)->Y(), 50);
    EXPECT_EQ(insert->OutputTie(1)->X(), 100);
    // Fewer ties: the ones past the new count go, the rest move.
    insert->InitializeInputs(2);
    EXPECT_EQ(insert->NumInputs(), 2);
    EXPECT_EQ(insert->InputTie(2)->Y(), 66);
    EXPECT_EQ(insert->GetBestTie(vplid::kOutputTie), insert->OutputTie(1));
    EXPECT_EQ(insert->GetBestTie(vplid::kInputTie), insert->InputTie(1));
}

TEST_F(ProgramTest, TypingChoosesTheOneKeywordTheNameBegins) {
    auto* box = Add<GVPLFunction>(0, 0, 60, 40);
    EXPECT_EQ(box->ShownName(), "???");
    EXPECT_EQ(box->NumInputs(), 2);
    EXPECT_EQ(box->NumOutputs(), 1);
    box->KeyEvent('s');
    EXPECT_EQ(box->FunctionNumber(), 0); // SUB, SIN, SQRT, SMOOTH ...
    EXPECT_EQ(box->ShownName(), "S");
    box->KeyEvent('m');
    EXPECT_EQ(box->FunctionNumber(), 82);
    EXPECT_EQ(box->ShownName(), "SMOOTH");
    box->KeyEvent('x'); // once chosen, typing does nothing
    EXPECT_EQ(box->ShownName(), "SMOOTH");

    auto* three = Add<GVPLFunction>(0, 50, 60, 40);
    for (char c : std::string("ins"))
        three->KeyEvent(c);
    EXPECT_EQ(three->Keyword(), "INSERT");
    EXPECT_EQ(three->NumInputs(), 3);
}

TEST_F(ProgramTest, LineNumbersFollowLinksIntoUserFunctions) {
    GVPLFunction* abs = Function("ABS");            // tie 1
    auto* out = Add<GVPLOutputBox>(200, 0, 60, 20); // tie 2
    Connect(abs, 1, out, 1);
    auto* inner = static_cast<GVPLUserFunction*>(view->CreateUserFunction({abs}));
    ASSERT_NE(inner, nullptr);
    // The connection to the box left outside could not cross the new boundary.
    EXPECT_TRUE(out->InputTie(1)->Connections().empty());
    ASSERT_EQ(inner->NumInputs(), 1);
    ASSERT_EQ(inner->NumOutputs(), 1);
    EXPECT_EQ(inner->InputTie(1)->GetLineNo(), abs->InputTie(1)->OwnLineNo());
    // A user function made around that one: two links deep.
    auto* outer = static_cast<GVPLUserFunction*>(view->CreateUserFunction({inner}));
    ASSERT_NE(outer, nullptr);
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    Connect(in, 1, outer, 1);
    Connect(outer, 1, out, 1);
    EXPECT_EQ(outer->InputTie(1)->GetLineNo(), abs->InputTie(1)->OwnLineNo());
    EXPECT_EQ(abs->InputTie(1)->GetLineNo(), abs->InputTie(1)->OwnLineNo());
    EXPECT_EQ(abs->OutputTie(1)->Deliveries(), std::vector<long>{2});
    EXPECT_EQ(outer->OutputTie(1)->GetLineNoAt(1), 2);
    EXPECT_EQ(outer->OutputTie(1)->GetLineNoAt(2), 0);
    EXPECT_EQ(NetText(), Lines{"<X000001> ABS <X000002>\n\n"});
    EXPECT_EQ(in->PathName().Text(), "X000001");
    view->Run();
    for (char c : std::string("-7\r"))
        in->KeyEvent(c);
    Ticks(1);
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000002: 7"});
}

TEST_F(ProgramTest, LinksThatLeadNowhereGiveLineZero) {
    GVPLFunction* a = Function("ABS");
    GVPLFunction* b = Function("ABS", 10, 60);
    // Two input ties linked to each other, neither inside the other's user function.
    ASSERT_TRUE(a->InputTie(1)->CompleteConnection(b->InputTie(1)));
    EXPECT_TRUE(a->InputTie(1)->IsLinked());
    EXPECT_TRUE(a->InputTie(1)->IsLinkedTo(0, b->InputTie(1)));
    EXPECT_EQ(a->InputTie(1)->GetLineNo(), 0);
    EXPECT_EQ(b->InputTie(1)->GetLineNo(), 0);
}

TEST_F(ProgramTest, UserFunctionNamePlacementAndTies) {
    auto* timer = Add<GVPLTimer>(0, 0, 40, 20);
    auto* onlyOut = static_cast<GVPLUserFunction*>(view->CreateUserFunction({timer}));
    ASSERT_NE(onlyOut, nullptr);
    EXPECT_EQ(onlyOut->NumInputs(), 0);
    EXPECT_EQ(onlyOut->NumOutputs(), 1);
    auto* out = Add<GVPLOutputBox>(0, 100, 40, 20);
    auto* onlyIn = static_cast<GVPLUserFunction*>(view->CreateUserFunction({out}));
    ASSERT_NE(onlyIn, nullptr);
    EXPECT_EQ(onlyIn->NumInputs(), 1);
    EXPECT_EQ(onlyIn->NumOutputs(), 0);
    // The name sits away from the side that has ties.
    auto nameX = [](GVPLUserFunction* f) {
        for (G0* object : f->Objects())
            if (auto* text = As<GText>(object)) return text->X();
        return -1L;
    };
    EXPECT_EQ(nameX(onlyOut), 43);
    EXPECT_EQ(nameX(onlyIn), 57);
    // Inner ties are taken top to bottom by their boxes' heights.
    GVPLFunction* low = Function("ABS", 0, 200);
    GVPLFunction* high = Function("SQRT", 0, 150);
    auto* both = static_cast<GVPLUserFunction*>(view->CreateUserFunction({low, high}));
    ASSERT_EQ(both->NumInputs(), 2);
    EXPECT_EQ(both->InputTie(1)->GetLineNo(), high->InputTie(1)->OwnLineNo());
    EXPECT_EQ(both->InputTie(2)->GetLineNo(), low->InputTie(1)->OwnLineNo());
}

TEST_F(ProgramTest, TieCommandsCopyCutClearAndPaste) {
    GVPLFunction* abs = Function("ABS");
    auto* o1 = Add<GVPLOutputBox>(100, 0, 60, 20);
    auto* o2 = Add<GVPLOutputBox>(100, 40, 60, 20);
    Connect(abs, 1, o1, 1);
    GVPLInputTie* t1 = o1->InputTie(1);
    GVPLInputTie* t2 = o2->InputTie(1);
    auto lines = [](GVPLTie* tie) {
        int n = 0;
        for (G0* object : tie->Objects())
            n += object->GetClassID() == vplid::kTieLine;
        return n;
    };
    EXPECT_EQ(lines(t1), 1);
    t1->MenuEvent(vplcmd::kCopy); // remembers the output tie at the other end
    t2->MenuEvent(vplcmd::kPaste);
    EXPECT_EQ(abs->OutputTie(1)->ConnectionCount(), 2);
    EXPECT_EQ(lines(t2), 1);
    t1->MenuEvent(vplcmd::kCut);
    EXPECT_EQ(t1->ConnectionCount(), 0);
    EXPECT_EQ(lines(t1), 0);
    t2->MenuEvent(vplcmd::kClear);
    EXPECT_EQ(abs->OutputTie(1)->ConnectionCount(), 0);
    t1->MenuEvent(vplcmd::kPaste); // the cut tie is still remembered
    EXPECT_EQ(t1->ConnectionCount(), 1);

    // Paste never joins ties of different programs.
    GVPLProgramView other(0, 0, 100, 100);
    auto* far = MakeOwned<GVPLOutputBox>(other, 0, 0, 40, 20);
    far->InputTie(1)->MenuEvent(vplcmd::kPaste);
    EXPECT_EQ(far->InputTie(1)->ConnectionCount(), 0);
    // A connection made across programs anyway is cleaned up.
    abs->OutputTie(1)->CompleteConnection(far->InputTie(1));
    far->InputTie(1)->CleanupInvalidTies();
    EXPECT_EQ(far->InputTie(1)->ConnectionCount(), 0);
    EXPECT_EQ(abs->OutputTie(1)->ConnectionCount(), 1);
}

TEST_F(ProgramTest, DeletingABoxBreaksItsConnections) {
    GVPLFunction* abs = Function("ABS");
    auto* out = Add<GVPLOutputBox>(100, 0, 60, 20);
    Connect(abs, 1, out, 1);
    DeleteObject(out);
    EXPECT_EQ(abs->OutputTie(1)->ConnectionCount(), 0);
    EXPECT_TRUE(abs->OutputTie(1)->Deliveries().empty());
}

TEST(PastedText, TablesOfNumbersBecomeNestedArrays) {
    EXPECT_EQ(PastedValueText("1\t2\r\n3\t4"), "[[1,2],\n[3,4]]");
    EXPECT_EQ(PastedValueText("1\t2\r3\t4\r\n\r\n1"), "[[1,2],\n[3,4],\n[],\n[1]]");
    EXPECT_EQ(PastedValueText("10\t20\r\n30\t40\r\n"), "[[10,20],\n[30,40]]");
    // The share of digits counts the whole text: 4 of 10 characters is not more than 40 %.
    EXPECT_EQ(PastedValueText("1\t2\r\n3\t4\r\n"), "\"1\t2\n3\t4\n\"");
    // Too few digits, or no tab: one quoted text with plain line feeds.
    EXPECT_EQ(PastedValueText("name\tage\r\nbob\t7"), "\"name\tage\nbob\t7\"");
    EXPECT_EQ(PastedValueText("12\r\n34"), "\"12\n34\"");
}

TEST_F(ProgramTest, PastingATableSendsALongArrayOfItsShape) {
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    auto* image = Add<GVPLImageBox>(100, 0, 60, 60);
    auto* text = Add<GVPLOutputBox>(100, 80, 60, 20);
    Connect(in, 1, image, 1);
    Connect(in, 1, text, 1);
    view->Run();
    in->PasteText("1\t2\r\n3\t4");
    Ticks(1);
    EXPECT_EQ(image->ResultText(), "(2,2) min 1 max 4");
    EXPECT_EQ(text->ResultText(), "1,2,3,4");
    // The field shows what was pasted; the next character typed starts a new value.
    EXPECT_EQ(in->FieldText(), "[[1,2],\n[3,4]]");
    EXPECT_EQ(in->CurrentLine(), "");
}

TEST_F(ProgramTest, TypingBalancesBracketsBeforeSending) {
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    auto* text = Add<GVPLOutputBox>(100, 0, 60, 20);
    Connect(in, 1, text, 1);
    view->Run();
    for (char c : std::string("[[1,2],\r[3,4x\b]]\r"))
        in->KeyEvent(c == '\b' ? 8 : c);
    Ticks(1);
    // The first Enter only broke the line; the second sent the whole constant.
    EXPECT_EQ(results, Lines{"GVPLOutputBox X000001: 1,2,3,4"});
}

TEST_F(ProgramTest, SwitchSendsOneAndZero) {
    auto* sw = Add<GVPLInputSwitch>(0, 0, 40, 20);
    auto* text = Add<GVPLOutputBox>(100, 0, 60, 20);
    Connect(sw, 1, text, 1);
    view->Run();
    sw->Toggle();
    sw->Toggle();
    Ticks(1);
    EXPECT_EQ(results, (Lines{"GVPLOutputBox X000001: 1", "GVPLOutputBox X000001: 0"}));
    sw->MenuEvent(vplcmd::kAlterAppearance);
    EXPECT_EQ(sw->Style(), 1);
    sw->MenuEvent(vplcmd::kAlterAppearance);
    EXPECT_EQ(sw->Style(), 0);
}

TEST_F(ProgramTest, SliderSendsOnlyWhenThePathIsFree) {
    auto* slider = Add<GVPLInputSlider>(0, 0, 40, 20);
    GVPLFunction* add = Function("ADD", 60, 0); // its second input is never fed
    Connect(slider, 1, add, 1);
    Connect(Add<GVPLInputData>(0, 40, 40, 20), 1, add, 2);
    view->Run();
    EXPECT_TRUE(slider->MoveKnob(5));
    EXPECT_FALSE(slider->MoveKnob(9)); // the 5 is still waiting
    EXPECT_EQ(view->Binding().zez_pathsize("X000001"), 1);
    const auto* waiting = vAsArray(view->Binding().zez_getheldobject("X000001"));
    ASSERT_NE(waiting, nullptr);
    EXPECT_EQ(vLongValue(waiting, 0), 5);
    EXPECT_EQ(slider->Position(), 9);
    EXPECT_FALSE(slider->MoveKnob(20000));
    EXPECT_EQ(slider->Position(), GVPLInputSlider::kMaxPosition);
}

TEST_F(ProgramTest, FileInputSendsTheFileAsBytes) {
    const olvan_test::TempFolder folder;
    const std::string name = folder.File("input.txt");
    std::ofstream(name, std::ios::binary) << "abc";
    auto* in = Add<GVPLFileInputData>(0, 0, 40, 20);
    auto* image = Add<GVPLImageBox>(100, 0, 60, 60);
    Connect(in, 1, image, 1);
    view->Run();
    for (char c : name + "\r")
        in->KeyEvent(c);
    Ticks(1);
    EXPECT_EQ(results, Lines{"GVPLImageBox X000001: (3) min 97 max 99"});
    EXPECT_EQ(GVPLFileInputData::FileNameFor("data"), "data.zez");
    EXPECT_EQ(GVPLFileInputData::FileNameFor("data.bin"), "data.bin");
    EXPECT_EQ(GVPLFileInputData::ReadFileArray("no_such_file.bin"), nullptr);
}

TEST(ImageBox, ScalesToGrey) {
    ASSERT_EQ(vEngineInitialize(), 1);
    const long three = 3;
    GArray longs(kTypeL, 1, &three);
    auto* l = static_cast<std::int32_t*>(longs.Payload());
    l[0] = -10, l[1] = -5, l[2] = 0;
    const Gimage grey = GreyImageOf(longs.Object());
    EXPECT_EQ(grey.width, 3);
    EXPECT_EQ(grey.height, 1);
    EXPECT_EQ(grey.bytes, (std::vector<std::uint8_t>{0, 127, 255}));
    // Bytes are shown as they are; a flat array shows black.
    const long dims[2] = {2, 2};
    GArray bytes(kTypeUC, 2, dims);
    static_cast<std::uint8_t*>(bytes.Payload())[3] = 9;
    const Gimage raw = GreyImageOf(bytes.Object());
    EXPECT_EQ(raw.width, 2);
    EXPECT_EQ(raw.height, 2);
    EXPECT_EQ(raw.bytes, (std::vector<std::uint8_t>{0, 0, 0, 9}));
    GArray flat(kTypeF, 1, &three);
    EXPECT_EQ(GreyImageOf(flat.Object()).bytes, (std::vector<std::uint8_t>{0, 0, 0}));
    EXPECT_FALSE(GreyImageOf(nullptr).IsValid());
}

TEST(PlottingBox, SamplesEveryKthElement) {
    const std::vector<double> three{0, 5, 10};
    EXPECT_EQ(PlotPoints(three), (std::vector<Gpoint>{{0, 0}, {330, 500}, {660, 1000}}));
    EXPECT_TRUE(PlotPoints(std::vector<double>{1, 2}).empty());
    std::vector<double> many(1000);
    for (std::size_t i = 0; i < many.size(); ++i)
        many[i] = static_cast<double>(i);
    const std::vector<Gpoint> points = PlotPoints(many);
    ASSERT_EQ(points.size(), 334u); // k = 1000 / 400 + 1 = 3
    EXPECT_EQ(points[1], (Gpoint{0, 3}));
    EXPECT_EQ(points[2], (Gpoint{0, 6}));
    EXPECT_EQ(points.back(), (Gpoint{990, 1000}));
}

TEST_F(ProgramTest, AnimatorAndSensorWorkOnTheirHoldersProperties) {
    auto* sensor = Add<GVPLPropertySensor>(0, 0, 40, 20, 13);
    auto* animator = Add<GVPLAnimator>(100, 0, 40, 20, 14);
    auto* text = Add<GVPLOutputBox>(100, 40, 40, 20);
    Connect(sensor, 1, animator, 1);
    Connect(sensor, 1, text, 1);
    view->Run();
    // The sensor reads the view's width and the animator copies it into the height.
    EXPECT_TRUE(sensor->Poll());
    EXPECT_FALSE(sensor->Poll()); // unchanged
    Ticks(1);
    EXPECT_EQ(view->Height(), 400);
    EXPECT_EQ(animator->ResultText(), "400");
    // While the program runs, idle processing polls the sensor.
    EXPECT_TRUE(sensor->WantsIdle());
    view->SetSize(321, 400);
    view->DoIdle();
    Ticks(1);
    EXPECT_EQ(view->Height(), 321);
    view->Halt();
    EXPECT_FALSE(sensor->WantsIdle());
}

TEST_F(ProgramTest, LogCommandsOpenCloseAndDeleteTheRunLog) {
    // The log lies in the working folder, as the program's does.
    const olvan_test::TempFolder folder;
    const olvan_test::WorkingFolder inside(folder.Path());
    GVPLFunction* abs = Function("ABS");            // tie 1, fed by nothing
    auto* out = Add<GVPLOutputBox>(100, 0, 40, 20); // tie 2
    Connect(abs, 1, out, 1);
    view->MenuEvent(vplcmd::kOpenLog);
    view->MenuEvent(vplcmd::kRun);
    view->MenuEvent(vplcmd::kCloseLog);
    std::ifstream in("VRNOviz.log", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "\n---------------STARTING RUN----------------"
                          "\nPathReg>X000002"
                          "\nCommand><X000000> ABS <X000002>");
    view->MenuEvent(vplcmd::kOpenLog);
    view->MenuEvent(vplcmd::kDeleteLog);
    EXPECT_FALSE(std::ifstream("VRNOviz.log").good());
}

TEST_F(ProgramTest, ProgramCommandsAndTheirMenuStates) {
    GSys system;
    view->DoSetupMenus(view.get());
    EXPECT_FALSE(system.MenuItemState(vplcmd::kRun)); // nothing drawn yet
    EXPECT_FALSE(system.MenuItemState(vplcmd::kSave));
    GVPLFunction* abs = Function("ABS");
    view->DoSetupMenus(view.get());
    EXPECT_TRUE(system.MenuItemState(vplcmd::kRun));
    EXPECT_FALSE(system.MenuItemState(vplcmd::kHalt));
    EXPECT_TRUE(system.MenuItemState(vplcmd::kSave));
    EXPECT_FALSE(system.MenuItemState(vplcmd::kCreateUserFunction));
    view->MenuEvent(vplcmd::kRun);
    view->DoSetupMenus(view.get());
    EXPECT_FALSE(system.MenuItemState(vplcmd::kRun));
    EXPECT_TRUE(system.MenuItemState(vplcmd::kHalt));
    view->MenuEvent(vplcmd::kHalt);
    EXPECT_FALSE(view->IsRunning());
    view->MenuEvent(vplcmd::kHideProgram);
    view->DoSetupMenus(view.get());
    EXPECT_TRUE(view->IsHidden());
    EXPECT_FALSE(abs->IsSet(0x20010));
    EXPECT_TRUE(system.MenuItemState(vplcmd::kShowProgram));
    EXPECT_FALSE(system.MenuItemState(vplcmd::kHideProgram));
    view->MenuEvent(vplcmd::kShowProgram);
    EXPECT_TRUE(abs->IsSet(0x20010));
    view->Select(abs);
    view->DoSetupMenus(view.get());
    EXPECT_TRUE(system.MenuItemState(vplcmd::kCreateUserFunction));
    view->MenuEvent(vplcmd::kCreateUserFunction);
    ASSERT_EQ(view->Length(), 1);
    EXPECT_EQ(view->At(1)->GetClassID(), vplid::kUserFunction);
}

TEST_F(ProgramTest, TieToolsConnectAPickedPairWithTheirHoldValue) {
    GVPLFunction* add = Function("ADD");
    auto* in = Add<GVPLInputData>(0, 0, 40, 20);
    GVPLTieTool holding(0, 0, 20, 20, 1);
    GVPLTieTool plain(0, 0, 20, 20, 0);
    // A box gives its best tie: first an input, then an output.
    EXPECT_FALSE(holding.Pick(add));
    EXPECT_EQ(holding.PickedInput(), add->InputTie(1));
    EXPECT_TRUE(holding.Pick(in));
    EXPECT_EQ(in->OutputTie(1)->Deliveries(), std::vector<long>{1});
    EXPECT_EQ(add->InputTie(1)->HoldFlag(), 1);
    // In either order; a tie picked directly.
    EXPECT_FALSE(plain.Pick(in->OutputTie(1)));
    EXPECT_TRUE(plain.Pick(add->InputTie(2)));
    EXPECT_EQ(add->InputTie(2)->HoldFlag(), 0);
    EXPECT_EQ(in->OutputTie(1)->ConnectionCount(), 2);
    // Ties of different programs are never joined.
    GVPLProgramView other(0, 0, 100, 100);
    auto* far = MakeOwned<GVPLOutputBox>(other, 0, 0, 40, 20);
    EXPECT_FALSE(plain.Pick(far));
    EXPECT_FALSE(plain.Pick(add->OutputTie(1)));
    EXPECT_EQ(far->InputTie(1)->ConnectionCount(), 0);
}
