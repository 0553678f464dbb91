// The texts of the main window's pages about the hex under the mouse ("Hex", "Units", "Facs"),
// its coordinate panel and its turn panel: worked out here, so that the window only shows them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

class TFactionList;
class TKeyStringList;
class TMap;

/// A whole number with its thousands grouped: 1234567 with "," gives "1,234,567".
std::string GroupedNumber(std::int64_t value, std::string_view separator);

/// The coordinate panel for a grid position: "x,y" on the overworld; on the underworld the
/// game's coordinates of the hex, or "- , -" between hexes.
std::string PointerCoordText(int level, int x, int y);

/// The status bar's hex under the pointer: game coordinates and level, then what is known of
/// it: terrain, province and settlement, e.g. "12,34 Overworld  plain  in Glorforgost  Krakow (city)".
/// Between underworld hexes, empty.
std::string StatusHexText(const TMap& map, int level, int x, int y);

/// The turn panel: the turn, or "?" before the first.
std::string TurnPanelText(int currentTurn);

/// The "Hex" page; every text empty when nothing is known of the hex.
struct HexPageTexts
{
    std::string Coord, Terrain, Natives, Taxes, Wages, Pop, Gate, WeatherWas, WeatherNext, LastUpdate;
};
HexPageTexts HexPage(const TMap& map, int level, int x, int y, std::string_view separator);

/// The "Units" page: the own faction's units of the hex, or all of them. Every figure is
/// followed by a space; every text empty when nothing is known of the hex.
struct UnitsPageTexts
{
    std::string Silver, Taxes, Wages, TotalIncome, LeadUnits, LeadMen, SerfUnits, SerfMen, TotalUnits, TotalMen,
        Maintenance;
};
UnitsPageTexts UnitsPage(const TMap& map, const TKeyStringList& troops, int ownFaction, bool allUnits, int level, int x,
                         int y, std::string_view separator);

/// The "Facs" page: one line per faction with units in the hex, each starting with the faction's
/// number in 5 columns; none without a cell or before the player's faction is known.
/// `numbers`, when given, gets each line's faction number.
std::vector<std::string> FactionsPage(const TMap& map, const TFactionList& factions, int ownFaction, int level, int x,
                                      int y, std::vector<std::int32_t>* numbers = nullptr);

/// The hex balloon: its title and, per product of the hex, the amount ("unlim" for no limit)
/// and the product's name. None when nothing is known of the hex, or between underworld hexes.
struct BalloonTexts
{
    std::string Title;
    std::vector<std::pair<std::string, std::string>> Products;
};
std::optional<BalloonTexts> BalloonTextsOf(const TMap& map, int level, int x, int y);

}  // namespace korvane
