#include "pendrel/app/app_zez.h"

#include "pendrel/app/program_holder.h"
#include "pendrel/builder/builder_classes.h"
#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/program_view.h"
#include "pendrel/builder/tie_tool.h"
#include "pendrel/builder/zez_file.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gactiontool.h"
#include "pendrel/framework/gstream_file.h"
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/primitives.h"
#include "pendrel/framework/properties.h"

#include <filesystem>

namespace {

constexpr long kBarColor = 0xF0F0F0;
constexpr long kToolBarHeight = 28;
constexpr long kButtonHeight = 22;
constexpr long kGroupGap = 8;

void RegisterAppClasses() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    RegisterBuilderClasses();
    RegisterClass(appid::kProgramHolder, gid::kView, std::make_unique<GVPLProgramHolder>());
    RegisterClass(appid::kUserFunctionPalette, gid::kScrollView, nullptr);
    RegisterClass(appid::kAppZEZ, gid::kDrawingApp, nullptr);
}

GText* Caption(GGraphic& owner, long x, long y, std::string_view text) {
    auto* caption = MakeOwned<GText>(owner, ganchor::Pixels(x), ganchor::Pixels(y),
                                     gsize::Pixels(96), gsize::Pixels(11), text, 8.0);
    caption->SetColor(0x000000);
    caption->SetProperty(gprop::kShown);
    return caption;
}

// Lays tools out from left to right on the tool bar, with gaps between groups.
class ToolRow {
public:
    explicit ToolRow(GGraphic& bar) : bar_(bar) {}
    void Gap() { x_ += kGroupGap; }
    long Take(long width) {
        const long at = x_;
        x_ += width + 2;
        return at;
    }
    void Create(std::unique_ptr<GGraphic> prototype, std::string_view label, long width = 24) {
        vplapp::AddCreateTool(bar_, Take(width), 3, width, kButtonHeight, std::move(prototype),
                              label);
    }
    void Ties(short hold, std::string_view label) {
        const long width = 30;
        auto* tool =
            MakeOwned<GVPLTieTool>(bar_, ganchor::Pixels(Take(width)), ganchor::Pixels(3),
                                   gsize::Pixels(width), gsize::Pixels(kButtonHeight), hold);
        vplapp::DressTool(*tool, width, kButtonHeight, label);
    }
    void Command(int command, std::string_view label, long width) {
        auto* button = MakeOwned<GLabeledMenuButton>(
            bar_, command, label, ganchor::Pixels(Take(width)), ganchor::Pixels(3),
            gsize::Pixels(width), gsize::Pixels(kButtonHeight));
        button->Add3DAdorners(0xFFFFFF, 0x808080);
        button->SetProperty(gprop::kShown);
    }

private:
    GGraphic& bar_;
    long x_ = 4;
};

} // namespace

GAppZEZ::GAppZEZ(GSys* system, vplapp::PalettePlaces places)
    : GDrawingApp(system), places_(std::move(places)) {
    RegisterAppClasses();
    GWindow* main = GetNewWindow(nullptr, GWindow::kMainWindow, 0, 0, kMainWidth, kMainHeight);
    if (main == nullptr) return;
    main->SetColor(0xFFFFFF);
    main_.Insert(main);
    CreateHorizontalToolView(main);
    GWindow* tool =
        GetNewWindow(nullptr, GWindow::kToolWindow, kToolX, kToolY, kToolWidth, kToolHeight);
    if (tool != nullptr) {
        tool->SetColor(0xFAFAFA);
        tool_.Insert(tool);
        CreateVerticalToolView(tool);
    }
    // The palettes' prototypes took line numbers; programs count theirs from 1.
    SetNextLineNumber(1);
    DefineMenus();
    main->Redraw();
    if (tool != nullptr) tool->Redraw();
}

GAppZEZ::~GAppZEZ() = default;

