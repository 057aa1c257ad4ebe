#include "app_fixture.h"

#include "pendrel/app/program_holder.h"
#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/program_view.h"
#include "pendrel/builder/zez_file.h"
#include "pendrel/framework/gdrawing_tools.h"
#include "pendrel/framework/gscrollview.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/properties.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

std::string ReadAll(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

GVPLFunction* AddFunction(GVPLProgramView& view, const char* keyword, long x) {
    int inputs = 0;
    return MakeOwned<GVPLFunction>(view, x, 10, 60, 40,
                                   vpl::vplglobal_funcfromlabel(keyword, &inputs));
}

} // namespace

TEST_F(AppTest, StartsWithTheMainWindowTheToolWindowAndTheMenus) {
    GAppZEZ& zez = Start();
    ASSERT_NE(zez.MainWindow(), nullptr);
    EXPECT_EQ(zez.MainWindow()->Kind(), GWindow::kMainWindow);
    EXPECT_EQ(zez.MainWindow()->Width(), 600);
    EXPECT_EQ(zez.MainWindow()->Height(), 400);
    EXPECT_EQ(zez.MainWindow()->GetWindowTitle(), "VRNOvisual");
    ASSERT_NE(zez.ToolWindow(), nullptr);
    EXPECT_EQ(zez.ToolWindow()->Kind(), GWindow::kToolWindow);
    EXPECT_EQ(zez.ToolWindow()->X(), 1);
    EXPECT_EQ(zez.ToolWindow()->Y(), 29);
    const auto& menus = system.PullDowns();
    ASSERT_EQ(menus.size(), 4u);
    EXPECT_EQ(menus[0].title, "File");
    EXPECT_EQ(menus[3].title, "Program");
    std::vector<std::pair<std::string, int>> file;
    for (const GMenuItem& item : menus[0].items)
        file.emplace_back(item.text, item.command);
    EXPECT_EQ(file, (std::vector<std::pair<std::string, int>>{{"New\tCtrl+N", 179},
                                                              {"Open\tCtrl+O", 178},
                                                              {"Save\tCtrl+S", 177},
                                                              {"Save As", 180},
                                                              {"Close", 181},
                                                              {"Quit\tCtrl+Q", 225}}));
    ASSERT_EQ(menus[2].items.size(), 7u);
    EXPECT_EQ(menus[2].items[6].text, "Alter Appearance\tCtrl+A");
    ASSERT_EQ(menus[3].items.size(), 7u);
    EXPECT_EQ(menus[3].items[0].text, "Run\tCtrl+R");
    EXPECT_EQ(menus[3].items[5].text, "Save User Function");
    EXPECT_EQ(menus[3].items[5].command, 456);
    EXPECT_EQ(menus[3].items[6].text, "Deposit Input Value\tCtrl+D");
    EXPECT_EQ(system.KeyToMenuEvent('R'), 450);
    EXPECT_EQ(system.KeyToMenuEvent('D'), 458);
    EXPECT_EQ(system.KeyToMenuEvent('E'), 0);
}

TEST_F(AppTest, ThePalettesOfferEveryFunctionAndTheDrawingTools) {
    GAppZEZ& zez = Start();
    const auto functions = vplapp::PaletteFunctions();
    ASSERT_FALSE(functions.empty());
    for (const auto& [keyword, number] : functions) {
        EXPECT_NE(keyword[0], 'x') << keyword;
        EXPECT_NE(number, 0);
    }
    EXPECT_TRUE(std::is_sorted(functions.begin(), functions.end()));
    ASSERT_NE(zez.FunctionPalette(), nullptr);
    EXPECT_EQ(zez.FunctionPalette()->Contents()->Length(), static_cast<int>(functions.size()));
    const auto& drawing = zez.Drawing();
    ASSERT_EQ(drawing.shapes.size(), 8u);
    EXPECT_EQ(drawing.shapes[0]->Prototype(), nullptr);
    EXPECT_EQ(drawing.shapes[5]->Prototype(), nullptr);
    EXPECT_EQ(drawing.shapes[7]->Prototype()->GetClassID(), gid::kRectangle);
    // The text, ellipse, polygon and rectangle fill with the bucket; lines take the pen.
    EXPECT_EQ(drawing.shapes[7]->ColorModel(), drawing.bucket->Sample());
    EXPECT_EQ(drawing.shapes[1]->ColorModel(), drawing.bucket->Sample());
    EXPECT_EQ(drawing.shapes[2]->ColorModel(), drawing.pen->Sample());
    EXPECT_EQ(drawing.shapes[3]->ColorModel(), drawing.pen->Sample());
    EXPECT_EQ(drawing.colors->Cells().size(), 21u);
}

