// pendrel: the dataflow builder. Until its windows exist it runs only on the command line.
#include "pendrel/engine/net_runner.h"

#include <iostream>

int main(int argc, char** argv) {
    return pendrel::runCommandLine(argc, argv, std::cin, std::cout, std::cerr);
}
