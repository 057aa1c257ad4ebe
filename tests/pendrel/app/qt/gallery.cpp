// Draws pendrel's windows to PNG files, for looking at them (not a test): the main window with
// its palettes, running programs with a text box, an image box and a plot, a pop-up list, a
// program in its scrolling frame, the focused box with its selection handles and a user function
// made from a selection, before and after it is named. Usage: pendrel_gallery [FOLDER]
#include "pendrel/app/app_zez.h"
#include "pendrel/app/program_holder.h"
#include "pendrel/builder/function_boxes.h"
#include "pendrel/builder/input_boxes.h"
#include "pendrel/builder/output_boxes.h"
#include "pendrel/builder/program_view.h"
#include "pendrel/framework/focus.h"
#include "pendrel/framework/gscrollview.h"
#include "pendrel/framework/qt/gdevwin.h"
#include "pendrel/framework/qt/gsyswin.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QWidget>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

void Spin(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

bool Shot(GAppZEZ& app, const QString& folder, const char* name) {
    auto* main = dynamic_cast<GDevWin*>(app.MainWindow());
    const QString file = folder + "/" + name;
    const bool ok = main != nullptr && main->Frame()->grab().save(file);
    std::cout << (ok ? "" : "cannot write ") << file.toStdString() << "\n";
    return ok;
}

GVPLFunction* Function(GVPLProgramView& view, const char* keyword, long x, long y) {
    int inputs = 0;
    return MakeOwned<GVPLFunction>(view, x, y, 60, 36,
                                   vpl::vplglobal_funcfromlabel(keyword, &inputs));
}

template <class T> T* Shown(T* graphic) {
    graphic->Show();
    return graphic;
}

void Tie(GVPLBox* from, GVPLBox* to, int input) {
    from->OutputTie(1)->CompleteConnection(to->InputTie(input));
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication qt(argc, argv);
    const QString folder = argc > 1 ? argv[1] : QStringLiteral(OLVAN_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    const std::string examples = OLVAN_EXAMPLES_DIR;
    const std::string scratch =
        (std::filesystem::temp_directory_path() / "pendrel_gallery_palette.dat").string();
    std::filesystem::remove(scratch);
    GSysWin system;
    bool ok = true;
    {
        GAppZEZ app(&system, vplapp::PalettePlaces{{}, scratch});
        auto* main = dynamic_cast<GDevWin*>(app.MainWindow());
        main->InstallMenus();
        main->Frame()->show();
        app.OpenNewDoc();
        Spin(200);
        ok &= Shot(app, folder, "main-window.png");

        // Two saved examples, which run as they open.
        app.OpenDocument(examples + "/arithmetic.zez");
        app.OpenDocument(examples + "/image.zez");
        Spin(500);
        ok &= Shot(app, folder, "examples.png");
        for (GWindow* window : app.DocumentWindows())
            app.CloseWindow(window);

        // A running program with a text box, an image box and a plot.
        app.OpenNewDoc();
        GVPLProgramView* plot = app.ActiveProgram();
        auto* typed = Shown(MakeOwned<GVPLInputData>(*plot, 10, 60, 50, 28));
        GVPLFunction* ramp = Shown(Function(*plot, "RAMP", 80, 40));
        GVPLFunction* mul = Shown(Function(*plot, "MUL", 160, 40));
        auto* graph = Shown(MakeOwned<GVPLPlottingBox>(*plot, 250, 10, 120, 80));
        auto* text = Shown(MakeOwned<GVPLOutputBox>(*plot, 250, 110, 120, 30));
        auto* image = Shown(MakeOwned<GVPLImageBox>(*plot, 160, 100, 60, 40));
        Tie(typed, ramp, 1);
        Tie(ramp, mul, 1);
        Tie(ramp, mul, 2);
        Tie(mul, graph, 1);
        Tie(mul, text, 1);
        Tie(mul, image, 1);
        plot->Redraw();
        plot->MenuEvent(vplcmd::kRun);
        SetFocusedObject(typed);
        for (char c : std::string("12\r"))
            typed->KeyEvent(c);
        Spin(800);
        main->Redraw();
        ok &= Shot(app, folder, "running.png");

        // A pop-up list: the properties an animator can drive.
        plot->MenuEvent(vplcmd::kHalt);
        auto* animator = MakeOwned<GVPLAnimator>(*plot, 20, 120, 40, 24, 11);
        animator->Show();
        animator->MenuEvent(vplcmd::kAlterAppearance);
        Spin(200);
        ok &= Shot(app, folder, "popup.png");

        // The same program in its scrolling frame, scrolled down and to the right.
        SetFocusedObject(plot);
        plot->MenuEvent(appcmd::kSwitchFrame);
        if (GVPLProgramHolder* holder = app.HolderOf(*plot))
            if (GScrollView* scroll = holder->ScrollFrame()) {
                scroll->Scroll(GScrollView::kDown);
                scroll->Scroll(GScrollView::kLeft);
            }
        Spin(200);
        ok &= Shot(app, folder, "scrolled.png");
        for (GWindow* window : app.DocumentWindows())
            app.CloseWindow(window);

        // The focused box with its selection handles; then the two function boxes made into a
        // user function, which takes the focus and the handles.
        app.OpenNewDoc();
        GVPLProgramView* edit = app.ActiveProgram();
        GVPLFunction* add = Shown(Function(*edit, "ADD", 30, 40));
        GVPLFunction* abs = Shown(Function(*edit, "ABS", 140, 40));
        auto* shown = Shown(MakeOwned<GVPLOutputBox>(*edit, 250, 40, 100, 30));
        Tie(add, abs, 1);
        Tie(abs, shown, 1);
        edit->Redraw();
        SetFocusedObject(abs);
        Spin(200);
        ok &= Shot(app, folder, "handles.png");
        edit->Select(add);
        edit->Select(abs);
        SetFocusedObject(edit);
        edit->MenuEvent(vplcmd::kCreateUserFunction);
        Spin(200);
        ok &= Shot(app, folder, "user-function.png");
        // Named by typing while it has the focus.
        if (auto* named = dynamic_cast<GVPLUserFunction*>(FocusedObject()))
            for (char c : std::string("AbsSum"))
                named->KeyEvent(c);
        Spin(200);
        ok &= Shot(app, folder, "user-function-named.png");
    }
    std::filesystem::remove(scratch);
    return ok ? 0 : 1;
}
