#pragma once
// olvide on the command line: runs or prints a program without any window, through the same
// model and interpreter as the windows, with the console as its platform.
#include <ostream>
#include <string>
#include <vector>

namespace olvide {

class Interpreter;
class RunButtons;
class TMaincommander;

// Exit statuses.
inline constexpr int kExitEnded = 0;     // the program ended
inline constexpr int kExitBadInput = 1;  // a file that cannot be read, or a bad option
inline constexpr int kExitHalted = 2;    // a step stopped the run with an error
inline constexpr int kExitStepLimit = 3; // --max-steps stopped it

// Handles the command-line modes (--run, --dump, --help). `args` are the arguments after the
// program name. Output goes to `out` and messages to `err`, both UTF-8.
int runCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Whether the arguments ask for a command-line mode.
bool isCommandLineMode(const std::vector<std::string>& args);

// Runs `main` with nobody there to answer a breakpoint: the run goes on until the program
// ends, a step stops it, or the interpreter's step limit is reached.
void runUnattended(Interpreter& interpreter, RunButtons& buttons, TMaincommander& main);

} // namespace olvide
