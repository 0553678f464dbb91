// The texts of the main window's hex pages.
#include "mapview/windows/hex_pages.h"

#include "core/text_helpers.h"
#include "world/hex_details.h"
#include "world/map.h"

#include <cstdlib>

namespace korvane {

namespace {

// Underworld grid positions that are a hex, not the rock or passage between hexes.
bool IsUnderworldHex(int x, int y)
{
    return TMap::UnderCellKind(x, y) == 0;
}

std::string Figure(std::int64_t value, std::string_view separator)
{
    return GroupedNumber(value, separator) + " ";
}

}  // namespace

std::string GroupedNumber(std::int64_t value, std::string_view separator)
{
    // The size taken unsigned: the most negative number has no positive counterpart.
    const auto size = static_cast<unsigned long long>(value);
    const std::string digits = std::to_string(value < 0 ? 0ull - size : size);
    std::string grouped = value < 0 ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

std::string PointerCoordText(int level, int x, int y)
{
    if (level != TMap::kUnderworld)
        return IntToStr(x) + "," + IntToStr(y);
    if (!IsUnderworldHex(x, y))
        return "- , -";
    TMap::GridToUnder(x, y);
    return IntToStr(x) + "," + IntToStr(y);
}

std::string StatusHexText(const TMap& map, int level, int x, int y)
{
    if (level == TMap::kUnderworld && !IsUnderworldHex(x, y))
        return {};
    std::string text = PointerCoordText(level, x, y) + (level == TMap::kUnderworld ? " Underworld" : " Overworld");
    const TMapCell* cell = map.Cell(level, x, y);
    if (!cell)
        return text + "  unexplored";
    const auto add = [&text](const std::string& part) {
        if (!part.empty())
            text += "  " + part;
    };
    add(ListedName(map.TerrainList, cell->Terrain));
    if (const std::string province = ListedName(map.RegionList, cell->Region); !province.empty())
        add("in " + province);
    static const char* const kKinds[] = {"", " (city)", " (town)", " (village)"};
    const bool kindKnown = cell->PopCenterType >= kCity && cell->PopCenterType <= kVillage;
    if (!cell->PopCenter.empty())
        add(cell->PopCenter + (kindKnown ? kKinds[cell->PopCenterType] : ""));
    return text;
}

std::string TurnPanelText(int currentTurn)
{
    return currentTurn > 0 ? IntToStr(currentTurn) : "?";
}

HexPageTexts HexPage(const TMap& map, int level, int x, int y, std::string_view separator)
{
    HexPageTexts page;
    const TMapCell* cell = map.Cell(level, x, y);
    if (!cell)
        return page;
    // The underworld shows the game's coordinates, as the reports and the coordinate panel do.
    if (level != TMap::kUnderworld)
        page.Coord = IntToStr(x) + "," + IntToStr(y);
    else if (IsUnderworldHex(x, y))
        page.Coord = PointerCoordText(level, x, y) + ",under";
    page.Terrain = ListedName(map.TerrainList, cell->Terrain);
    // A hex whose people no report has counted shows none, rather than a count of -1.
    const std::string race = ListedName(map.RaceList, cell->Race);
    if (cell->Population >= 0)
        page.Natives = IntToStr(cell->Population) + (race.empty() ? " peasants" : " " + race);
    page.Taxes = GroupedNumber(cell->Silver, separator);
    page.Wages = GroupedNumber(cell->MaxWages, separator) + " (" + IntToStr(cell->Wages) + ")";
    static const char* const kKinds[] = {"", "(C)", "(T)", "(V)"};
    const bool kindKnown = cell->PopCenterType >= kCity && cell->PopCenterType <= kVillage;
    page.Pop = cell->PopCenter + " " + (kindKnown ? kKinds[cell->PopCenterType] : "");
    page.Gate = cell->Gate >= 1 ? IntToStr(cell->Gate) : "";
    page.WeatherWas = ListedName(map.WeatherList, cell->WeatherWas);
    page.WeatherNext = ListedName(map.WeatherList, cell->WeatherNext);
    page.LastUpdate = cell->LastUpdate >= 1 ? IntToStr(cell->LastUpdate) : "Never";
    return page;
}

UnitsPageTexts UnitsPage(const TMap& map, const TKeyStringList& troops, int ownFaction, bool allUnits, int level, int x,
                         int y, std::string_view separator)
{
    UnitsPageTexts page;
    const TMapCell* cell = map.Cell(level, x, y);
    if (!cell)
        return page;
    const int selection = allUnits ? -1 : ownFaction;
    page.Silver = Figure(cell->Units.SilverOfFaction(ownFaction), separator);
    page.Taxes = Figure(cell->Silver, separator);
    page.Wages = Figure(cell->MaxWages, separator);
    page.TotalIncome = Figure(static_cast<std::int64_t>(cell->Silver) + cell->MaxWages, separator);
    page.Maintenance = Figure(cell->Units.Maintenance(selection, troops), separator);
    const ForceCounts forces = cell->Units.CountForces(selection, troops);
    page.LeadUnits = Figure(forces.LeaderUnits, separator);
    page.LeadMen = Figure(forces.LeaderMen, separator);
    page.SerfUnits = Figure(forces.OtherUnits, separator);
    page.SerfMen = Figure(forces.OtherMen, separator);
    page.TotalUnits = Figure(static_cast<std::int64_t>(forces.LeaderUnits) + forces.OtherUnits, separator);
    page.TotalMen = Figure(forces.LeaderMen + forces.OtherMen, separator);
    return page;
}

std::vector<std::string> FactionsPage(const TMap& map, const TFactionList& factions, int ownFaction, int level, int x,
                                      int y, std::vector<std::int32_t>* numbers)
{
    if (numbers)
        numbers->clear();
    const TMapCell* cell = map.Cell(level, x, y);
    if (!cell || ownFaction <= 0)
        return {};
    return cell->Units.ListFactions(true, factions, numbers);
}

std::optional<BalloonTexts> BalloonTextsOf(const TMap& map, int level, int x, int y)
{
    const TMapCell* cell = map.Cell(level, x, y);
    if (!cell || (level == TMap::kUnderworld && !IsUnderworldHex(x, y)))
        return std::nullopt;
    BalloonTexts balloon;
    balloon.Title = "Hex Products (" + PointerCoordText(level, x, y) + ")";
    for (const TProduct& product : cell->Products) {
        const bool known = product.Item >= 0 && product.Item < map.ProductList.Count();
        balloon.Products.emplace_back(product.Amount == -1 ? "unlim" : IntToStr(product.Amount),
                                      known ? map.ProductList[product.Item].Product.Name : "?");
    }
    return balloon;
}

}  // namespace korvane