void GAppZEZ::DefineMenus() {
    struct Item {
        const char* menu;
        const char* text;
        int command;
        int key;
    };
    static constexpr Item kItems[] = {
        {"File", "New", gcmd::kNew, 'N'},
        {"File", "Open", gcmd::kOpen, 'O'},
        {"File", "Save", appcmd::kSave, 'S'},
        {"File", "Save As", appcmd::kSaveAs, 0},
        {"File", "Close", gcmd::kClose, 0},
        {"File", "Quit", gcmd::kQuit, 'Q'},
        {"Edit", "Cut", gcmd::kCut, 'X'},
        {"Edit", "Copy", gcmd::kCopy, 'C'},
        {"Edit", "Paste", gcmd::kPaste, 'V'},
        {"Edit", "Clear", gcmd::kClear, 0},
        {"Graphic", "Lock", gcmd::kLock, 'L'},
        {"Graphic", "Unlock", gcmd::kUnlock, 'U'},
        {"Graphic", "To Front", gcmd::kToFront, 0},
        {"Graphic", "To Back", gcmd::kToBack, 0},
        {"Graphic", "Group", gcmd::kGroup, 0},
        {"Graphic", "Ungroup", gcmd::kUngroup, 0},
        {"Graphic", "Alter Appearance", vplcmd::kAlterAppearance, 'A'},
        {"Program", "Run", vplcmd::kRun, 'R'},
        {"Program", "Halt", vplcmd::kHalt, 'H'},
        {"Program", "Hide Program", vplcmd::kHideProgram, 0},
        {"Program", "Show Program", vplcmd::kShowProgram, 0},
        {"Program", "Create User Function", vplcmd::kCreateUserFunction, 0},
        {"Program", "Save User Function", appcmd::kSaveUserFunction, 0},
        {"Program", "Deposit Input Value", vplcmd::kDepositInputValue, 'D'},
    };
    for (const Item& item : kItems)
        AddMenuItem(item.menu, item.text, item.command, item.key);
}

GView* GAppZEZ::CreateHorizontalToolView(GView* owner) {
    if (owner == nullptr) return nullptr;
    auto* bar = MakeOwned<GView>(*owner, ganchor::Pixels(0), ganchor::Pixels(0),
                                 gsize::Pixels(kMainWidth), gsize::Pixels(kToolBarHeight));
    bar->SetColor(kBarColor);
    bar->SetProperty(gprop::kShown);
    ToolRow row(*bar);
    // Processing: a function box (typed to choose its function), a user function, a timer.
    row.Create(std::make_unique<GVPLFunction>(0, 0, 60, 40), "f( )");
    row.Create(std::make_unique<GVPLUserFunction>(0, 0, 80, 50), "UF");
    row.Create(std::make_unique<GVPLTimer>(0, 0, 50, 30), "Tm");
    row.Gap();
    row.Ties(0, "Tie");
    row.Ties(1, "Hold");
    row.Gap();
    // Animators and sensors of the position and the colour of what holds them.
    row.Create(std::make_unique<GVPLAnimator>(0, 0, 40, 24, 11), "X<");
    row.Create(std::make_unique<GVPLAnimator>(0, 0, 40, 24, 12), "Y<");
    row.Create(std::make_unique<GVPLAnimator>(0, 0, 40, 24, 15), "C<");
    row.Gap();
    row.Create(std::make_unique<GVPLPropertySensor>(0, 0, 40, 24, 11), "X>");
    row.Create(std::make_unique<GVPLPropertySensor>(0, 0, 40, 24, 12), "Y>");
    row.Gap();
    row.Command(vplcmd::kRun, "Run", 30);
    row.Command(vplcmd::kHalt, "Halt", 30);
    row.Command(appcmd::kSwitchFrame, "Scroll", 36);
    return bar;
}

GView* GAppZEZ::CreateVerticalToolView(GView* owner) {
    if (owner == nullptr) return nullptr;
    Caption(*owner, 3, 1, "Functions");
    auto* functions = MakeOwned<GScrollView>(*owner, ganchor::Pixels(2), ganchor::Pixels(13),
                                             gsize::Pixels(96), gsize::Pixels(118), true, false);
    functions->SetProperty(gprop::kShown);
    vplapp::FillFunctionPalette(*functions);
    functions_.Insert(functions);
    Caption(*owner, 3, 133, "Inputs, outputs");
    vplapp::FillInputOutputPalette(*owner, 3, 145);
    Caption(*owner, 3, 181, "User functions");
    auto* userFunctions =
        MakeOwned<vplapp::GVPLUserFunctionPalette>(*owner, ganchor::Pixels(2), ganchor::Pixels(193),
                                                   gsize::Pixels(96), gsize::Pixels(60), places_);
    userFunctions->SetProperty(gprop::kShown);
    userFunctions_.Insert(userFunctions);
    Caption(*owner, 3, 256, "Drawing");
    drawing_ = vplapp::AddDrawingPalette(*owner, 3, 268, 94);
    return owner;
}

