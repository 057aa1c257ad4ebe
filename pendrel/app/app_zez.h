#pragma once
// GAppZEZ: pendrel's application. It builds the main window with the horizontal tool bar and the
// tool window with the palettes, defines the menus, opens documents (one program view each, in
// a program holder), saves programs and keeps user functions in the palette. The windows come
// from the system object: on the screen they are Qt windows, in tests they draw nowhere.
#include "pendrel/app/app_ids.h"
#include "pendrel/app/palette_file.h"
#include "pendrel/app/palettes.h"
#include "pendrel/framework/gapp.h"

#include <memory>
#include <span>
#include <string>
#include <string_view>

class GVPLProgramView;
class GVPLProgramHolder;
class GView;
class GWindow;

namespace vpl {
class TickSource;
}

// A document: its window and the file its program was read from or saved to (empty for a new
// program).
class GVPLDocument : public GDoc {
public:
    const std::string& FileName() const { return fileName_; }
    void SetFileName(std::string name) { fileName_ = std::move(name); }

private:
    std::string fileName_;
};

class GAppZEZ : public GDrawingApp {
public:
    static constexpr long kMainWidth = 600;
    static constexpr long kMainHeight = 400;
    static constexpr long kToolX = 1;
    static constexpr long kToolY = 29;
    static constexpr long kToolWidth = 100;
    static constexpr long kToolHeight = 370;
    static constexpr long kFirstDocumentX = 100;
    static constexpr long kFirstDocumentY = 40;
    static constexpr long kDocumentOffset = 18;
    static constexpr const char* kUnnamedProgram = "VRNOvis";
    static constexpr const char* kNewDocumentTitle = "Unknown";

    // Builds the windows, the palettes (reading the user-function palette) and the menus.
    GAppZEZ(GSys* system, vplapp::PalettePlaces places);
    ~GAppZEZ() override;

    static constexpr GClassID kClassID = appid::kAppZEZ;
    GClassID GetClassID() const override { return kClassID; }

    // Opens each name as a document; a file that cannot be read opens as an empty program
    // with a message.
    void OpenDocuments(std::span<const std::string> names);
    GDoc* OpenDocument(const std::string& name);
    // A document of the stream's program, or a new empty one without a stream.
    GDoc* MakeDoc(std::unique_ptr<GStream> stream) override;

    void MenuEvent(int command) override;
    void DoSetupMenus(GEventHandler* focus) override;

    GView* CreateHorizontalToolView(GView* owner);
    GView* CreateVerticalToolView(GView* owner);

    GWindow* MainWindow() const { return As<GWindow>(main_.First()); }
    GWindow* ToolWindow() const { return As<GWindow>(tool_.First()); }
    vplapp::GVPLUserFunctionPalette* UserFunctionPalette() const;
    GScrollView* FunctionPalette() const { return As<GScrollView>(functions_.First()); }
    const vplapp::DrawingPalette& Drawing() const { return drawing_; }

    // The program the focused object belongs to, else the program of the document window
    // opened or used last; none without documents.
    GVPLProgramView* ActiveProgram() const;
    static GVPLProgramView* ProgramOf(G0* object);
    GVPLDocument* DocumentOf(const GVPLProgramView& program) const;
    GVPLProgramHolder* HolderOf(const GVPLProgramView& program) const;

    // Save (177) and Save As (180); false when nothing was written.
    bool SaveProgram(GVPLProgramView& program, bool askName);
    // Save User Function (456): a copy of the focused user function becomes a palette tool.
    bool SaveUserFunction();

    // Real time unless tests give a clock; applies to programs opened from now on.
    void SetTickSource(const vpl::TickSource* ticks) { ticks_ = ticks; }

private:
    void DefineMenus();
    GDoc* MakeDocument(std::unique_ptr<GVPLProgramView> program, std::string title,
                       std::string fileName);
    void TellUser(const std::string& message);

    GList main_;
    GList tool_;
    GList userFunctions_;
    GList functions_;
    vplapp::DrawingPalette drawing_;
    vplapp::PalettePlaces places_;
    const vpl::TickSource* ticks_ = nullptr;
    int documentsMade_ = 0;
};
