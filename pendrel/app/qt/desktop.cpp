#include "pendrel/app/qt/desktop.h"

#include "pendrel/app/app_zez.h"
#include "pendrel/framework/qt/gdevwin.h"
#include "pendrel/framework/qt/gsyswin.h"

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <iostream>

namespace vplapp {

bool DisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (const char* value = std::getenv(name); value != nullptr && *value != '\0') return true;
    return false;
}

int RunDesktop(int& argc, char** argv, const std::vector<std::string>& files) {
    if (!DisplayAvailable()) {
        std::cerr << "pendrel: no display to show the windows on (set DISPLAY, or use --run or "
                     "--net; pendrel --help)\n";
        return 1;
    }
    QApplication qt(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pendrel"));
    GSysWin system;
    system.SetMessagesModal(true);
    {
        GAppZEZ app(&system, DefaultPalettePlaces());
        auto* main = dynamic_cast<GDevWin*>(app.MainWindow());
        if (main == nullptr) return 1;
        main->InstallMenus();
        main->Frame()->show();
        app.OpenDocuments(files);
        app.Run();
        // The application goes here, and with it the palette, which writes its file.
    }
    return 0;
}

} // namespace vplapp
