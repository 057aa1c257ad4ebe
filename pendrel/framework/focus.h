#pragma once
// The object that has the focus (keys and menu commands go to it) and the graphic under the
// mouse in the window that last received input. Both forget an object that goes away.
class G0;
class GEventHandler;
class GGraphic;
class GWindow;

GEventHandler* FocusedObject();
void SetFocusedObject(GEventHandler* object);
// The object that had the focus before the present one took it (none when it has gone).
GEventHandler* PreviousFocusedObject();
GGraphic* PickedObject();
void SetPickedObject(GGraphic* graphic);
GWindow* InputWindow();
void SetInputWindow(GWindow* window);
// Called by every event handler that goes away.
void ForgetFocusOf(const G0* object);
