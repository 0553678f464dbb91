// The commands of korvane-cli.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvane {

class Workspace;

struct CliContext
{
    Workspace& workspace;
    std::ostream& out;
    std::ostream& err;
};

using CommandFunction = int (*)(CliContext& context, const std::vector<std::string>& args);

struct Command
{
    const char* name;
    const char* usage;    // arguments after the name
    const char* summary;  // one line for --help
    CommandFunction run;
};

/// Every command, in the order --help lists them.
const std::vector<Command>& Commands();

int RunInfoCommand(CliContext& context, const std::vector<std::string>& args);

}  // namespace korvane
