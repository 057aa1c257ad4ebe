// pendrel: the dataflow builder. Until its windows exist it runs only on the command line.
#include "pendrel/builder/zez_runner.h"
#include "pendrel/engine/net_runner.h"

#include <iostream>
#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    if (argc >= 2 && std::string_view(argv[1]) == "--run") {
        const std::vector<std::string_view> words(argv + 2, argv + argc);
        return vpl::RunZezCommand(words, std::cout, std::cerr);
    }
    return pendrel::RunCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