vplapp::GVPLUserFunctionPalette* GAppZEZ::UserFunctionPalette() const {
    return As<vplapp::GVPLUserFunctionPalette>(userFunctions_.First());
}

void GAppZEZ::TellUser(const std::string& message) {
    if (System() != nullptr) System()->ShowMessage(message);
}

void GAppZEZ::OpenDocuments(std::span<const std::string> names) {
    for (const std::string& name : names)
        OpenDocument(name);
}

GDoc* GAppZEZ::OpenDocument(const std::string& name) {
    const std::string fileName = GStreamReadFile::FileNameFor(name);
    std::error_code error;
    const bool exists = std::filesystem::exists(fileName, error);
    std::unique_ptr<GVPLProgramView> program;
    if (exists) {
        GStreamReadFile stream(fileName);
        if (stream.IsOK()) program = vpl::ReadProgram(stream, false, ticks_);
    }
    if (program != nullptr) {
        program->SetProgramName(fileName);
        return MakeDocument(std::move(program), fileName, fileName);
    }
    if (!exists) {
        // A new program that will be saved under the name.
        TellUser("\"" + fileName + "\" does not exist; it opens as an empty program.");
        return MakeDocument(nullptr, fileName, fileName);
    }
    // Saving must not overwrite what could not be read: the program has no file yet.
    TellUser("\"" + fileName +
             "\" cannot be read as a program file; it opens as an empty program.");
    return MakeDocument(nullptr, fileName, {});
}

GDoc* GAppZEZ::MakeDoc(std::unique_ptr<GStream> stream) {
    if (stream == nullptr) return MakeDocument(nullptr, kNewDocumentTitle, {});
    std::string name;
    if (auto* file = dynamic_cast<GStreamReadFile*>(stream.get())) name = file->FileName();
    std::unique_ptr<GVPLProgramView> program =
        stream->IsOK() ? vpl::ReadProgram(*stream, false, ticks_) : nullptr;
    if (program == nullptr) {
        TellUser("\"" + name +
                 "\" cannot be read as a program file; it opens as an empty program.");
        return MakeDocument(nullptr, name.empty() ? kNewDocumentTitle : name, {});
    }
    program->SetProgramName(name);
    return MakeDocument(std::move(program), name.empty() ? kNewDocumentTitle : name, name);
}

GDoc* GAppZEZ::MakeDocument(std::unique_ptr<GVPLProgramView> program, std::string title,
                            std::string fileName) {
    const long offset = kDocumentOffset * documentsMade_++;
    GWindow* window = GetNewWindow(nullptr, GWindow::kDocumentWindow, kFirstDocumentX + offset,
                                   kFirstDocumentY + offset, kDocumentWidth, kDocumentHeight);
    if (window == nullptr) return nullptr;
    window->SetWindowTitle(title);
    auto doc = std::make_unique<GVPLDocument>();
    doc->SetWindow(window);
    doc->SetFileName(std::move(fileName));
    GDoc* raw = doc.get();
    InsertOwned(std::move(doc));
    if (program == nullptr)
        program = std::make_unique<GVPLProgramView>(0, 0, window->Width(), window->Height());
    program->SetTickSource(ticks_);
    program->SetProperty(gprop::kShown);
    GVPLProgramView* view = program.get();
    auto* holder = MakeOwned<GVPLProgramHolder>(*window, 0, 0, window->Width(), window->Height());
    holder->SetProperty(gprop::kFillOwner);
    holder->SetProperty(gprop::kShown);
    holder->AttachProgram(std::move(program));
    window->Redraw();
    SetFocusedObject(view);
    // A program saved while it ran runs again at once.
    if (view->WasSavedRunning()) view->Run();
    return raw;
}

GVPLProgramView* GAppZEZ::ProgramOf(G0* object) {
    for (G0* at = object; at != nullptr; at = at->Owner()) {
        if (auto* program = As<GVPLProgramView>(at)) return program;
        if (auto* holder = As<GVPLProgramHolder>(at)) return holder->Program();
        if (auto* window = As<GWindow>(at);
            window != nullptr && window->Kind() == GWindow::kDocumentWindow)
            for (G0* part : window->Objects())
                if (auto* holder = As<GVPLProgramHolder>(part)) return holder->Program();
    }
    return nullptr;
}

GVPLProgramView* GAppZEZ::ActiveProgram() const {
    if (GVPLProgramView* program = ProgramOf(FocusedObject())) return program;
    const auto windows = DocumentWindows();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        if (GVPLProgramView* program = ProgramOf(*it)) return program;
    return nullptr;
}

