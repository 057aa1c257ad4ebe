#include "pendrel/framework/focus.h"

#include "pendrel/framework/geventhandler.h"

namespace {
GEventHandler* gFocus = nullptr;
GGraphic* gPicked = nullptr;
GWindow* gInputWindow = nullptr;
} // namespace

GEventHandler* FocusedObject() {
    return gFocus;
}
void SetFocusedObject(GEventHandler* object) {
    gFocus = object;
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

void ForgetFocusOf(const GEventHandler* object) {
    if (gFocus == object) gFocus = nullptr;
    if (static_cast<const void*>(gPicked) == static_cast<const void*>(object)) gPicked = nullptr;
    if (static_cast<const void*>(gInputWindow) == static_cast<const void*>(object))
        gInputWindow = nullptr;
}
