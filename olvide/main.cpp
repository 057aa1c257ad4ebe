// olvide: the Olvane flowchart environment. The command-line modes (--run, --dump, --help)
// run without any window.
#include "olvide/engine/command_line.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return olvide::runCommandLine(args, std::cout, std::cerr);
}
