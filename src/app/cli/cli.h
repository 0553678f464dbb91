// korvane-cli: command dispatch.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace korvane {

/// Runs one command line (without the program name); returns the exit status.
/// The program directory comes from "--home DIR", KORVANE_HOME or the executable's folder.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace korvane
