// korvane-cli runs against a program folder of their own, checked row by row from a table.
#pragma once

#include "support/cli_run.h"
#include "support/temp_dir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace korvane::testing {

inline std::string SampleReport(int turn)
{
    return std::string(KORVANE_TEST_DATA_DIR) + "/reports/ravenmoor-turn" + std::to_string(turn) + ".txt";
}

/// A run after "--home DIR": its status, texts its output and errors hold, `notOut` absent, all quiet if `quiet`.
struct CliRow
{
    std::vector<std::string> args;
    int status = 0;
    std::vector<std::string> out = {};
    std::vector<std::string> err = {};
    std::vector<std::string> notOut = {};
    bool quiet = false;
};

class CliHome : public ::testing::Test
{
protected:
    CliResult Cli(std::vector<std::string> args, const TempDir& in) const
    {
        args.insert(args.begin(), {"--home", in.Path()});
        return RunCliCapture(args);
    }
    CliResult Cli(std::vector<std::string> args) const { return Cli(std::move(args), home); }

    /// Runs the rows in order in `in` and returns the last run.
    CliResult Expect(const std::vector<CliRow>& rows, const TempDir* in = nullptr) const
    {
        CliResult run;
        for (const CliRow& row : rows) {
            run = Cli(row.args, in ? *in : home);
            SCOPED_TRACE(::testing::PrintToString(row.args) + "\nout: " + run.out + "\nerr: " + run.err);
            EXPECT_EQ(run.status, row.status);
            for (const std::string& text : row.out)
                EXPECT_THAT(run.out, ::testing::HasSubstr(text));
            for (const std::string& text : row.err)
                EXPECT_THAT(run.err, ::testing::HasSubstr(text));
            for (const std::string& text : row.notOut)
                EXPECT_THAT(run.out, ::testing::Not(::testing::HasSubstr(text)));
            EXPECT_TRUE(!row.quiet || run.out.empty()) << "nothing on standard output";
        }
        return run;
    }

    /// Marks the map database as written by a newer version, which this one refuses; returns it.
    std::string RefuseMap() const
    {
        std::string map = home.Read("DATA/Map.Dat");
        map.replace(0, map.find('\n') + 1, "VERSION,9.99\r\n");
        home.Write("DATA/Map.Dat", map);
        return map;
    }

    TempDir home;
};

}  // namespace korvane::testing
