// "check-orders": the problems of an orders file, as the game server's checker and the map see them.
#include "app/cli/cli_interaction.h"
#include "app/cli/commands.h"

#include "core/text_lines.h"
#include "orders/orders_in_world.h"
#include "workspace/player_order_vocabulary.h"
#include "workspace/workspace.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <ostream>

namespace korvane {

namespace {

// The file's bytes as they are, line ends and all; empty when it cannot be opened or read.
std::optional<std::string> ReadWholeFile(const std::string& fileName)
{
    std::FILE* file = std::fopen(fileName.c_str(), "rb");
    if (!file)
        return std::nullopt;
    std::string text;
    char buffer[65536];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, file))
        text.append(buffer, read);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return failed ? std::nullopt : std::optional<std::string>(std::move(text));
}

// Korvane reads any line ends, but the game server keeps a CR as part of the line's last word,
// and would refuse lines that pass here: the first line ending in one is named.
std::optional<OrdersFileProblem> CarriageReturn(std::string_view text)
{
    const std::size_t at = text.find('\r');
    if (at == std::string_view::npos)
        return std::nullopt;
    TextLines before(text.substr(0, at));
    std::string_view line;
    while (before.Next(line)) {
    }
    const bool lineStartsHere = at == 0 || text[at - 1] == '\n' || text[at - 1] == '\r';
    return OrdersFileProblem{0,
                             {before.Number() + (lineStartsHere ? 1 : 0), OrderSeverity::Warning,
                              "Line ends: this line ends in a CR, which the game server takes as part of its "
                              "last word; save the file with LF line ends."}};
}

}  // namespace

bool PrintOrderProblems(std::ostream& out, const std::string& fileName, const std::vector<OrdersFileProblem>& problems)
{
    bool error = false;
    for (const OrdersFileProblem& found : problems) {
        const OrderProblem& problem = found.Problem;
        error = error || problem.Severity == OrderSeverity::Error;
        out << fileName << ':' << problem.Line << ": "
            << (problem.Severity == OrderSeverity::Error ? "error: " : "warning: ") << problem.Message << '\n';
    }
    return error;
}

int RunCheckOrdersCommand(CliContext& context, const std::vector<std::string>& args)
{
    for (const auto& arg : args) {
        if (arg.rfind("--", 0) == 0) {
            context.err << "korvane-cli: check-orders does not know " << arg << '\n';
            return 2;
        }
    }
    if (args.size() != 1) {
        context.err << "korvane-cli: usage: check-orders FILE\n";
        return 2;
    }
    const std::string& fileName = args[0];
    const std::optional<std::string> text = ReadWholeFile(fileName);
    if (!text) {
        context.err << "korvane-cli: cannot read the orders file " << fileName << '\n';
        return 1;
    }

    // Without a map database the orders are still checked as the server checks them; the map
    // then knows nothing to warn about.
    Workspace& ws = context.workspace;
    ws.Open(context.ui);
    auto problems = CheckOrdersInWorld(*text, ws.Map, ws.Settings, PlayerOrderVocabulary(ws));
    if (auto lineEnds = CarriageReturn(*text)) {
        const auto at = std::find_if(problems.begin(), problems.end(), [&](const OrdersFileProblem& problem) {
            return problem.Problem.Line >= lineEnds->Problem.Line;
        });
        problems.insert(at, std::move(*lineEnds));
    }
    return PrintOrderProblems(context.out, fileName, problems) ? 1 : 0;
}

}  // namespace korvane