TEST_F(AppTest, WithoutFilesRunOpensOneEmptyDocumentUnknown) {
    GAppZEZ& zez = Start();
    zez.Run();
    const auto windows = zez.DocumentWindows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_EQ(windows[0]->GetWindowTitle(), "Unknown");
    EXPECT_EQ(windows[0]->X(), 100);
    EXPECT_EQ(windows[0]->Y(), 40);
    GVPLProgramView* program = zez.ActiveProgram();
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->Length(), 0);
    EXPECT_EQ(FocusedObject(), program);
    EXPECT_TRUE(system.Messages().empty());
}

TEST_F(AppTest, FilesOnTheCommandLineOpenEighteenPixelsApart) {
    GAppZEZ& zez = Start();
    const std::vector<std::string> files{std::string(OLVAN_EXAMPLES_DIR) + "/counter.zez",
                                         std::string(OLVAN_EXAMPLES_DIR) + "/image.zez"};
    zez.OpenDocuments(files);
    zez.Run();
    const auto windows = zez.DocumentWindows();
    ASSERT_EQ(windows.size(), 2u) << "no empty document besides";
    EXPECT_EQ(windows[1]->X() - windows[0]->X(), 18);
    EXPECT_EQ(windows[1]->Y() - windows[0]->Y(), 18);
    EXPECT_EQ(windows[0]->GetWindowTitle(), files[0]);
    GVPLProgramView* image = zez.ActiveProgram();
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetProgramName(), files[1]);
    EXPECT_TRUE(image->IsRunning()) << "saved while running, it runs as it opens";
    EXPECT_TRUE(zez.WantsIdle()) << "and asks for idle ticks";
    image->MenuEvent(vplcmd::kHalt);
    EXPECT_FALSE(image->IsRunning());
    GVPLProgramView* counter = GAppZEZ::ProgramOf(windows[0]);
    ASSERT_NE(counter, nullptr);
    EXPECT_FALSE(counter->IsRunning());
    EXPECT_FALSE(zez.WantsIdle()) << "nothing runs: idle processing rests";
}

TEST_F(AppTest, UnreadableFilesOpenEmptyWithAMessage) {
    GAppZEZ& zez = Start();
    const std::string damaged = File("damaged.zez");
    std::ofstream(damaged, std::ios::binary) << "not a program at all";
    zez.OpenDocument(damaged);
    ASSERT_EQ(system.Messages().size(), 1u);
    EXPECT_NE(system.Messages()[0].find("cannot be read"), std::string::npos);
    GVPLProgramView* program = zez.ActiveProgram();
    ASSERT_NE(program, nullptr);
    EXPECT_EQ(program->Length(), 0);
    // Saving must not put the empty program over what could not be read.
    AddFunction(*program, "ADD", 10);
    dialogs.answers.push_back(std::nullopt);
    EXPECT_FALSE(zez.SaveProgram(*program, false));
    EXPECT_EQ(dialogs.asked.size(), 1u) << "it asks for a name";
    EXPECT_EQ(ReadAll(damaged), "not a program at all");
    // A missing file opens empty too, and keeps its name for saving.
    zez.OpenDocument(File("new"));
    ASSERT_EQ(system.Messages().size(), 2u);
    EXPECT_NE(system.Messages()[1].find("does not exist"), std::string::npos);
    GVPLProgramView* fresh = zez.ActiveProgram();
    AddFunction(*fresh, "MUL", 10);
    EXPECT_TRUE(zez.SaveProgram(*fresh, false));
    EXPECT_EQ(dialogs.asked.size(), 1u) << "no question: the name is known";
    EXPECT_TRUE(std::filesystem::exists(File("new.zez")));
}

