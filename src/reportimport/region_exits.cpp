// The exits of a region block, and the rock and passages around an underworld region.
#include "core/text_pieces.h"
#include "reportimport/region_details.h"
#include "reportimport/report_lines.h"
#include "world/map.h"

#include <array>

namespace korvane {

namespace {

// Each exit reads "Direction : region text." after the "Exits:" keyword. The region text ends
// at its period, or at the next exit's colon when a damaged line has no period.
void ReadExit(TMap& map, std::string_view line, int colon, int end, std::array<bool, 7>& exits)
{
    const int wordEnd = colon - 2;
    const int direction = DirectionCode(Between(line, wordEnd - 7, wordEnd + 1));
    exits[static_cast<std::size_t>(direction)] = true;

    const std::string_view neighbour = TrimmedView(Between(line, colon, end));
    int level = 0, x = 0, y = 0;
    if (map.ParseRegionHeader(neighbour, level, x, y))
        map.Cell(level, x, y)->Unconfirmed = false;
}

// An underworld hex is ringed by rock cells; an exit is a passage through the rock.
void MarkUnderworldRing(TMap& map, const TMapCell& cell, const std::array<bool, 7>& exits)
{
    const int solid = map.TerrainIndex("solid");
    for (int direction = 1; direction <= 6; ++direction) {
        int x = cell.X, y = cell.Y;
        TMap::NeighbourCoords(x, y, direction);
        TMapCell* gap = map.EnsureCell(cell.Level, x, y);
        if (!gap)
            continue;  // beyond the edge of the grid
        gap->Unconfirmed = false;
        gap->Terrain = solid;
        if (exits[static_cast<std::size_t>(direction)])
            gap->Pathway[static_cast<std::size_t>((direction - 1) % 3)] = true;
    }
}

}  // namespace

void ParseExits(TMap& map, TMapCell& cell, std::string_view line)
{
    std::array<bool, 7> exits{};  // by direction code; 0 collects unreadable directions
    const int first = PosFrom(1, ":", line);
    if (first == 0)
        return;
    int period = 0;
    for (int colon = PosFrom(first + 1, ":", line); colon > 0;) {
        const int next = PosFrom(colon + 1, ":", line);
        if (period >= 0 && period <= colon)
            period = PosOr(colon + 1, ".", line, -1);  // searched again only once passed
        int end = period > 0 ? period + 1 : EndPosition(line);
        if (next > 0 && next < end)
            end = next;
        ReadExit(map, line, colon, end, exits);
        colon = next;
    }
    if (cell.Level == TMap::kUnderworld)
        MarkUnderworldRing(map, cell, exits);
}

}  // namespace korvane
