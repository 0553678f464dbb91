// TMapCell: everything known about one grid position of the world.
#pragma once

#include "core/keyed_list.h"
#include "core/sparse_text.h"
#include "people/unit_list.h"
#include "world/product.h"
#include "world/structure.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

class NameList;

/// Kinds of settlement.
enum PopCenterKind { kNoPopCenter = 0, kCity = 1, kTown = 2, kVillage = 3 };

class TMapCell
{
public:
    /// The key of a structure in `Structures`: its number as 6 digits.
    static std::string StructureKey(std::int32_t number);

    /// Stores a structure under its number, replacing one seen before with that number.
    TStructure* AddStructure(std::unique_ptr<TStructure> structure);
    void ClearStructures() { Structures.Clear(); }

    /// The name of the cell's terrain, "Unknown" for a negative or unlisted code.
    std::string TerrainName(const NameList& terrains) const;

    bool HasOwnUnits(std::int32_t ownFaction) const;
    /// False when an own unit of the hex has a record in `mapUnits` whose orders are not
    /// marked done; true otherwise (also without units).
    bool AllOwnUnitsHaveOrders(std::int32_t ownFaction, const TUnitList& mapUnits) const;

    /// True when the hex holds no map knowledge: no terrain, province, gate, silver, wages,
    /// settlement, natives or faction. Notes typed for it do not count; exports leave it out.
    bool HoldsNoMapKnowledge() const;
    /// True when nothing worth storing is known about the hex: no map knowledge and no note.
    bool IsBlank() const;

    // Numbers first, then the rest, so that no field leaves a gap: a whole world is
    // tens of thousands of hexes. Texts most hexes lack cost a pointer when empty.
    std::int32_t X = -1, Y = -1, Level = -1;
    std::int32_t Terrain = 0;  // position in TerrainList; 0 is "Unknown"
    std::int32_t Region = 0;  // position in RegionList
    std::int32_t LegacyValue = -1;
    std::int32_t Gate = 0;  // below 1: no gate
    std::int32_t Silver = 0;
    std::int32_t Wages = 0;
    std::int32_t MaxWages = 0;
    std::int32_t Entertainment = 0;
    std::int32_t PopCenterType = kNoPopCenter;
    std::int32_t WeatherWas = -1;  // position in WeatherList
    std::int32_t WeatherNext = -1;  // position in WeatherList
    std::int32_t Race = -1;  // position in RaceList
    std::int32_t Population = -1;
    std::int32_t FactionNo = -1;
    std::int32_t LastUpdate = 0;  // latest turn that described the hex; below 1 never
    bool Unconfirmed = true;
    std::array<bool, 3> Pathway{};  // pathway kinds 1..3 at positions 0..2
    std::string LegacyName = "Unknown";
    std::string PopCenter;
    SparseText Shaft;  // "Shaft" when the hex has one
    SparseText Other;  // names of special objects, joined by spaces
    SparseText Comments, Note2, Note3;
    KeyedList<TStructure> Structures;
    std::vector<TProduct> Wanted;  // keyed, in the order met, by the item's position
    std::vector<TProduct> ForSale;
    std::vector<TProduct> Products;
    TUnitList Units;  // the units seen here in the turn shown
};

}  // namespace korvane