TEST_F(AppTest, SavingAnUnnamedProgramOffersVRNOvisAndReadsBack) {
    GAppZEZ& zez = Start();
    zez.OpenNewDoc();
    GVPLProgramView* program = zez.ActiveProgram();
    AddFunction(*program, "ADD", 10);
    dialogs.answers.push_back(std::nullopt);
    zez.MenuEvent(appcmd::kSave);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].title, "SAVE program");
    EXPECT_EQ(dialogs.asked[0].initialName, "VRNOvis");
    EXPECT_EQ(dialogs.asked[0].filters[0].second, "*.zez");
    const std::string name = File("sum");
    dialogs.answers.push_back(name);
    zez.MenuEvent(appcmd::kSave);
    EXPECT_EQ(program->GetProgramName(), name + ".zez");
    EXPECT_EQ(program->Window()->GetWindowTitle(), name + ".zez");
    auto back = vpl::ReadProgramFile(name + ".zez", false);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Length(), 1);
    // Save again writes without asking; Save As asks with the program's name.
    AddFunction(*program, "MUL", 90);
    zez.MenuEvent(appcmd::kSave);
    EXPECT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(vpl::ReadProgramFile(name + ".zez", false)->Length(), 2);
    zez.MenuEvent(appcmd::kSaveAs);
    ASSERT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(dialogs.asked[2].initialName, (name + ".zez").substr(0, 31));
}

TEST_F(AppTest, AFailedSaveLeavesThePreviousFileAndSaysSo) {
    GAppZEZ& zez = Start();
    zez.OpenNewDoc();
    GVPLProgramView* program = zez.ActiveProgram();
    AddFunction(*program, "ADD", 10);
    const std::string name = File("kept.zez");
    dialogs.answers.push_back(name);
    ASSERT_TRUE(zez.SaveProgram(*program, false));
    const std::string before = ReadAll(name);
    // The place beside the file where the new program is written first is taken by a folder.
    std::filesystem::create_directories(name + ".tmp~/in-the-way");
    AddFunction(*program, "MUL", 90);
    EXPECT_FALSE(zez.SaveProgram(*program, false));
    ASSERT_FALSE(system.Messages().empty());
    EXPECT_NE(system.Messages().back().find("previous file is unchanged"), std::string::npos);
    EXPECT_EQ(ReadAll(name), before);
}

TEST_F(AppTest, UserFunctionsSavedIntoThePaletteComeBackSortedAfterARestart) {
    GAppZEZ& zez = Start();
    zez.OpenNewDoc();
    GVPLProgramView* program = zez.ActiveProgram();
    auto* mul = AddFunction(*program, "MUL", 10);
    auto* add = AddFunction(*program, "ADD", 100);
    auto* twice = static_cast<GVPLUserFunction*>(program->CreateUserFunction({mul}));
    auto* plus = static_cast<GVPLUserFunction*>(program->CreateUserFunction({add}));
    SetFocusedObject(twice);
    system.SetupMenus();
    EXPECT_FALSE(system.MenuItemState(456)) << "a user function without a name cannot be kept";
    twice->SetName("Twice");
    plus->SetName("Plus");
    system.SetupMenus();
    EXPECT_TRUE(system.MenuItemState(456));
    zez.MenuEvent(appcmd::kSaveUserFunction);
    SetFocusedObject(plus);
    zez.MenuEvent(appcmd::kSaveUserFunction);
    SetFocusedObject(program);
    system.SetupMenus();
    EXPECT_FALSE(system.MenuItemState(456));
    ASSERT_EQ(zez.UserFunctionPalette()->Tools().size(), 2u);
    EXPECT_EQ(zez.UserFunctionPalette()->Prototypes()[0]->Owner(), nullptr);
    Stop();
    const std::string kept = (folder / "data" / vpl::kPaletteFile).string();
    ASSERT_TRUE(std::filesystem::exists(kept)) << "kept in the user's data folder";
    GAppZEZ& again = Start();
    const auto prototypes = again.UserFunctionPalette()->Prototypes();
    ASSERT_EQ(prototypes.size(), 2u);
    EXPECT_EQ(prototypes[0]->Name(), "Plus");
    EXPECT_EQ(prototypes[1]->Name(), "Twice");
    EXPECT_EQ(prototypes[1]->NumInputs(), 2);
}

