// The hex window's view of a cell.
#include "world/hex_details.h"

#include "core/text_helpers.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr int kAmountColumns = 6;
constexpr int kNameColumns = 20;

// Blank when the number means "none"; the stored 0 or -1 is no gate and no faction.
std::string PositiveOrEmpty(std::int32_t value)
{
    return value > 0 ? IntToStr(value) : std::string();
}

std::int32_t NumberOf(const std::string& text)
{
    return StrToIntLenient(TrimSpaces(text));
}

void StoreChosen(int chosen, std::int32_t& code)
{
    if (chosen >= 0)
        code = chosen;
}

std::vector<std::string> MarketLines(const std::vector<TProduct>& entries, const ProductCodeList& products,
                                     bool withPrice)
{
    std::vector<std::string> lines;
    for (const TProduct& entry : entries) {
        if (entry.Item < 0 || entry.Item >= products.Count())
            continue;
        std::string line = entry.Amount == -1 ? "unlim " : PadRight(IntToStr(entry.Amount), kAmountColumns, true);
        line += PadRight(TrimSpaces(products[entry.Item].Product.Name), kNameColumns, true);
        if (withPrice)
            line += " at $" + IntToStr(entry.Price);
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

HexDetails HexDetailsOf(const TMap& map, const TMapCell& cell)
{
    HexDetails details;
    details.Terrain = cell.Terrain;
    details.Province = cell.Region;
    details.Race = cell.Race;
    details.PopCenter = cell.PopCenter;
    details.PopCenterType = cell.PopCenterType;
    details.NativeCount = cell.Population >= 0 ? IntToStr(cell.Population) : std::string();
    details.Silver = IntToStr(cell.Silver);
    details.Wages = IntToStr(cell.Wages);
    details.Entertainment = IntToStr(cell.Entertainment);
    details.Gate = PositiveOrEmpty(cell.Gate);
    details.FactionNo = PositiveOrEmpty(cell.FactionNo);
    details.Shaft = !TrimmedView(cell.Shaft).empty();
    details.Other = cell.Other;
    details.Comments = cell.Comments;
    details.Unconfirmed = cell.Unconfirmed || cell.Terrain == kTerrainUnknown;
    details.MaxWages = "(" + IntToStr(cell.MaxWages) + ")";
    details.WeatherWas = ListedName(map.WeatherList, cell.WeatherWas);
    details.WeatherNext = ListedName(map.WeatherList, cell.WeatherNext);
    details.LastUpdate = cell.LastUpdate >= 1 ? "Last import update - Turn " + IntToStr(cell.LastUpdate)
                                              : "Never updated from turn import.";
    return details;
}

void StoreHexDetails(const HexDetails& details, TMapCell& cell)
{
    StoreChosen(details.Terrain, cell.Terrain);
    StoreChosen(details.Province, cell.Region);
    StoreChosen(details.Race, cell.Race);
    cell.PopCenter = TrimSpaces(details.PopCenter);
    if (cell.PopCenter.empty())
        cell.PopCenterType = kNoPopCenter;
    else if (details.PopCenterType >= kCity && details.PopCenterType <= kVillage)
        cell.PopCenterType = details.PopCenterType;
    cell.Population = TrimmedView(details.NativeCount).empty() ? -1 : NumberOf(details.NativeCount);
    cell.Silver = NumberOf(details.Silver);
    cell.Wages = NumberOf(details.Wages);
    cell.Entertainment = NumberOf(details.Entertainment);
    cell.Gate = NumberOf(details.Gate);
    cell.Shaft = details.Shaft ? "Shaft" : "";
    cell.Other = TrimSpaces(details.Other);
    cell.Comments = TrimSpaces(details.Comments);
    cell.FactionNo = std::max(0, NumberOf(details.FactionNo));
    cell.Unconfirmed = details.Unconfirmed;
}

int PathwayKind(int level, int x, int y)
{
    return level == TMap::kUnderworld ? TMap::UnderCellKind(x, y) : 0;
}

std::string HexCoordText(int level, int x, int y)
{
    if (level == TMap::kUnderworld) {
        if (PathwayKind(level, x, y) != 0)
            return " - , - ";
        TMap::GridToUnder(x, y);
    }
    return IntToStr(x) + " , " + IntToStr(y);
}

std::string PathwayCaption(int kind)
{
    switch (kind) {
    case 1:
        return " Underworld pathway North/South Exists";
    case 2:
        return " Underworld pathway North East/South West Exists";
    case 3:
        return " Underworld pathway South East/North West Exists";
    default:
        return {};
    }
}

void StorePathway(TMapCell& cell, int kind, bool exists, bool unconfirmed, int solidTerrain)
{
    cell.Terrain = solidTerrain;
    if (kind >= 1 && kind <= static_cast<int>(cell.Pathway.size()))
        cell.Pathway[static_cast<std::size_t>(kind - 1)] = exists;
    cell.Unconfirmed = unconfirmed;
}

std::string ListedName(const NameList& names, int index)
{
    return index >= 0 && index < names.Count() ? names[index] : std::string();
}

std::vector<std::string> ListWanted(const TMapCell& cell, const ProductCodeList& products)
{
    return MarketLines(cell.Wanted, products, true);
}

std::vector<std::string> ListForSale(const TMapCell& cell, const ProductCodeList& products)
{
    return MarketLines(cell.ForSale, products, true);
}

std::vector<std::string> ListProducts(const TMapCell& cell, const ProductCodeList& products)
{
    return MarketLines(cell.Products, products, false);
}

}  // namespace korvane
