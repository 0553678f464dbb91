#include "world/first_view.h"

#include "world/map.h"

#include <array>
#include <climits>
#include <vector>

namespace korvane {

namespace {

// The place nearest the middle of the rectangle around all of them: a middle worked out over
// scattered places may itself lie in the sea or unknown, so the view lands on one of them.
std::optional<GridPlace> NearestTheMiddle(const std::vector<GridPlace>& places)
{
    if (places.empty())
        return std::nullopt;
    int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
    for (const GridPlace& p : places) {
        left = std::min(left, p.X);
        right = std::max(right, p.X);
        top = std::min(top, p.Y);
        bottom = std::max(bottom, p.Y);
    }
    const long long midX = (static_cast<long long>(left) + right) / 2;
    const long long midY = (static_cast<long long>(top) + bottom) / 2;
    const GridPlace* best = nullptr;
    long long bestDistance = 0;
    for (const GridPlace& p : places) {
        const long long dx = p.X - midX, dy = p.Y - midY;
        const long long distance = dx * dx + dy * dy;
        if (!best || distance < bestDistance) {
            best = &p;
            bestDistance = distance;
        }
    }
    return *best;
}

// Places of both levels: those of the level that has more of them, so that the middle is
// never worked out between the levels.
using PlacesByLevel = std::array<std::vector<GridPlace>, TMap::kLevels>;

std::optional<GridPlace> NearestTheMiddleOfTheFullerLevel(const PlacesByLevel& places)
{
    return NearestTheMiddle(places[1].size() > places[0].size() ? places[1] : places[0]);
}

}  // namespace

std::optional<GridPlace> PlayersWorldCentre(const TMap& map, std::int32_t ownFaction)
{
    std::optional<GridPlace> mostUnits;
    int mostCount = 0;
    PlacesByLevel settlements, known;
    map.ForEachCellByRows([&](const TMapCell& cell) {
        const GridPlace place{cell.Level, cell.X, cell.Y};
        int own = 0;
        if (ownFaction > 0)
            cell.Units.ForEach([&](const TUnit& unit) { own += unit.IsOwn(ownFaction) ? 1 : 0; });
        if (own > mostCount) {
            mostCount = own;
            mostUnits = place;
        }
        if (cell.PopCenterType != kNoPopCenter)
            settlements[cell.Level].push_back(place);
        if (cell.Terrain != 0)
            known[cell.Level].push_back(place);
    });
    if (mostUnits)
        return mostUnits;
    if (const auto settlement = NearestTheMiddleOfTheFullerLevel(settlements))
        return settlement;
    return NearestTheMiddleOfTheFullerLevel(known);
}

}  // namespace korvane
