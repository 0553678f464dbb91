// "hex" and "units": what the database knows, in readable lines.
#include "app/cli/cli_interaction.h"
#include "app/cli/commands.h"

#include "core/text_helpers.h"
#include "workspace/workspace.h"

#include <ostream>

namespace korvane {

namespace {

std::string ListName(const NameList& list, int index)
{
    return (index >= 0 && index < list.Count()) ? list[index] : std::string("-");
}

const char* PopCenterKind(int type)
{
    switch (type) {
    case kCity:
        return "city";
    case kTown:
        return "town";
    case kVillage:
        return "village";
    default:
        return "";
    }
}

std::string Amount(std::int32_t amount)
{
    return amount < 0 ? std::string("unlimited") : IntToStr(amount);
}

void PrintMarket(std::ostream& out, const TMap& map, const char* title, const std::vector<TProduct>& list, bool prices)
{
    out << title;
    if (list.empty())
        out << " none";
    for (std::size_t i = 0; i < list.size(); ++i) {
        const TProduct& p = list[i];
        const bool known = p.Item >= 0 && p.Item < map.ProductList.Count();
        out << (i ? ", " : " ") << Amount(p.Amount) << ' '
            << (known ? map.ProductList[p.Item].Product.Name + " [" + map.ProductList[p.Item].Code + "]" : "?");
        if (prices)
            out << " at $" << p.Price;
    }
    out << '\n';
}

void PrintHex(std::ostream& out, const Workspace& ws, const TMapCell& cell)
{
    const TMap& map = ws.Map;
    int x = cell.X, y = cell.Y;
    std::string where = IntToStr(x) + "," + IntToStr(y);
    if (cell.Level == TMap::kUnderworld) {
        if (TMap::UnderCellKind(x, y) == 0) {
            TMap::GridToUnder(x, y);
            where = IntToStr(x) + "," + IntToStr(y) + ",under";
        } else {
            where = "- , - (underworld passage at grid " + where + ")";
        }
    }
    out << "Hex:            (" << where << ")\n";
    out << "Terrain:        " << cell.TerrainName(map.TerrainList) << '\n';
    out << "Province:       " << ListName(map.RegionList, cell.Region) << '\n';
    out << "Settlement:     "
        << (cell.PopCenter.empty() ? "-" : cell.PopCenter + " " + PopCenterKind(cell.PopCenterType)) << '\n';
    out << "Peasants:       " << cell.Population << " (" << ListName(map.RaceList, cell.Race) << ")\n";
    out << "Silver:         " << cell.Silver << '\n';
    out << "Wages:          " << cell.Wages << " (max " << cell.MaxWages << ")\n";
    out << "Entertainment:  " << cell.Entertainment << '\n';
    out << "Gate:           " << (cell.Gate > 0 ? IntToStr(cell.Gate) : "-") << '\n';
    out << "Shaft:          " << (cell.Shaft.empty() ? std::string_view("-") : cell.Shaft.View()) << '\n';
    out << "Other:          " << (cell.Other.empty() ? std::string_view("-") : cell.Other.View()) << '\n';
    out << "Weather:        last " << ListName(map.WeatherList, cell.WeatherWas) << ", next "
        << ListName(map.WeatherList, cell.WeatherNext) << '\n';
    out << "Last update:    " << (cell.LastUpdate > 0 ? "turn " + IntToStr(cell.LastUpdate) : "never") << '\n';
    out << "Unconfirmed:    " << (cell.Unconfirmed ? "yes" : "no") << '\n';
    PrintMarket(out, map, "Wanted:        ", cell.Wanted, true);
    PrintMarket(out, map, "For sale:      ", cell.ForSale, true);
    PrintMarket(out, map, "Products:      ", cell.Products, false);
    out << "Structures:     " << (cell.Structures.Empty() ? "none" : "") << '\n';
    cell.Structures.ForEach([&](const TStructure& s) {
        out << "  [" << s.Number << "] " << s.Name << " : " << ListName(map.StructureTypes, s.Type)
            << (s.Description.empty() ? "" : "; " + s.Description) << '\n';
    });
    std::int64_t men = 0;
    const auto units = cell.Units.ListUnits(0, -1, ws.TroopList, men);
    out << "Units (turn " << ws.Settings.CurrentTurn << "): " << (units.empty() ? "none" : "") << '\n';
    for (const auto& line : units)
        out << "  " << line << '\n';
}

}  // namespace

int RunHexCommand(CliContext& context, const std::vector<std::string>& args)
{
    std::vector<std::string> rest;
    bool under = false;
    for (const auto& arg : args) {
        if (arg == "--under")
            under = true;
        else
            rest.push_back(arg);
    }
    const auto isNumber = [](const std::string& text) {
        return !text.empty() && text.size() <= 4 && text.find_first_not_of("0123456789") == std::string::npos;
    };
    if (rest.size() != 2 || !isNumber(rest[0]) || !isNumber(rest[1])) {
        context.err << "korvane-cli: usage: hex X Y [--under]\n";
        return 2;
    }
    Workspace& ws = context.workspace;
    // The loader has already said why the database was refused; an empty world printed
    // with success would read as "nothing is known here".
    if (!ws.Open(context.ui)) {
        context.err << "korvane-cli: the map database was not loaded\n";
        return 1;
    }
    int x = StrToIntLenient(rest[0]);
    int y = StrToIntLenient(rest[1]);
    const int level = under ? TMap::kUnderworld : TMap::kOverworld;
    if (under && x <= TMap::kMaxX && y <= TMap::kMaxY)
        TMap::UnderToGrid(x, y);
    const TMapCell* cell = ws.Map.Cell(level, x, y);
    if (!cell) {
        context.err << "korvane-cli: nothing is known about hex (" << rest[0] << "," << rest[1]
                    << (under ? ",under" : "") << ")\n";
        return 1;
    }
    PrintHex(context.out, ws, *cell);
    return 0;
}

int RunUnitsCommand(CliContext& context, std::vector<std::string> const& args)
{
    std::vector<std::string> rest = args;
    std::string value;
    bool missing = false;
    int faction = 0;
    if (TakeOption(rest, "--faction", value, missing))
        faction = StrToIntLenient(value);
    if (missing || !rest.empty()) {
        context.err << "korvane-cli: usage: units [--faction N]\n";
        return 2;
    }
    Workspace& ws = context.workspace;
    if (!ws.Open(context.ui)) {
        context.err << "korvane-cli: the map database was not loaded\n";
        return 1;
    }
    std::int64_t men = 0;
    for (const auto& line : ws.Map.ListAllUnits(faction, ws.TroopList, men))
        context.out << line << '\n';
    context.out << (men == 1 ? std::string("1 man") : IntToStr(men) + " men") << '\n';
    return 0;
}

}  // namespace korvane
