#pragma once
// GDevWin: a window on the screen. It keeps its back buffer, copies changed areas of it onto
// a Qt widget, and turns the widget's mouse, key, size, paint and timer events into framework
// events: press 18, move with the button held 23, release 17, typed characters through the
// system object, menu commands to the focused object, and for the main window a 1 ms timer
// that drives idle processing.
#include "pendrel/framework/gwindow.h"

#include <QImage>
#include <QPointer>
#include <functional>
#include <memory>

class QWidget;
class GBackBuffer;
class GDevWidget;

class GDevWin : public GWindow {
public:
    // Document and tool windows are children of the main window when there is one.
    GDevWin(long kind, long x, long y, long width, long height, GDevWin* main = nullptr);
    ~GDevWin() override;

    static constexpr GClassID kClassID = gid::kDevWin;

    GClassID GetClassID() const override { return kClassID; }

    // The widget that shows the window (for the main window, its whole frame).
    QWidget* Frame() const;
    // The widget whose client area shows the back buffer.
    QWidget* Client() const;
    GBackBuffer& Buffer() const;
    // What the window shows on the screen now.
    QImage Grab() const;

    void SetWindowTitle(std::string_view title) override;
    void SetMousePosition(Gpoint point) override;
    // Document windows: marked as the active document when they gain the focus.
    bool IsHighlighted() const { return highlighted_; }
    void SetHighlighted(bool on) { highlighted_ = on; }

    // Main window: the idle work run on each tick of its 1 ms timer (the application's idle
    // processing unless other work is given).
    void SetIdleWork(std::function<void()> work);
    void RunIdleTick();
    // Whether the idle timer is waiting for its next tick.
    bool IdleTimerActive() const;
    // Main window: the menu bar made from the system object's pull-downs.
    void InstallMenus();
    // Shows a command's state on its menu item.
    void DisplayMenuState(int command, bool on);

    void WNDSizeChange(Gpoint size) override;

protected:
    void Present(const Grect& changed) override;
    void ApplyCursor(short cursor) override;

private:
    friend class GDevWidget;
    std::unique_ptr<QWidget> frame_;
    // A child window's widget goes with its parent's; then there is nothing left to delete.
    QPointer<QWidget> frameAlive_;
    GDevWidget* client_ = nullptr;
    std::function<void()> idleWork_;
    bool highlighted_ = false;
    bool resizing_ = false;
};
