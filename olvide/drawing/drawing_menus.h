#pragma once
// The pop-up menus of the drawing elements: LinePopupMenu, textPopupMenu, RectanglePopupMenu,
// TrianglePopupMenu and imagePopupMenu. Every command item is named after its handler
// (MsalignNoneClick, Msangle90Click, ...); a chosen item hands that name on.
#include "olvide/model/files/drawing_file.h"

#include <QMenu>
#include <functional>
#include <string_view>

namespace olvide::drawing {

enum class ElementMenu { line, text, rectangle, triangle, image };
ElementMenu menuOfKind(PaintKind kind);

// Builds the menu; choosing an item calls command with the item's handler name.
QMenu* buildElementMenu(ElementMenu which, QWidget* parent,
                        const std::function<void(std::string_view handler)>& command);

} // namespace olvide::drawing
