// What happens to the map's unit records that an import did not see.
#include "world/map.h"

#include <memory>

namespace korvane {

void TMap::ReconcileUnseenUnits(std::int32_t ownFaction, const TFactionList& factions, const TKeyStringList& skills)
{
    // In ascending unit order: where several unseen units share an empty hex, the first one shows.
    for (int i = 0; i < UnitFileList.Count();) {
        const TUnit* unit = UnitFileList.Items(i++);
        if (unit->Seen)
            continue;
        if (unit->Faction == ownFaction) {
            UnitFileList.Delete(--i);  // the player's own unit is gone
            continue;
        }
        TMapCell* cell = EnsureCell(unit->Level, unit->X, unit->Y);
        if (!cell || cell->Units.Count() > 0)
            continue;
        auto copy = std::make_unique<TUnit>();
        unit->AssignTo(*copy, factions, skills);
        cell->Units.Add(std::move(copy));
    }
}

}  // namespace korvane
