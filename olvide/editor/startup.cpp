#include "startup.h"

#include "olvide/drawing/drawing_forms.h"
#include "olvide/drawing/paint_panel.h"
#include "olvide/editor/file_commands.h"
#include "olvide/editor/forms/control_panel.h"
#include "olvide/editor/forms/editor_forms.h"
#include "olvide/editor/main_window.h"
#include "olvide/editor/qt_text.h"
#include "olvide/editor/splash_process.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdlib>
#include <iostream>

namespace olvide::editor {

StartOptions parseStartOptions(const std::vector<std::string>& args) {
    StartOptions options;
    for (const std::string& a : args) {
        if (a == "--no-splash")
            options.splash = false;
        else if (a.starts_with("-"))
            options.error = "unknown option \"" + a + "\"";
        else
            options.files.push_back(a);
    }
    return options;
}

void waitUntil(std::chrono::steady_clock::time_point until) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        until - std::chrono::steady_clock::now());
    if (left.count() <= 0) return;
    QEventLoop loop;
    QTimer::singleShot(left, &loop, &QEventLoop::quit);
    loop.exec();
}

bool displayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value && *value) return true;
    return false;
}

int runDesktop(int& argc, char** argv, const StartOptions& options) {
    const auto started = std::chrono::steady_clock::now();
    if (!displayAvailable()) {
        std::cerr << "olvide: no display to show the windows on (set DISPLAY, or use --run or "
                     "--dump; olvide --help)\n";
        return 1;
    }
    QApplication app(argc, argv);
    if (options.splash) {
        startSplash();
        waitUntil(started + kSplashPause);
    }
    QApplication::setApplicationDisplayName(ui("Olvan编程语言"));
    // The main window makes the first group of forms with it (the control panel, the index
    // dialog, the step, flow and function list windows and the first dialogs); the others
    // follow in their groups, with the splash still on the screen.
    Tmainframe frame;
    if (options.splash) waitUntil(std::chrono::steady_clock::now() + kGroupPause);
    frame.forms().create(forms::FormGroup::second);
    if (options.splash) waitUntil(std::chrono::steady_clock::now() + kGroupPause);
    frame.forms().create(forms::FormGroup::third);
    frame.show();
    frame.forms().controlPanel().show();
    frame.drawing().paintPanel().show();
    for (const std::string& file : options.files)
        frame.files().open(file, true);
    return app.exec();
}

} // namespace olvide::editor
