#pragma once
// The object that has the focus (keys and menu commands go to it) and the graphic under the
// mouse in the window that last received input. Both forget an object that goes away.
class GEventHandler;
class GGraphic;
class GWindow;

GEventHandler* FocusedObject();
void SetFocusedObject(GEventHandler* object);
GGraphic* PickedObject();
void SetPickedObject(GGraphic* graphic);
GWindow* InputWindow();
void SetInputWindow(GWindow* window);
// Called by a handler that goes away.
void ForgetFocusOf(const GEventHandler* object);
