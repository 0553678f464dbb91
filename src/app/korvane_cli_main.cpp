// Entry point of korvane-cli, the headless commands over the same logic as the window program.
#include "app/cli/cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    return korvane::RunCli(args, std::cout, std::cerr);
}