TEST_F(AppTest, APaletteFileInTheWorkingFolderIsReadAndADamagedOneIsReported) {
    const std::string old = File(vpl::kPaletteFile);
    std::ofstream(old, std::ios::binary) << "damaged";
    EXPECT_EQ(Places().read, old) << "read from the working folder when the data folder has none";
    GAppZEZ& zez = Start();
    ASSERT_EQ(system.Messages().size(), 1u);
    EXPECT_NE(system.Messages()[0].find("damaged"), std::string::npos);
    EXPECT_TRUE(zez.UserFunctionPalette()->Tools().empty());
    Stop();
    EXPECT_EQ(ReadAll(old), "damaged") << "the old file is left alone";
}

TEST_F(AppTest, AnUnwritablePaletteFileGivesAMessage) {
    GAppZEZ& zez = Start();
    zez.OpenNewDoc();
    GVPLProgramView* program = zez.ActiveProgram();
    auto* function = static_cast<GVPLUserFunction*>(
        program->CreateUserFunction({AddFunction(*program, "ADD", 0)}));
    function->SetName("Sum");
    SetFocusedObject(function);
    ASSERT_TRUE(zez.SaveUserFunction());
    // The data folder's place is taken by a file: nothing can be written there.
    std::ofstream(folder / "data") << "in the way";
    EXPECT_FALSE(zez.UserFunctionPalette()->Save());
    ASSERT_FALSE(system.Messages().empty());
    EXPECT_NE(system.Messages().back().find("could not be written"), std::string::npos);
    EXPECT_EQ(zez.UserFunctionPalette()->Tools().size(), 1u) << "the palette keeps its tools";
    std::filesystem::remove(folder / "data");
}

TEST_F(AppTest, ProgramCommandsFromOutsideAProgramGoToTheProgramInUse) {
    GAppZEZ& zez = Start();
    zez.OpenNewDoc();
    GVPLProgramView* program = zez.ActiveProgram();
    SetFocusedObject(zez.ToolWindow());
    system.SetupMenus();
    EXPECT_FALSE(system.MenuItemState(vplcmd::kRun)) << "an empty program cannot run";
    EXPECT_FALSE(system.MenuItemState(vplcmd::kDepositInputValue));
    AddFunction(*program, "ADD", 10);
    system.SetupMenus();
    EXPECT_TRUE(system.MenuItemState(vplcmd::kRun));
    EXPECT_TRUE(system.MenuItemState(appcmd::kSave));
    system.HandleKeyHit(zez.ToolWindow(), 'R' - 'A' + 1);
    EXPECT_TRUE(program->IsRunning());
    system.SetupMenus();
    EXPECT_FALSE(system.MenuItemState(vplcmd::kRun));
    EXPECT_TRUE(system.MenuItemState(vplcmd::kHalt));
    zez.MenuEvent(vplcmd::kHalt);
    EXPECT_FALSE(program->IsRunning());
    zez.MenuEvent(gcmd::kClose);
    EXPECT_TRUE(zez.DocumentWindows().empty());
    system.SetupMenus();
    EXPECT_FALSE(system.MenuItemState(appcmd::kSave));
}

TEST_F(AppTest, TheHolderSwitchesBetweenThePlainAndTheScrollingFrame) {
    GAppZEZ& zez = Start();
    zez.OpenNewDoc();
    GVPLProgramView* program = zez.ActiveProgram();
    GVPLProgramHolder* holder = zez.HolderOf(*program);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(holder->FrameKind(), GVPLProgramHolder::kPlainFrame);
    EXPECT_TRUE(program->IsSet(gprop::kFillOwner));
    EXPECT_FALSE(program->IsSet(0x20060));
    program->MenuEvent(vplcmd::kRun);
    program->MenuEvent(appcmd::kSwitchFrame);
    EXPECT_EQ(holder->FrameKind(), GVPLProgramHolder::kScrollingFrame);
    ASSERT_NE(holder->ScrollFrame(), nullptr);
    EXPECT_EQ(holder->ScrollFrame()->Contents(), program);
    EXPECT_TRUE(program->IsSet(0x20060)) << "its size counts in pixels";
    EXPECT_EQ(program->Width(), 400);
    EXPECT_TRUE(zez.WantsIdle()) << "a running program keeps its idle ticks in the new frame";
    program->MenuEvent(appcmd::kSwitchFrame);
    EXPECT_EQ(holder->FrameKind(), GVPLProgramHolder::kPlainFrame);
    EXPECT_EQ(zez.ProgramOf(holder), program);
    program->MenuEvent(vplcmd::kHalt);
    EXPECT_FALSE(zez.WantsIdle());
}
