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
    QPointer<QWidget> mainAlive_;
};
