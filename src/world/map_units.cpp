// What happens to the units of the hexes: emptied before an import, and the records an import did not see.
#include "world/map.h"

#include "core/text_helpers.h"

#include <memory>
#include <utility>
#include <vector>

namespace korvane {

void TMap::ClearCellLists()
{
    ForEachCell([](TMapCell& cell) { cell.Units.Clear(); });
    // Every import and every change of the turn shown starts here.
    NoteChange();
}

void TMap::ReconcileUnseenUnits(std::int32_t ownFaction, const TFactionList& factions, const TKeyStringList& skills)
{
    // The seen marks belong to one turn. An own unit whose record comes from a later turn was
    // not gone then: an older report (or stepping back) must not undo what a newer one said.
    const std::int32_t turn = UnitFileList.SeenTurn();
    UnitFileList.RemoveIf([&](const TUnit& unit) {
        return !unit.Seen && unit.Faction == ownFaction && unit.Turn <= turn;  // the player's own unit is gone
    });
    // Which hexes are empty is decided before any unit is put back: every unseen unit last
    // known in a hex that holds none of this turn's units returns there, not only the first.
    std::vector<std::pair<TMapCell*, const TUnit*>> putBack;
    UnitFileList.ForEach([&](const TUnit& unit) {
        if (unit.Seen || unit.Faction == ownFaction)
            return;
        TMapCell* cell = EnsureCell(unit.Level, unit.X, unit.Y);
        if (cell && cell->Units.Count() == 0)
            putBack.emplace_back(cell, &unit);
    });
    for (const auto& [cell, unit] : putBack) {
        auto copy = std::make_unique<TUnit>();
        unit->AssignTo(*copy, factions, skills);
        cell->Units.Add(std::move(copy));
    }
}

void TMap::AddSeenUnit(TMapCell& cell, std::unique_ptr<TUnit> unit, std::int32_t ownFaction,
                       const TFactionList& factions, const TKeyStringList& skills)
{
    // A record as recent as this one keeps its place (the copy would be dropped), so none is
    // made: a session's start shows the turn its unit file was last written with.
    if (TUnit* held = UnitFileList.Find(unit->Number); held && held->Turn >= unit->Turn) {
        cell.Units.Merge(std::move(unit), ownFaction);
        TUnitList::MarkSeen(*held, cell.X, cell.Y, cell.Level);
        return;
    }
    auto copy = std::make_unique<TUnit>();
    unit->AssignTo(*copy, factions, skills);
    cell.Units.Merge(std::move(unit), ownFaction);
    // Marked after the merge, so that a record the copy has just added or replaced is the one
    // marked: otherwise an own unit new to the list would count as gone.
    TUnit* record = nullptr;  // the new record, or the one held when that is as recent
    UnitFileList.Merge(std::move(copy), ownFaction, &record);
    if (record)
        TUnitList::MarkSeen(*record, cell.X, cell.Y, cell.Level);
}

std::vector<std::string> TMap::ListAllUnits(int factionFilter, const TKeyStringList& troops, std::int64_t& men,
                                            std::vector<UnitLineKey>* keys) const
{
    std::vector<std::string> lines;
    men = 0;
    if (keys)
        keys->clear();
    // Row 0 and column 0 hold hexes too (the west edge of the world): they are listed as well.
    ForEachCellByRows([&](const TMapCell& cell) {
        const std::string position = "(" + IntToStr(cell.X) + "," + IntToStr(cell.Y)
            + (cell.Level == kUnderworld ? ",u" : "") + ")";
        cell.Units.ForEach([&](const TUnit& unit) {
            if (!PassesFactionFilter(unit, factionFilter))
                return;
            std::string line = UnitLineHead(unit, troops) + " " + PadRight(position, 11, false);
            if (unit.Structure > 0)
                line += " In " + IntToStr(unit.Structure);
            lines.push_back(std::move(line));
            if (keys)
                keys->push_back(KeyOfUnitLine(unit, cell.Level, cell.X, cell.Y));
            men += unit.MenCount();
        });
    });
    return lines;
}

}  // namespace korvane
