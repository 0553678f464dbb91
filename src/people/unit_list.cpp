// Unit lists: storing, merging across turns and seen marks.
#include "people/unit_list.h"

namespace korvane {

TUnit* TUnitList::Add(std::unique_ptr<TUnit> unit)
{
    std::string key = unit->Key();
    return units_.Put(std::move(key), std::move(unit));
}

TUnit* TUnitList::AddRef(TUnit* unit)
{
    return units_.PutRef(unit->Key(), unit);
}

TUnit* TUnitList::Merge(std::unique_ptr<TUnit> unit, std::int32_t ownFaction)
{
    const int index = IndexOf(unit->Number);
    if (index < 0)
        return Add(std::move(unit));
    const TUnit* stored = Items(index);
    if (stored->Turn >= unit->Turn)
        return nullptr;  // what we hold is as recent or more: the new record is dropped
    if (stored->LastFaction >= 0 && stored->LastFaction != ownFaction)
        unit->LastFaction = stored->LastFaction;
    Delete(index);
    return Add(std::move(unit));
}

void TUnitList::ClearSeen(std::int32_t turn)
{
    seenTurn_ = turn;
    units_.ForEach([](TUnit& unit) { unit.Seen = false; });
}

void TUnitList::MarkSeen(std::int32_t number, std::int32_t x, std::int32_t y, std::int32_t level)
{
    if (TUnit* unit = Find(number)) {
        unit->Seen = true;
        unit->LastX = x;
        unit->LastY = y;
        unit->LastLevel = level;
    }
}

}  // namespace korvane
