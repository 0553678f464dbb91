// Turn buttons and showing the units of another turn.
#include "storage/turn_stepping.h"

#include "core/settings.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "storage/turn_files.h"
#include "storage/unit_list_files.h"
#include "world/map.h"

#include <algorithm>
#include <memory>

namespace korvane {

int SteppedTurn(TurnButton button, int currentTurn, int maxTurn)
{
    switch (button) {
    case TurnButton::Up1:
        return currentTurn < maxTurn ? currentTurn + 1 : currentTurn;
    case TurnButton::Up5:
        return currentTurn < maxTurn ? std::min(currentTurn + 5, maxTurn) : currentTurn;
    case TurnButton::Down1:
        return currentTurn > 1 ? currentTurn - 1 : currentTurn;
    case TurnButton::Down5:
        return currentTurn > 1 ? std::max(currentTurn - 5, 1) : currentTurn;
    }
    return currentTurn;
}

std::vector<std::string> StepToTurn(TMap& map, const TrecINI& settings, const TFactionList& factions,
                                    const TKeyStringList& skills, int turn, UserInteraction& ui)
{
    TUnitList found;
    const FileResult read = LoadUnitFile(found, settings.DataPath(TurnFileName(settings.UnitsStem, turn)),
                                         settings.FactionNo);
    return StepToTurn(map, settings, factions, skills, turn, found, read, ui);
}

std::vector<std::string> StepToTurn(TMap& map, const TrecINI& settings, const TFactionList& factions,
                                    const TKeyStringList& skills, int turn, TUnitList& found, const FileResult& read,
                                    UserInteraction& ui)
{
    std::vector<std::string> unreadable;
    const std::int32_t own = settings.FactionNo;

    map.ClearCellLists();
    map.UnitFileList.ClearSeen(turn);

    const std::string hexFile = settings.DataPath(TurnFileName(settings.UnitsStem, turn));
    while (found.Count() > 0) {
        std::unique_ptr<TUnit> unit = found.Take(found.Count() - 1);
        if (unit->Level < 0 || unit->X < 0 || unit->Y < 0)
            continue;
        if (TMapCell* cell = map.EnsureCell(unit->Level, unit->X, unit->Y))
            map.AddSeenUnit(*cell, std::move(unit), own, factions, skills);
    }

    // A missing file means the turn lists no units. A file that is there but cannot be read
    // says nothing about them: the player's own units must not be dropped for it.
    if (read || read.Missing) {
        map.ReconcileUnseenUnits(own, factions, skills);
    } else {
        ui.Warning("Error loading saved units for turn " + IntToStr(turn));
        unreadable.push_back(hexFile);
    }

    if (const FileResult orders = LoadTurnOrders(map, settings.DataDir, turn, settings); !orders) {
        ui.Warning("Error loading saved orders for turn " + IntToStr(turn));
        unreadable.push_back(orders.File);
    }
    return unreadable;
}

}  // namespace korvane
