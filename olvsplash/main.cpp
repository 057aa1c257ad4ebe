// olvsplash: the animated splash screen olvide shows while it starts. It takes no arguments;
// the process ends when the window closes.
#include "olvsplash/splash_screen.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    olvsplash::TSplashscreen splash;
    splash.show();
    return app.exec();
}
