// The orders check against the game server's verdicts, on a table and on a large random file.
#include "orders/order_check.h"
#include "orders/order_vocabulary.h"

#include "core/line_reader.h"
#include "core/text_helpers.h"
#include "orders/order_check_sample.h"
#include "support/fixtures.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace korvane {
namespace {

namespace fs = std::filesystem;

const OrderVocabulary& Standard()
{
    static const OrderVocabulary vocabulary = OrderVocabulary::Standard();
    return vocabulary;
}

std::vector<std::string> FileLines(const fs::path& file)
{
    std::vector<std::string> lines;
    ReadTextLines(file.string(), lines);
    return lines;
}

// The game's tools and rules beside the real reports, when this machine has them.
fs::path SharedDir()
{
    return fs::path(KORVANE_FIXTURES_DIR).parent_path().parent_path();
}

struct Verdict
{
    std::string Order;
    std::string Message;  // "-" when the server accepts the line, "" for a line the table's layout adds
};

// Checks one orders text, a line for each verdict, against the verdicts.
void ExpectVerdicts(const std::vector<Verdict>& verdicts)
{
    std::string text;
    for (const auto& verdict : verdicts)
        text += verdict.Order + "\n";
    std::map<long, OrderProblem> problems;  // the first of each line
    for (const auto& problem : CheckOrders(text, Standard()))
        problems.try_emplace(problem.Line, problem);
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        if (verdicts[i].Message.empty())
            continue;
        const auto found = problems.find(static_cast<long>(i + 1));
        // What the check says of the line as the table writes a verdict: its start must match.
        const std::string said = found == problems.end()
            ? "-"
            : (found->second.Severity == OrderSeverity::Warning ? "Warning: " : "")
                + SqueezeSpaces(found->second.Message);
        EXPECT_EQ(said.rfind(verdicts[i].Message, 0), 0u) << verdicts[i].Order << ": " << said;
    }
}

// Every line of the table gets the server's verdict, in the files its script built for the server.
TEST(OrderCheck, AgreesWithTheServersVerdicts)
{
    std::vector<std::vector<Verdict>> blocks(1);
    for (const auto& row : FileLines(fs::path(KORVANE_TEST_DATA_DIR) / "orders" / "server_verdicts.tsv")) {
        if (row.rfind("##", 0) == 0)
            continue;
        if (row.empty()) {
            if (!blocks.back().empty())
                blocks.emplace_back();
            continue;
        }
        const std::size_t tab = row.find('\t');
        blocks.back().push_back({row.substr(0, tab), tab == std::string::npos ? "" : row.substr(tab + 1)});
    }
    ASSERT_GT(blocks.size(), 20u);
    // Blocks of units share one file; a block opened by "#file" is a file of its own.
    std::vector<Verdict> units{{"#atlantis 3 \"pw\"", ""}};
    for (const auto& block : blocks) {
        if (!block.empty() && block.front().Order == "#file") {
            ExpectVerdicts({block.begin() + 1, block.end()});
        } else if (!block.empty()) {
            units.push_back({"unit " + std::to_string(units.size()), ""});
            units.insert(units.end(), block.begin(), block.end());
        }
    }
    ExpectVerdicts(units);
}

// The lines the server refuses: each after its messages; blank lines left out, long ones folded.
std::set<long> ServerFlaggedLines(const std::vector<std::string>& lines, const fs::path& answer)
{
    const auto squash = [](std::string text) {
        std::erase_if(text, [](char c) { return c == ' ' || c == '\t'; });
        return text;
    };
    std::set<long> flagged;
    std::size_t at = 0;
    std::string echoed;
    bool refused = false, inMessage = false;
    for (const auto& row : FileLines(answer)) {
        const bool closes = row.size() >= 4 && row.compare(row.size() - 4, 4, " ***") == 0;
        if (inMessage || row.rfind("*** Error: ", 0) == 0) {
            refused = true;
            inMessage = !closes;
            continue;
        }
        while (at < lines.size() && squash(lines[at]).empty())
            ++at;
        if (at == lines.size() || squash(row).empty())
            continue;
        echoed += squash(row);
        if (echoed == squash(lines[at])) {
            if (refused)
                flagged.insert(static_cast<long>(at + 1));
            refused = false;
            echoed.clear();
            ++at;
        }
    }
    return flagged;
}

// A large random orders file: the server and the check refuse the same lines.
TEST(OrderCheck, FlagsTheLinesTheServerFlags)
{
    const fs::path server = SharedDir() / "tools" / "atlantis-basic";
    if (!fs::exists(server))
        GTEST_SKIP() << "no game server at " << server;
    testing::TempDir dir;
    const std::string text = testing::SampleOrders(2026).File(20000);
    const std::string orders = dir.Write("orders.txt", text), answer = dir.File("answer.txt");
    const std::string command = "'" + server.string() + "' check '" + orders + "' '" + answer + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto lines = SplitLines(text);
    const std::set<long> byServer = ServerFlaggedLines(lines, answer);
    std::set<long> byCheck;
    for (const auto& problem : CheckOrders(text, Standard()))
        byCheck.insert(problem.Line);
    EXPECT_GT(byServer.size(), 1000u);
    int differences = 0;
    for (long line = 1; line <= static_cast<long>(lines.size()) && differences < 20; ++line) {
        if (byServer.count(line) != byCheck.count(line)) {
            ++differences;
            ADD_FAILURE() << "line " << line << " \"" << lines[line - 1] << "\": server "
                          << (byServer.count(line) ? "refuses" : "accepts") << " it";
        }
    }
}

// One unit's lines: numbered from their first, with blocks left open named where they opened.
TEST(OrderCheck, ChecksOneUnitsLines)
{
    EXPECT_EQ(CheckUnitOrders("move n\n@study tactics\nform 1\nturn\nwork\n", Standard()),
              (std::vector<OrderProblem>{{2, OrderSeverity::Error, "STUDY: Overwriting previous month-long order."},
                                         {4, OrderSeverity::Error, "TURN: without ENDTURN"},
                                         {3, OrderSeverity::Error, "FORM: without END."}}));
    EXPECT_TRUE(CheckUnitOrders("turn\nwork\nendturn\n", Standard()).empty());
}

// The built-in vocabulary holds every name the server accepts.
TEST(OrderCheck, KnowsTheStandardVocabulary)
{
    const fs::path file = SharedDir() / "fixtures" / "game-rules" / "standard-vocabulary.tsv";
    if (!fs::exists(file))
        GTEST_SKIP() << "no vocabulary at " << file;
    int names = 0;
    for (const auto& row : FileLines(file)) {
        std::vector<std::string> fields;
        SplitString(row, fields, "\t");
        if (fields.size() < 2 || (fields[0] != "item" && fields[0] != "skill"))
            continue;
        std::erase(fields, std::string());  // a name without a plural or an abbreviation
        names += static_cast<int>(fields.size()) - 1;
        for (std::size_t i = 1; i < fields.size(); ++i)
            EXPECT_TRUE(fields[0] == "item" ? Standard().IsItem(fields[i]) : Standard().IsSkill(fields[i]))
                << fields[0] << " " << fields[i];
    }
    EXPECT_GT(names, 300);
}

}  // namespace
}  // namespace korvane
