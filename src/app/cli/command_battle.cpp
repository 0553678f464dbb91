// "battle": fights the battle of a saved set-up and prints its report, as "Run Combat" does.
#include "app/cli/cli_interaction.h"
#include "app/cli/commands.h"

#include "combat/battle.h"
#include "combat/battle_file.h"
#include "combat/combat_random.h"
#include "combat/fort_list.h"

#include <charconv>
#include <optional>
#include <ostream>

namespace korvane {

namespace {

std::string FortNames(const TFortList& forts)
{
    std::string names;
    for (const auto& name : forts.Names())
        names += (names.empty() ? "\"" : ", \"") + name + "\"";
    return names;
}

/// The position of the fortification option `option` names (0, "None", when it is not given);
/// -1 after saying why when the name is unknown.
int TakeFort(std::vector<std::string>& args, const std::string& option, const TFortList& forts, std::ostream& err)
{
    std::string name;
    bool missing = false;
    if (!TakeOption(args, option, name, missing) && !missing)
        return 0;
    const int position = missing ? -1 : forts.Find(name);
    if (position < 0)
        err << "korvane-cli: " << option << " takes one of " << FortNames(forts) << '\n';
    return position;
}

std::optional<std::uint32_t> ParseSeed(const std::string& text)
{
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
        return std::nullopt;
    return seed;
}

}  // namespace

int RunBattleCommand(CliContext& context, const std::vector<std::string>& arguments)
{
    std::vector<std::string> args = arguments;
    const TFortList forts;
    const int fortLeft = TakeFort(args, "--fort-left", forts, context.err);
    const int fortRight = TakeFort(args, "--fort-right", forts, context.err);
    if (fortLeft < 0 || fortRight < 0)
        return 2;
    if (fortLeft > 0 && fortRight > 0) {
        context.err << "korvane-cli: only one side can be fortified\n";
        return 2;
    }
    std::string seedText;
    bool seedMissing = false;
    std::optional<std::uint32_t> seed;
    if (TakeOption(args, "--seed", seedText, seedMissing) || seedMissing) {
        seed = ParseSeed(seedText);
        if (!seed) {
            context.err << "korvane-cli: --seed takes a whole number from 0 to 4294967295\n";
            return 2;
        }
    }
    for (const auto& arg : args) {
        if (arg.rfind("--", 0) == 0) {
            context.err << "korvane-cli: battle does not know " << arg << '\n';
            return 2;
        }
    }
    if (args.size() != 1) {
        context.err << "korvane-cli: usage: battle FILE.BTL [--seed N] [--fort-left NAME] [--fort-right NAME]\n";
        return 2;
    }

    BattleSetup setup;
    std::vector<BattleFileProblem> problems;
    if (!LoadBattleFile(args[0], setup, problems)) {
        context.err << "korvane-cli: cannot read the battle file " << args[0] << '\n';
        return 1;
    }
    for (const auto& problem : problems)
        context.err << args[0] << ':' << problem.LineNumber << ": " << problem.Text << '\n';

    // The dice's seed is told so that a battle worth seeing again can be fought again.
    if (!seed) {
        seed = CombatRandom::ClockSeed();
        context.err << "korvane-cli: seed " << *seed << '\n';
    }
    // Only the report goes to standard output; a refused battle is said on standard error.
    CliInteraction battleUi(context.err, context.err);
    std::vector<std::string> report;
    if (!RunBattle(setup.Left, setup.Right, forts.Capacity(fortLeft), forts.Capacity(fortRight),
                   setup.TacticalAdvantage, setup.HorseTerrain, report, battleUi, seed))
        return 1;
    for (const auto& line : report)
        context.out << line << '\n';
    return 0;
}

}  // namespace korvane
