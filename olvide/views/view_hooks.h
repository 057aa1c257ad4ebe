#pragma once
// What the step, parameter and flow windows need from the editor that holds them: the open
// programs, keys handed on to the active program space, and a repaint of that space when the
// shown step moves.
#include <functional>

class QKeyEvent;

namespace olvide {
class Workspace;
} // namespace olvide

namespace olvide::views {

struct ViewHooks {
    // The session's programs, by which the windows tell whether what they show still
    // exists. Required, and it outlives the windows.
    Workspace* workspace = nullptr;
    // A key pressed in the step window (false) or the parameter window (true), handed to the
    // active program space's key handler. Keys go nowhere when it is not set.
    std::function<void(QKeyEvent* event, bool fromParameterWindow)> keyToSpace;
    // The active program space repaints (it highlights the objects of the shown step).
    std::function<void()> repaintSpace;
};

} // namespace olvide::views
