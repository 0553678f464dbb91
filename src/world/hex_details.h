// What the hex window shows and edits of one cell: its fields as the texts and choices of the
// window's controls and back, the position and update texts, and the lines of the market views.
#pragma once

#include "world/map_cell.h"

#include <string>
#include <vector>

namespace korvane {

class NameList;
class ProductCodeList;
class TMap;

/// A cell's fields as the hex window holds them. List positions are -1 when none is chosen.
struct HexDetails
{
    // Edited, and written back by StoreHexDetails.
    int Terrain = 0;
    int Province = -1;
    int Race = -1;
    std::string PopCenter;
    int PopCenterType = kNoPopCenter;  // the settlement button checked; 0 for none
    std::string NativeCount, Silver, Wages, Entertainment, Gate, FactionNo;
    bool Shaft = false;
    std::string Other, Comments;
    bool Unconfirmed = true;

    // Shown only.
    std::string MaxWages, WeatherWas, WeatherNext, LastUpdate;
};

/// The cell as the window shows it. A hex of unknown terrain is always shown unconfirmed; a
/// native count no report gave (below 0) and a gate or faction number below 1 show empty.
HexDetails HexDetailsOf(const TMap& map, const TMapCell& cell);

/// Writes the edited fields back. Numbers are read leniently (text that is no number gives 0),
/// but an empty native count stays unknown (-1) and a faction number is never below 0; a
/// settlement without a name has no type, and one with a name keeps its type when no button
/// is checked. A list with nothing chosen leaves the cell's code as it was: a code the list
/// lacks (its reference file lost or cut short) is not the player's to lose by saving a comment.
void StoreHexDetails(const HexDetails& details, TMapCell& cell);

/// The pathway kind of a grid position: 1 to 3 between underworld hexes (as
/// TMap::UnderCellKind), 0 for a hex of either level.
int PathwayKind(int level, int x, int y);

/// The position as the hex window shows it: "x , y", on the underworld in the game's own
/// coordinates, and " - , - " between underworld hexes, which have none.
std::string HexCoordText(int level, int x, int y);

/// The caption of the pathway box for pathway kind 1 to 3; empty for any other kind.
std::string PathwayCaption(int kind);

/// A pathway position as the window saves it: rock, its passage of `kind` there or not, and the
/// unconfirmed mark.
void StorePathway(TMapCell& cell, int kind, bool exists, bool unconfirmed, int solidTerrain);

/// The name at `index` of `names`; empty for a position the list does not hold.
std::string ListedName(const NameList& names, int index);

/// The lines of the market views: per entry whose item the product list holds, in list order,
/// the amount in 6 columns ("unlim " for no limit), the item's name in 20, and for the two
/// markets " at $" and the price. Longer amounts and names are cut to their columns.
std::vector<std::string> ListWanted(const TMapCell& cell, const ProductCodeList& products);
std::vector<std::string> ListForSale(const TMapCell& cell, const ProductCodeList& products);
std::vector<std::string> ListProducts(const TMapCell& cell, const ProductCodeList& products);

}  // namespace korvane
