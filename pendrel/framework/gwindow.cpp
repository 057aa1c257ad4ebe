#include "pendrel/framework/gwindow.h"

#include "pendrel/framework/focus.h"
#include "pendrel/framework/gstring.h"
#include "pendrel/framework/properties.h"

namespace {
GClipboard* gClipboard = nullptr;
}

void SetClipboard(GClipboard* clipboard) {
    gClipboard = clipboard;
}

GWindow::GWindow(long kind, long x, long y, long width, long height,
                 std::unique_ptr<GDevice> device)
    : GView(x, y, width, height), GDrawingSurface(std::move(device)), kind_(kind) {
    SetColor(0xFFFFFF);
    if (kind == kMainWindow) title_ = "VRNOvisual";
    if (kind == kDocumentWindow) title_ = "VRNOprogram";
    SetProperty(gprop::kShown);
    SetProperty(gprop::kWidthPixels);
    SetProperty(gprop::kHeightPixels);
    if (Device() != nullptr) Device()->Resize(width, height);
    CalculatePickArea();
    if (FocusedObject() == nullptr) SetFocusedObject(this);
}

GWindow::~GWindow() {
    // Graphics go first, while the window they draw in still exists.
    DeleteAll();
    ForgetFocusOf(this);
}

// Wherever the window is on the screen, its client area starts at 0, 0.
void GWindow::CalculatePickArea() {
    SetDisplayRect({0, 0, Width(), Height()});
}

void GWindow::Redraw() {
    RedrawArea({0, 0, Width(), Height()});
}

void GWindow::RedrawArea(const Grect& area) {
    const auto savedClip = Clipping();
    const int savedMode = DrawingMode();
    Open();
    SetDrawingMode(kCopyMode);
    MoreClipping(area);
    Display(*this);
    if (savedClip)
        SetClipping(*savedClip);
    else
        NoClipping();
    SetDrawingMode(savedMode);
    Close();
}

void GWindow::Paint(GDrawingSurface& surface) {
    surface.DrawRectangle(0, 0, Width(), Height());
}

void GWindow::SetDeviceCursor(short cursor) {
    if (cursor < kArrow || cursor > kTextBeam) return;
    cursor_ = cursor;
    ApplyCursor(cursor);
}

GGraphic* GWindow::GetPickedObject() {
    // Under the mouse as it is now, which may have moved since the last press.
    if (GWindow* window = InputWindow()) return window->PickAt(window->GetMousePosition());
    return PickedObject();
}

void GWindow::NoteInput(Gpoint point) {
    mouse_ = point;
    SetInputWindow(this);
    SetPickedObject(PickAt(point));
}

void GWindow::SetFocus(GEventHandler* object) {
    SetFocusedObject(object);
}

void GWindow::ReleaseFocus() {
    if (FocusedObject() != this) SetFocusedObject(this);
}

bool GWindow::IsGlobalClipboardText() {
    return gClipboard != nullptr && gClipboard->Text().has_value();
}

std::unique_ptr<GString> GWindow::GetGlobalClipboardText() {
    if (gClipboard == nullptr) return nullptr;
    auto text = gClipboard->Text();
    if (!text) return nullptr;
    return std::make_unique<GString>(*text);
}

void GWindow::MouseEvent(int type, long x, long y) {
    mouse_ = {x, y};
    if (type != gmouse::kPress) return;
    GGraphic* picked = PickAt({x, y});
    if (picked == nullptr || picked == this) return;
    SetFocus(picked);
    picked->MouseEvent(type, x, y);
}

void GWindow::WNDSizeChange(Gpoint size) {
    SetSize(size.x, size.y);
    if (Device() != nullptr) Device()->Resize(size.x, size.y);
    CalculatePickArea();
    // The window counts in pixels; setting its extent draws everything again.
    SetVirtualCoordinates(0, 0, size.x, size.y);
}
