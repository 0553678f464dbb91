// Unit lists: storing, merging across turns and seen marks.
#include "people/unit_list.h"

namespace korvane {

TUnit* TUnitList::Add(std::unique_ptr<TUnit> unit)
{
    const std::int32_t number = unit->Number;
    return units_.Put(number, std::move(unit));
}

TUnit* TUnitList::AddRef(TUnit* unit)
{
    return units_.PutRef(unit->Number, unit);
}

TUnit* TUnitList::Merge(std::unique_ptr<TUnit> unit, std::int32_t ownFaction, TUnit** held)
{
    TUnit* stored = Find(unit->Number);
    TUnit* added = nullptr;
    if (!stored) {
        const std::int32_t number = unit->Number;
        added = units_.PutAbsent(number, std::move(unit));
    } else if (stored->Turn < unit->Turn) {
        if (stored->LastFaction >= 0 && stored->LastFaction != ownFaction)
            unit->LastFaction = stored->LastFaction;
        // Replaced under its key, not removed and added: every other position stays known, so a
        // report that updates every unit costs no walk of the list per unit.
        added = Add(std::move(unit));
    }
    // Otherwise what we hold is as recent or more: the new record is dropped.
    if (held)
        *held = added ? added : stored;
    return added;
}

int TUnitList::RemoveIf(const std::function<bool(const TUnit&)>& pred)
{
    return units_.EraseIf(pred);
}

void TUnitList::ClearSeen(std::int32_t turn)
{
    seenTurn_ = turn;
    units_.ForEach([](TUnit& unit) { unit.Seen = false; });
}

void TUnitList::MarkSeen(std::int32_t number, std::int32_t x, std::int32_t y, std::int32_t level)
{
    if (TUnit* unit = Find(number))
        MarkSeen(*unit, x, y, level);
}

void TUnitList::MarkSeen(TUnit& unit, std::int32_t x, std::int32_t y, std::int32_t level)
{
    unit.Seen = true;
    unit.LastX = x;
    unit.LastY = y;
    unit.LastLevel = level;
}

}  // namespace korvane
