// Entry point of korvane-cli, the headless commands over the same logic as the window program.
#include "app/cli/cli.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return korvane::RunCli(args, std::cout, std::cerr, [](int status) {
        // Every file is written and synced by now. Freeing a large map record by record would
        // cost about a quarter of an import; the system takes the memory back at once.
        std::cout.flush();
        std::cerr.flush();
        std::fflush(nullptr);
        std::_Exit(status);
    });
}
