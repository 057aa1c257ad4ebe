#pragma once
// GSysWin: the system object on the screen. Its windows are GDevWin, its menus a menu bar on
// the main window, its file dialogs and clipboard those of Qt, its event loop Qt's.
#include "pendrel/framework/gsys.h"
#include "pendrel/framework/gwindow.h"

#include <QPointer>
#include <QWidget>

class GDevWin;

class GSysWin : public GSys {
public:
    GSysWin();
    ~GSysWin() override;

    void DisplayMenuState(int command, bool on) override;
    // Messages are kept and written to the error output; with modal messages on (the desktop
    // program) each is also shown in a message box that waits for OK.
    void ShowMessage(std::string_view message) override;
    void SetMessagesModal(bool on) { modalMessages_ = on; }
    std::unique_ptr<GWindow> GetNewWindow(GGraphic* owner, long kind, long x, long y, long width,
                                          long height) override;
    void MainEventLoop() override;
    void ExitSystem() override;
    GDevWin* MainWindow() const { return mainAlive_.isNull() ? nullptr : main_; }

private:
    class Dialogs;
    class Clipboard;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<Clipboard> clipboard_;
    GDevWin* main_ = nullptr;
    bool modalMessages_ = false;
    QPointer<QWidget> mainAlive_;
};
