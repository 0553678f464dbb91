// Telling turn report lines apart, and emptying the hexes' unit lists before an import.
#include "core/text_helpers.h"
#include "world/map.h"

namespace korvane {

namespace {

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether the line starts with `keyword`, the line's letters taken in lower case.
bool StartsWithLowered(std::string_view line, std::string_view keyword)
{
    if (line.size() < keyword.size())
        return false;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        if (Lower(line[i]) != keyword[i])
            return false;
    }
    return true;
}

bool Contains(std::string_view text, std::string_view word)
{
    return FindText(text, word) != std::string_view::npos;
}

}  // namespace

int TMap::ClassifyReportLine(std::string_view line) const
{
    if (line.find_first_not_of(' ') == std::string_view::npos)
        return 0;
    for (int i = 0; i < SectionKeywords.Count(); ++i) {
        if (StartsWithLowered(line, SectionKeywords[i]))
            return i + 1;
    }
    if (StartsWithLowered(line, "  it was"))
        return 10;
    if (line.front() == ' ')
        return 0;
    const auto open = line.find('(');
    if (open == std::string_view::npos)
        return 0;
    const auto close = line.find(')', open);
    if (close == std::string_view::npos)
        return 0;
    int x = 0, y = 0, level = 0;
    ParseCoords(line.substr(open, close - open + 1), x, y, level);
    if (x == -1 || y == -1 || (static_cast<std::int64_t>(x) + y) % 2 != 0 || FindText(line, "in", open) == std::string_view::npos)
        return 0;
    const bool moving = Contains(line, "sails") || Contains(line, "walks") || Contains(line, "rides");
    return moving ? 5 : 24;
}

void TMap::ClearCellLists()
{
    ForEachCell([](TMapCell& cell) { cell.Units.Clear(); });
    // Every import and every change of the turn shown starts here.
    InvalidateMapBuffer();
}

}  // namespace korvane