GVPLDocument* GAppZEZ::DocumentOf(const GVPLProgramView& program) const {
    GWindow* window = program.Window();
    for (G0* object : Objects())
        if (auto* doc = dynamic_cast<GVPLDocument*>(object);
            doc != nullptr && doc->Window() == window)
            return doc;
    return nullptr;
}

GVPLProgramHolder* GAppZEZ::HolderOf(const GVPLProgramView& program) const {
    return program.FindOwnershipFrom<GVPLProgramHolder>();
}

bool GAppZEZ::SaveProgram(GVPLProgramView& program, bool askName) {
    GVPLDocument* doc = DocumentOf(program);
    std::string name = doc != nullptr ? doc->FileName() : std::string();
    if (name.empty() || askName) {
        const std::string offered =
            program.GetProgramName().empty() ? kUnnamedProgram : program.GetProgramName();
        std::optional<std::string> chosen = GetSaveDocumentName(offered);
        if (!chosen || chosen->empty()) return false;
        name = GStreamReadFile::FileNameFor(*chosen);
        program.SetProgramName(name);
        if (doc != nullptr) doc->SetFileName(name);
        if (GWindow* window = program.Window()) window->SetWindowTitle(name);
    }
    std::string error;
    if (vpl::WriteProgramFile(program, name, &error)) return true;
    TellUser("\"" + name + "\" could not be saved (" + error +
             "); the previous file is unchanged.");
    return false;
}

bool GAppZEZ::SaveUserFunction() {
    auto* function = As<GVPLUserFunction>(FocusedObject());
    vplapp::GVPLUserFunctionPalette* palette = UserFunctionPalette();
    if (function == nullptr || function->Name().empty() || palette == nullptr) return false;
    std::unique_ptr<GVPLUserFunction> copy = As<GVPLUserFunction>(function->Clone());
    if (copy == nullptr) return false;
    return palette->AddUserFunction(std::move(copy)) != nullptr;
}

void GAppZEZ::MenuEvent(int command) {
    GVPLProgramView* active = ActiveProgram();
    // Program commands reach the application when the focus is outside every program (on a
    // palette, say): they go to the program in use.
    const bool focusOutside = ProgramOf(FocusedObject()) == nullptr;
    switch (command) {
    case gcmd::kOpen:
        if (System() != nullptr)
            if (auto name = System()->GetOpenDocumentName()) OpenDocument(*name);
        return;
    case appcmd::kSave:
    case appcmd::kSaveAs:
        if (active != nullptr) SaveProgram(*active, command == appcmd::kSaveAs);
        return;
    case appcmd::kSaveUserFunction:
        SaveUserFunction();
        return;
    case gcmd::kClose:
        if (active != nullptr) CloseWindow(active->Window());
        return;
    case appcmd::kSwitchFrame:
        if (active != nullptr && focusOutside)
            if (GVPLProgramHolder* holder = HolderOf(*active)) holder->MenuEvent(command);
        return;
    case vplcmd::kRun:
    case vplcmd::kHalt:
    case vplcmd::kHideProgram:
    case vplcmd::kShowProgram:
    case vplcmd::kCreateUserFunction:
        if (active != nullptr && focusOutside) active->MenuEvent(command);
        return;
    default:
        GDrawingApp::MenuEvent(command);
    }
}

void GAppZEZ::DoSetupMenus(GEventHandler* focus) {
    GDrawingApp::DoSetupMenus(focus);
    if (ProgramOf(focus) == nullptr) {
        if (GVPLProgramView* program = ActiveProgram()) {
            program->SetupProgramCommands();
        } else {
            for (int command :
                 {appcmd::kSave, appcmd::kSaveAs, vplcmd::kRun, vplcmd::kHalt, vplcmd::kHideProgram,
                  vplcmd::kShowProgram, vplcmd::kCreateUserFunction})
                EventEnable(command, false);
        }
    }
    const auto* function = As<GVPLUserFunction>(focus);
    EventEnable(appcmd::kSaveUserFunction, function != nullptr && !function->Name().empty());
    // Only an input tie deposits a value; it enables the command itself.
    if (As<GVPLInputTie>(focus) == nullptr) EventEnable(vplcmd::kDepositInputValue, false);
    EventEnable(gcmd::kClose, ActiveProgram() != nullptr);
}
