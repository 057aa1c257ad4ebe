#include "pendrel/framework/focus.h"

#include "pendrel/framework/gwindow.h"
#include "pendrel/framework/selection_handles.h"

namespace {
GEventHandler* gFocus = nullptr;
GEventHandler* gPreviousFocus = nullptr;
GGraphic* gPicked = nullptr;
GWindow* gInputWindow = nullptr;
} // namespace

GEventHandler* FocusedObject() {
    return gFocus;
}
void SetFocusedObject(GEventHandler* object) {
    if (object == gFocus) return;
    gPreviousFocus = gFocus;
    gFocus = object;
    ghandles::FocusMoved(gPreviousFocus, gFocus);
}
GEventHandler* PreviousFocusedObject() {
    return gPreviousFocus;
}
GGraphic* PickedObject() {
    return gPicked;
}
void SetPickedObject(GGraphic* graphic) {
    gPicked = graphic;
}
GWindow* InputWindow() {
    return gInputWindow;
}
void SetInputWindow(GWindow* window) {
    gInputWindow = window;
}

void ForgetFocusOf(const G0* object) {
    if (static_cast<const G0*>(gFocus) == object) gFocus = nullptr;
    if (static_cast<const G0*>(gPreviousFocus) == object) gPreviousFocus = nullptr;
    if (static_cast<const G0*>(gPicked) == object) gPicked = nullptr;
    if (static_cast<const G0*>(gInputWindow) == object) gInputWindow = nullptr;
}
