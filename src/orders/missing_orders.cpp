// Finding a hex with incomplete orders.
#include "orders/missing_orders.h"

#include "world/map.h"

namespace korvane {

const TMapCell* FindMissingOrders(const TMap& map, std::int32_t ownFaction)
{
    const TMapCell* found = nullptr;
    map.ForEachCellByRows([&](const TMapCell& cell) {
        if (!found && cell.HasOwnUnits(ownFaction) && !cell.AllOwnUnitsHaveOrders(ownFaction, map.UnitFileList))
            found = &cell;
    });
    return found;
}

}  // namespace korvane
