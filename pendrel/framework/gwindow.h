#pragma once
// GWindow: the top-level view, shown in a window of the platform. It holds the drawing state
// and primitives, the focus hand-over, the mouse position and the picked object. Without a
// device it draws nowhere, which is how programs run without a display.
#include "pendrel/framework/gsurface.h"
#include "pendrel/framework/gview.h"

#include <optional>
#include <string>

class GString;

// The platform's clipboard text.
class GClipboard {
public:
    virtual ~GClipboard() = default;
    virtual std::optional<std::string> Text() const = 0;
};
void SetClipboard(GClipboard* clipboard);

class GWindow : public GView, public GDrawingSurface {
public:
    static constexpr long kMainWindow = 1;
    static constexpr long kDocumentWindow = 2;
    static constexpr long kToolWindow = 4;

    enum Cursor : short { kArrow = 1, kCross = 2, kTextBeam = 3 };

    GWindow(long kind, long x, long y, long width, long height,
            std::unique_ptr<GDevice> device = nullptr);
    ~GWindow() override;

    std::unique_ptr<G0> CreateUninitInstance() const override { return nullptr; }
    static constexpr GClassID kClassID = gid::kWindow;
    GClassID GetClassID() const override { return kClassID; }
    bool IsDisplay() const override { return true; }

    long Kind() const { return kind_; }
    // The window's display rectangle is its client area.
    void CalculatePickArea() override;
    // Draws every graphic of the window again.
    void Redraw() override;
    // Draws again what lies in the area: the background and every graphic over it.
    void RedrawArea(const Grect& area);
    void Paint(GDrawingSurface& surface) override;

    virtual void SetWindowTitle(std::string_view title) { title_ = std::string(title); }
    const std::string& GetWindowTitle() const { return title_; }
    // 1 arrow, 2 cross, 3 text beam; other values keep the cursor.
    void SetDeviceCursor(short cursor);
    short DeviceCursor() const { return cursor_; }

    Gpoint GetMousePosition() const { return mouse_; }
    virtual void SetMousePosition(Gpoint point) { mouse_ = point; }
    // The graphic under the mouse in the window that last received input.
    static GGraphic* GetPickedObject();
    // Notes this window as the one that received input at the point.
    void NoteInput(Gpoint point);
    void NoteMouse(Gpoint point) { mouse_ = point; }

    void SetFocus(GEventHandler* object);
    void ReleaseFocus();

    static bool IsGlobalClipboardText();
    static std::unique_ptr<GString> GetGlobalClipboardText();

    // A press on a graphic other than the window gives it the focus and passes the press on.
    void MouseEvent(int type, long x, long y) override;
    // The client area has a new size: the back buffer follows and the drawing is redone.
    virtual void WNDSizeChange(Gpoint size);

protected:
    long SurfaceColor() const override { return Color(); }
    virtual void ApplyCursor(short cursor) { (void)cursor; }
    void SetWindowTitleText(std::string_view title) { title_ = std::string(title); }

private:
    long kind_;
    std::string title_;
    short cursor_ = kArrow;
    Gpoint mouse_;
};
