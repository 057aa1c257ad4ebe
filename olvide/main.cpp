// olvide: the Olvane flowchart environment. Without a command-line mode it is the desktop
// program; --run, --dump and --help run without any window.
#include "olvide/editor/startup.h"
#include "olvide/engine/command_line.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (olvide::isCommandLineMode(args)) return olvide::runCommandLine(args, std::cout, std::cerr);
    const olvide::editor::StartOptions options = olvide::editor::parseStartOptions(args);
    if (!options.error.empty()) {
        std::cerr << "olvide: " << options.error << "\n"
                  << "usage: olvide [--no-splash] [FILE.olv...]    (olvide --help for more)\n";
        return olvide::kExitBadInput;
    }
    return olvide::editor::runDesktop(argc, argv, options);
}
