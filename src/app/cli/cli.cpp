// korvane-cli: command dispatch.
#include "app/cli/cli.h"

#include <ostream>

namespace korvane {

int RunCli(const std::vector<std::string>&, std::ostream& out, std::ostream&)
{
    out << "Korvane 2.31\n";
    return 0;
}

}  // namespace korvane
