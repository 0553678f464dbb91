// Map cells: structures, unit checks and the blank rule.
#include "world/map_cell.h"

#include "core/text_helpers.h"
#include "world/name_list.h"

namespace korvane {

std::string TMapCell::StructureKey(std::int32_t number)
{
    return PadLeft(IntToStr(number), '0', 6);
}

TStructure* TMapCell::AddStructure(std::unique_ptr<TStructure> structure)
{
    std::string key = StructureKey(structure->Number);
    return Structures.Put(std::move(key), std::move(structure));
}

std::string TMapCell::TerrainName(const NameList& terrains) const
{
    if (Terrain < 0 || Terrain >= terrains.Count())
        return "Unknown";
    return terrains[Terrain];
}

bool TMapCell::HasOwnUnits(std::int32_t ownFaction) const
{
    for (int i = 0; i < Units.Count(); ++i) {
        if (Units.Items(i)->IsOwn(ownFaction))
            return true;
    }
    return false;
}

bool TMapCell::AllOwnUnitsHaveOrders(std::int32_t ownFaction, const TUnitList& mapUnits) const
{
    for (int i = 0; i < Units.Count(); ++i) {
        const TUnit* unit = Units.Items(i);
        if (!unit->IsOwn(ownFaction))
            continue;
        const TUnit* record = mapUnits.Find(unit->Number);
        if (record && !record->OrdersDone)
            return false;
    }
    return true;
}

bool TMapCell::HoldsNoMapKnowledge() const
{
    return Terrain <= 0 && LegacyName == "Unknown" && Region <= 0 && LegacyValue <= 0 && Gate <= 0 && Silver <= 0
        && Wages <= 0 && TrimmedView(PopCenter).empty() && Race <= 0 && Population <= 0 && FactionNo <= 0;
}

bool TMapCell::IsBlank() const
{
    // What the player typed into the hex details counts too: a note on an unexplored hex, or a
    // shaft seen from afar, must not vanish at the next save.
    const bool typed = !TrimmedView(Comments).empty() || !TrimmedView(Shaft).empty() || !TrimmedView(Other).empty()
        || Entertainment > 0 || MaxWages > 0 || !Wanted.empty() || !ForSale.empty() || !Products.empty();
    return !typed && HoldsNoMapKnowledge();
}

}  // namespace korvane
