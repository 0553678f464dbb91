// Entry point of korvane-cli, the headless commands over the same logic as the window program.
#include "app/cli/cli.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

int main(int argc, char** argv)
{
#ifdef __GLIBC__
    // The saves build texts of many megabytes one after another. Left to itself the allocator
    // hands each back to the system when it is freed and asks for fresh pages for the next,
    // and a fresh page costs a fault; kept in the heap, the next text reuses them.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 512 * 1024 * 1024);
#endif
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
