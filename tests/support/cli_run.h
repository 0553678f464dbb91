// Runs korvane-cli in-process and keeps what it printed.
#pragma once

#include "app/cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace korvane::testing {

struct CliResult
{
    int status;
    std::string out;
    std::string err;
};

inline CliResult RunCliCapture(const std::vector<std::string>& args)
{
    std::ostringstream out, err;
    const int status = RunCli(args, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace korvane::testing
