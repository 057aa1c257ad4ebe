// pendrel: the dataflow builder. Without options it is the desktop program and opens the
// program files named; --run, --net and --help run without any window.
#include "pendrel/builder/zez_runner.h"
#include "pendrel/engine/net_runner.h"

#ifdef PENDREL_DESKTOP
#include "pendrel/app/qt/desktop.h"
#endif

#include <iostream>
#include <string>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    if (argc >= 2 && std::string_view(argv[1]) == "--run") {
        const std::vector<std::string_view> words(argv + 2, argv + argc);
        return vpl::RunZezCommand(words, std::cout, std::cerr);
    }
    // Any option is the command line's: it runs the net or says what is wrong.
    bool options = false;
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]).starts_with("-")) options = true;
    if (argc >= 2 && !options) {
#ifdef PENDREL_DESKTOP
        // Each word is a file; the shell or the desktop has grouped quoted names already.
        const std::vector<std::string> files(argv + 1, argv + argc);
        return vplapp::RunDesktop(argc, argv, files);
#else
        std::cerr << "pendrel: this pendrel was built without its windows; use --run or --net "
                     "(pendrel --help)\n";
        return 1;
#endif
    }
#ifdef PENDREL_DESKTOP
    if (argc < 2) return vplapp::RunDesktop(argc, argv, {});
#endif
    return pendrel::RunCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
