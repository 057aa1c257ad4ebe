#pragma once
// Builds the pop-up menu of a program object from the model's menu data: captions, sub-menus,
// separators and enabled states as the model says; choosing an item runs the same handler as
// the model's (Tprogramspace::runHandler), or calls a function's commander.
#include <QMenu>

namespace olvide {
class TVisualor;
class Tprogramspace;
} // namespace olvide

namespace olvide::editor {

// Set on menus that open centred on the point clicked.
inline constexpr const char* kCentredMenu = "centred";

// The menu for the object, parented to `parent`; none for objects without a menu. The menu
// deletes itself when it closes.
QMenu* buildPopupMenu(TVisualor& object, Tprogramspace& program, QWidget* parent);

} // namespace olvide::editor
