// Gate and city list items.
#include "world/place_lists.h"

#include "core/text_helpers.h"

namespace korvane {

namespace {

std::string PositionText(const TMapCell& cell)
{
    std::string text = "(" + IntToStr(cell.X) + "," + IntToStr(cell.Y);
    if (cell.Level == TMap::kUnderworld)
        text += ",underground";
    return text + ")";
}

}  // namespace

std::vector<std::string> GateListItems(const TMap& map)
{
    std::vector<std::string> items;
    // The whole grid, edge columns and rows included: hex (0,y) is as real as any other.
    map.ForEachCell([&items](const TMapCell& cell) {
        // Gates below 1 are no gates anywhere else in the program either.
        if (cell.Level == TMap::kOverworld && cell.Gate > 0)
            items.push_back(PadLeft(IntToStr(cell.Gate), ' ', 3) + "  " + PositionText(cell));
    });
    return items;
}

std::vector<std::string> CityListItems(const TMap& map, std::string_view searchText)
{
    std::vector<std::string> items;
    const std::string wanted = LowerCase(searchText);
    map.ForEachCell([&](const TMapCell& cell) {
        const std::string_view name = TrimmedView(cell.PopCenter);
        if (!name.empty() && PosFrom(1, wanted, LowerCase(name)) > 0)
            items.push_back(std::string(name) + "  " + PositionText(cell));
    });
    return items;
}

std::optional<std::pair<int, int>> ListItemPosition(std::string_view item)
{
    // The position group ends the item; a settlement name may hold brackets or commas itself.
    const std::size_t open = item.rfind('(');
    if (open == std::string_view::npos)
        return std::nullopt;
    const std::size_t comma = item.find(',', open + 1);
    if (comma == std::string_view::npos)
        return std::nullopt;
    std::size_t end = item.find(',', comma + 1);
    if (end == std::string_view::npos)
        end = item.find(')', comma + 1);
    if (end == std::string_view::npos)
        return std::nullopt;
    return std::pair{StrToIntLenient(item.substr(open + 1, comma - open - 1)),
                     StrToIntLenient(item.substr(comma + 1, end - comma - 1))};
}

}  // namespace korvane
