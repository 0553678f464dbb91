// korvane-cli: command dispatch.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace korvane {

/// Runs one command line (without the program name); returns the exit status.
/// The program directory comes from "--home DIR", KORVANE_HOME or the executable's folder.
/// `finished`, when given, is called with that status once the command is done and while its
/// workspace still stands; the program passes one that ends the process there.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
           const std::function<void(int)>& finished = {});

}  // namespace korvane
