#pragma once
// The 16 x 16 glyphs of the step window's tool buttons, drawn by the program.
#include <QPixmap>

namespace olvide::views {

enum class StepTool {
    Down,     // next step
    Up,       // previous step
    Tail,     // last step
    Head,     // first step
    PageDown, // five steps on
    PageUp,   // five steps back
    Delete,   // delete the shown step
    Rem,      // add a comment step
    Exit,     // add an exit step
    End,      // add a return step
    Break,    // breakpoint on the shown step
};

QPixmap stepToolGlyph(StepTool tool);

} // namespace olvide::views
