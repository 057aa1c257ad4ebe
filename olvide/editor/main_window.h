#pragma once
// Tmainframe: the main window, a multiple-document frame whose children are the program
// space windows. It carries the tool bar (files, the run buttons, the window toggles) with
// the status hint, the main menu merged with the active program's, the emblem on its client
// area, and the document list of open programs.
#include <QMainWindow>
#include <map>
#include <memory>
#include <string>

class QAbstractButton;
class QLabel;
class QMenu;

namespace olvide {
class ProgramServices;
class TCommander;
class TVisualor;
class Tprogramspace;
class Workspace;
} // namespace olvide

namespace olvide::forms {
class EditorForms;
}

namespace olvide::drawing {
class DrawingForms;
}

namespace olvide::views {
class ProgramViews;
}

namespace olvide::editor {

class DocumentListWindow;
class EmblemArea;
class FileCommands;
class ProgramSpaceWindow;
class QtPlatform;
class RunDriver;

class Tmainframe : public QMainWindow {
    Q_OBJECT
public:
    // Makes the main window with the first group of forms and the step, parameter and flow
    // windows; the later groups of forms are made by forms().create(...) or when first used.
    Tmainframe();
    ~Tmainframe() override;

    Workspace& workspace() const { return *workspace_; }
    QtPlatform& platform() const { return *platform_; }
    forms::EditorForms& forms() const { return *forms_; }
    // The drawing panel, the shapes' attribute dialogs and the colour and font dialogs.
    drawing::DrawingForms& drawing() const { return *drawing_; }
    views::ProgramViews& views() const { return *views_; }
    RunDriver& runDriver() const { return *driver_; }
    FileCommands& files() const { return *files_; }
    EmblemArea& mdiArea() const { return *mdi_; }
    DocumentListWindow& functionList() const { return *functionList_; }
    // A tool-bar button by its name (FileNew, ProgramRun, ...).
    QAbstractButton* toolButton(const QString& name) const;
    QLabel& statusHint() const { return *statusHint_; }
    QMenu& fileMenu() const { return *fileMenu_; }

    // A program runs (or is paused, or has ended and is not yet stopped).
    bool running() const;
    Tprogramspace* activeProgram() const;
    ProgramSpaceWindow* windowOf(const Tprogramspace& program) const;
    // The program space window that shows the object; none for objects of no open program.
    ProgramSpaceWindow* windowShowing(const TVisualor& object) const;
    ProgramSpaceWindow* activeWindow() const;
    void bringToFront(Tprogramspace& program);
    void setStatusHint(const QString& text);
    void commanderActivated(const TCommander& commander);
    // The run shows step n of the commander; none: the run was stopped.
    void showRunStep(TCommander* commander, int stepNumber, bool ended);
    // An object goes: no window keeps it.
    void objectDestroyed(const TVisualor& object);
    // Every window takes its objects' current values.
    void refreshValues();
    // The function list follows the open programs.
    void refreshDocuments();

    // Windows for every open program that has none yet (a program just opened, and the
    // functions it opened), maximised when `show`.
    void adoptNewPrograms(bool show);
    ProgramSpaceWindow& addWindow(Tprogramspace& program);
    // Closes the window's program after the questions; false when it stays open.
    bool closeProgram(ProgramSpaceWindow& window);
    void windowGone(ProgramSpaceWindow& window);

    // The number the next new program is named with (Mennel1, Mennel2, ...).
    int newProgramCounter() const { return newProgramCounter_; }

    // Handlers of the tool bar and the menus.
    Tprogramspace& newfileClick();
    void OpenfileClick(bool show = true);
    void FileSaveClick();
    void StepWindowOnoffClick();
    void FlowWindowOnoffClick();
    void FunctionListClick();
    void AboutOlvane1Click();
    void AboutAuthor1Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    QWidget* makeToolBar();
    void makeMenus();
    // The file menu: the main window's own, or the active program's merged into it.
    void fillFileMenu(bool programMenu);
    // The window became the active child (FormActivate of the program space).
    void programActivated(ProgramSpaceWindow* window);

    std::unique_ptr<QtPlatform> platform_;
    std::unique_ptr<Workspace> workspace_;
    std::unique_ptr<forms::EditorForms> forms_;
    std::unique_ptr<drawing::DrawingForms> drawing_;
    views::ProgramViews* views_ = nullptr; // a child of this window
    std::unique_ptr<RunDriver> driver_;
    std::unique_ptr<FileCommands> files_;
    EmblemArea* mdi_ = nullptr;
    DocumentListWindow* functionList_ = nullptr;
    QLabel* statusHint_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    std::map<const ProgramServices*, ProgramSpaceWindow*> windows_;
    int newProgramCounter_ = 1;
    bool fileMenuForProgram_ = false;
};

} // namespace olvide::editor
