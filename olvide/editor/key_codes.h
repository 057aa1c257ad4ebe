#pragma once
// The program space reacts to virtual keys of a US layout (Shift+= is plus, Shift+, less
// than). Qt reports the character a key makes; this maps it back to the key that made it.
#include "olvide/model/objects/visualor.h"

#include <Qt>
#include <optional>

namespace olvide::editor {

struct VirtualKey {
    int key = 0;
    KeyModifiers modifiers;
};

// The virtual key of a Qt key event; none for keys the program space does not know.
std::optional<VirtualKey> virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);

} // namespace olvide::editor
