#include "key_codes.h"

namespace olvide::editor {

namespace {

// Keys of the main block: a shifted character maps to the key under it.
std::optional<int> keyOf(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey; // same codes as virtual keys
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return qtKey;
    switch (qtKey) {
    case Qt::Key_Exclam:
        return key::Digit1;
    case Qt::Key_Ampersand:
        return key::Digit7;
    case Qt::Key_Asterisk:
        return key::Digit8;
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return key::Equals;
    case Qt::Key_Comma:
    case Qt::Key_Less:
        return key::Comma;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return key::Minus;
    case Qt::Key_Period:
    case Qt::Key_Greater:
        return key::Period;
    case Qt::Key_Slash:
    case Qt::Key_Question:
        return key::Slash;
    case Qt::Key_Backslash:
    case Qt::Key_Bar:
        return key::Backslash;
    case Qt::Key_Delete:
        return key::Delete;
    case Qt::Key_Escape:
        return key::Escape;
    case Qt::Key_F4:
        return key::F4;
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<VirtualKey> virtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    // The number block's signs are other keys than the main block's.
    if (modifiers & Qt::KeypadModifier && !(qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return std::nullopt;
    const std::optional<int> key = keyOf(qtKey);
    if (!key) return std::nullopt;
    VirtualKey v;
    v.key = *key;
    v.modifiers.shift = modifiers & Qt::ShiftModifier;
    v.modifiers.alt = modifiers & Qt::AltModifier;
    v.modifiers.ctrl = modifiers & Qt::ControlModifier;
    return v;
}

} // namespace olvide::editor
