// Reading region texts: coordinates, region headers and directions.
#include "core/case_insensitive.h"
#include "core/text_helpers.h"
#include "core/text_pieces.h"
#include "world/map.h"

namespace korvane {

namespace {

// A third coordinate element that marks a place off the two mapped levels.
constexpr int kOffMap = -1;

}  // namespace

void TMap::ParseCoords(std::string_view text, int& x, int& y, int& level)
{
    x = -1;
    y = -1;
    level = kOverworld;
    const int open = PosFrom(1, "(", text);
    const int close = open > 0 ? PosFrom(open, ")", text) : 0;
    if (close == 0)
        return;
    const std::string_view inside = Between(text, open, close);
    const int comma = PosFrom(1, ",", inside);
    if (comma == 0)
        return;
    x = NumberIn(inside.substr(0, static_cast<std::size_t>(comma - 1)));
    const int second = PosFrom(comma + 1, ",", inside);
    if (second == 0) {
        y = NumberIn(From(inside, comma + 1).substr(0, 20));
        return;
    }
    y = NumberIn(Between(inside, comma, second));
    // Any third element is the underworld ("underworld", "deep  underworld"), except the
    // Nexus, which lies on neither mapped level and would otherwise land on an underworld hex.
    level = SameText(TrimmedView(From(inside, second + 1)), "nexus") ? kOffMap : kUnderworld;
}

// Names are taken with their spaces squeezed: the game wraps long headers, and a name broken
// over two lines must be the same name as when it stands on one.
bool TMap::ParseRegionHeader(std::string_view text, int& level, int& x, int& y)
{
    const int space = PosFrom(1, " ", text);
    const int terrain = space > 0 ? TerrainIndex(text.substr(0, static_cast<std::size_t>(space - 1))) : 0;

    const int open = PosFrom(1, "(", text);
    const int close = open > 0 ? PosFrom(open, ")", text) : 0;
    int cx = -1, cy = -1, clevel = 0;
    if (close > 0)
        ParseCoords(text.substr(static_cast<std::size_t>(open - 1), static_cast<std::size_t>(close - open + 1)), cx, cy,
                    clevel);
    // Ranges first: a report's numbers may be anything, and the sums below must not overflow.
    if (cx < 0 || cy < 0 || cx > kMaxX || cy > kMaxY || (cx + cy) % 2 != 0 || clevel == kOffMap)
        return false;
    if (clevel == kUnderworld)
        UnderToGrid(cx, cy);
    TMapCell* cell = EnsureCell(clevel, cx, cy);
    if (!cell)
        return false;
    level = clevel;
    x = cx;
    y = cy;
    cell->Terrain = terrain;

    std::string squeezed;  // a name with runs of spaces, squeezed; most names have none
    int searchFrom = 1;
    if (const int in = PosFrom(1, " in ", text); in > 0) {
        int end = PosFrom(in, ",", text);
        if (end == 0)
            end = PosFrom(in, ".", text);
        if (end == 0)
            end = static_cast<int>(text.size()) + 1;
        const std::string_view province = SqueezedView(Between(text, in + 2, end), squeezed);
        int index = RegionList.IndexOf(province);
        if (index < 0)
            index = RegionList.Add(std::string(province));
        cell->Region = index;
        searchFrom = end + 1;
    }

    if (const int contains = PosFrom(searchFrom, " contains ", text); contains > 0) {
        const int start = contains + 10;
        int end = PosFrom(start, ",", text);
        if (end == 0)
            end = static_cast<int>(text.size());  // up to, not including, the closing period
        const std::string_view settlement = SqueezedView(Between(text, start - 1, end), squeezed);
        if (const int bracket = PosFrom(1, "[", settlement); bracket > 0) {
            cell->PopCenter.assign(TrimmedView(settlement.substr(0, static_cast<std::size_t>(bracket - 1))));
            const int shut = PosFrom(bracket, "]", settlement);
            const std::string_view kind = Between(settlement, bracket,
                                                  shut > 0 ? shut : static_cast<int>(settlement.size()) + 1);
            if (SameText(kind, "city"))
                cell->PopCenterType = kCity;
            else if (SameText(kind, "town"))
                cell->PopCenterType = kTown;
            else if (SameText(kind, "village"))
                cell->PopCenterType = kVillage;
        }
    }

    if (const int peasants = PosFrom(searchFrom, "peasants", text); peasants > 0) {
        const int comma = LastPosWithin(peasants, ",", text);
        cell->Population = NumberIn(Between(text, comma, peasants - 1));
        if (const int raceOpen = PosFrom(peasants, "(", text); raceOpen > 0) {
            const int raceClose = PosFrom(raceOpen, ")", text);
            if (raceClose > 0) {
                const std::string_view race = SqueezedView(Between(text, raceOpen, raceClose), squeezed);
                int index = RaceList.IndexOf(race);
                if (index < 0)
                    index = RaceList.Add(std::string(race));
                cell->Race = index;
            }
        }
    }

    if (const int dollar = PosFrom(searchFrom, "$", text); dollar > 0) {
        int end = PosFrom(dollar, ".", text);
        if (end == 0)
            end = static_cast<int>(text.size()) + 1;
        cell->Silver = NumberIn(Between(text, dollar, end));
    }
    return true;
}

void TMap::NeighbourCoords(int& x, int& y, int direction)
{
    static constexpr int kSteps[7][2] = {{0, 0}, {0, -2}, {1, -1}, {1, 1}, {0, 2}, {-1, 1}, {-1, -1}};
    if (direction < 1 || direction > 6)
        return;
    x += kSteps[direction][0];
    y += kSteps[direction][1];
}

}  // namespace korvane
