#pragma once
// The 16 x 16 glyphs of the main window's tool-bar buttons, drawn by the program.
#include <QIcon>

namespace olvide::editor {

enum class Glyph {
    FileNew,
    FileOpen,
    FileSave,
    ProgramRun,
    programpause,
    ProgramStop,
    ProgramStepin,
    programStepOver,
    StepWindowOnoff,
    FlowWindowOnoff,
    FunctionList,
};

QIcon toolbarGlyph(Glyph glyph);

} // namespace olvide::editor
