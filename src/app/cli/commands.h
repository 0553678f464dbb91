// The commands of korvane-cli.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvane {

class CliInteraction;
class Workspace;
struct OrdersFileProblem;

struct CliContext
{
    Workspace& workspace;
    CliInteraction& ui;
    std::ostream& out;
    std::ostream& err;
};

using CommandFunction = int (*)(CliContext& context, const std::vector<std::string>& args);

struct Command
{
    const char* name;
    const char* usage;  // arguments after the name
    const char* summary;  // one line for --help
    CommandFunction run;
};

/// Every command, in the order --help lists them.
const std::vector<Command>& Commands();

/// Removes "--name VALUE" (or "--name=VALUE") from `args`; true when it was there with a value.
/// `missingValue` is set when the option stands last without one.
bool TakeOption(std::vector<std::string>& args, const std::string& name, std::string& value, bool& missingValue);

int RunInfoCommand(CliContext& context, const std::vector<std::string>& args);
int RunImportCommand(CliContext& context, const std::vector<std::string>& args);
int RunImportFactionsCommand(CliContext& context, const std::vector<std::string>& args);
int RunHexCommand(CliContext& context, const std::vector<std::string>& args);
int RunUnitsCommand(CliContext& context, const std::vector<std::string>& args);
int RunMapCommand(CliContext& context, const std::vector<std::string>& args);
int RunOrdersCommand(CliContext& context, const std::vector<std::string>& args);
int RunCheckOrdersCommand(CliContext& context, const std::vector<std::string>& args);
int RunBattleCommand(CliContext& context, const std::vector<std::string>& args);
int RunExportKvdCommand(CliContext& context, const std::vector<std::string>& args);
int RunImportKvdCommand(CliContext& context, const std::vector<std::string>& args);

/// Prints the problems of an orders file one a line, "FILE:LINE: error: MESSAGE" or
/// "FILE:LINE: warning: MESSAGE"; true when one of them is an error.
bool PrintOrderProblems(std::ostream& out, const std::string& fileName, const std::vector<OrdersFileProblem>& problems);

}  // namespace korvane
