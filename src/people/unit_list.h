// TUnitList: units keyed by their 10-digit number, in ascending order. The map keeps one list of
// every unit's latest record; each hex keeps one of the units seen there in the turn shown.
#pragma once

#include "core/keyed_list.h"
#include "people/unit.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

class TFactionList;
class TKeyStringList;

/// Units and men of a selection, split by whether the unit has a leader.
struct ForceCounts
{
    int LeaderUnits = 0;
    std::int64_t LeaderMen = 0;
    int OtherUnits = 0;
    std::int64_t OtherMen = 0;
};

/// Unit numbers in the order of their keys (TUnit::KeyOf): ascending, the odd negative numbers
/// a damaged file may hold before all others, in the order of their keys among themselves.
struct UnitNumberOrder
{
    bool operator()(std::int32_t a, std::int32_t b) const
    {
        if (a >= 0 && b >= 0)
            return a < b;
        if ((a < 0) != (b < 0))
            return a < 0;
        return TUnit::KeyOf(a) < TUnit::KeyOf(b);
    }
};

/// What a unit line is about, kept beside its text: windows take a line's unit, faction and
/// hex from here, never from columns of the text that a long number or name shifts.
struct UnitLineKey
{
    std::int32_t Unit = 0;
    std::int32_t Faction = 0;
    /// The hex the line was listed in.
    std::int32_t Level = 0, X = 0, Y = 0;
};

class TUnitList
{
public:
    /// A list made not to own its units lists records that live elsewhere (AddRef). Whatever
    /// the flag, a unit handed over with Add belongs to the list from then on.
    explicit TUnitList(bool ownsObjects = true)
        : ownsObjects_(ownsObjects)
    {
    }

    bool OwnsObjects() const { return ownsObjects_; }
    int Count() const { return units_.Count(); }
    TUnit* Items(int index) const { return units_.Items(index); }
    TUnit* Find(std::int32_t number) const { return units_.Find(number); }
    int IndexOf(std::int32_t number) const { return units_.IndexOf(number); }

    /// Stores a unit under its key, replacing (and freeing) a unit with the same number.
    TUnit* Add(std::unique_ptr<TUnit> unit);
    /// Lists a unit without owning it.
    TUnit* AddRef(TUnit* unit);
    /// Removes the unit at a position, freeing it when owned; ignored outside the list.
    void Delete(int index) { units_.Delete(index); }
    /// Removes the unit at a position and hands it over (null when the list did not own it).
    std::unique_ptr<TUnit> Take(int index) { return units_.Take(index); }
    void Clear() { units_.Clear(); }
    /// Removes (and frees, when owned) every unit `pred` holds for, in one pass; returns how many.
    int RemoveIf(const std::function<bool(const TUnit&)>& pred);

    /// Takes a unit in: added when its number is new; replacing the stored one only when it
    /// is from a later turn (keeping the stored `LastFaction` unless that is the player's own);
    /// otherwise dropped. Returns the unit stored, or null when the new one was dropped;
    /// `held`, when given, gets the record the list holds under the number either way.
    TUnit* Merge(std::unique_ptr<TUnit> unit, std::int32_t ownFaction, TUnit** held = nullptr);

    /// Starts a pass over the units of `turn` (an import or a turn step): no unit is seen yet.
    /// A turn below 1 (a report without a date) is older than every record.
    void ClearSeen(std::int32_t turn);
    /// The turn of the pass the seen marks belong to.
    std::int32_t SeenTurn() const { return seenTurn_; }
    /// Marks the unit with that number as seen at a position (nothing when it is not listed).
    void MarkSeen(std::int32_t number, std::int32_t x, std::int32_t y, std::int32_t level);
    /// Marks a unit of this list, found already.
    static void MarkSeen(TUnit& unit, std::int32_t x, std::int32_t y, std::int32_t level);

    /// One line per unit passing the filters; `men` gets the men of the units listed.
    /// Faction filter: -1 units of no known faction, above 0 that faction, else all.
    /// Structure filter: 0 units outside, above 0 those inside that structure, below 0 all.
    /// `keys`, when given, gets each line's unit (its hex being the unit's own).
    std::vector<std::string> ListUnits(int factionFilter, int structureFilter, const TKeyStringList& troops,
                                       std::int64_t& men, std::vector<UnitLineKey>* keys = nullptr) const;
    /// Counts of the units of a faction, or of all units for -1.
    ForceCounts CountForces(int faction, const TKeyStringList& troops) const;
    std::int64_t SilverOfFaction(int faction) const;
    /// Silver per turn: 20 a man in units with a leader, 10 a man in others; -1 for all units.
    std::int64_t Maintenance(int faction, const TKeyStringList& troops) const;
    /// Five lines "leaderMen;otherMen" for skill levels 1 to 5 of one faction's units.
    std::vector<std::string> SkillLevelCounts(int faction, std::string_view skillKey, const TKeyStringList& skills,
                                              const TKeyStringList& troops) const;
    /// The faction filter choices: "All factions", "Unknown" (unless `withoutHeader`), then each
    /// known faction of the units as "   12- Name", in ascending number. `codes`, when given,
    /// gets each line's faction filter code: 0 and -1 for the two leading choices, else the faction.
    std::vector<std::string> ListFactions(bool withoutHeader, const TFactionList& factions,
                                          std::vector<std::int32_t>* codes = nullptr) const;

    template <typename F>
    void ForEach(F&& f) const
    {
        units_.ForEach(f);
    }

    /// The list underneath, for tests that count the work its changes take.
    const KeyedList<TUnit, UnitNumberOrder, std::int32_t>& Records() const { return units_; }

private:
    KeyedList<TUnit, UnitNumberOrder, std::int32_t> units_;
    std::int32_t seenTurn_ = std::numeric_limits<std::int32_t>::max();
    bool ownsObjects_;  // last: beside the number, every hex's list is a word smaller
};

/// The men text of unit lines: "3 men", "1 man", or "2 LEAD" for a unit with a leader.
std::string MenText(const TUnit& unit, const TKeyStringList& troops);

/// The start of a unit's line in the unit lists: number, faction, name (30 columns) and men.
std::string UnitLineHead(const TUnit& unit, const TKeyStringList& troops);

/// The faction filter of unit lists: -1 units of no known faction, above 0 that faction, else all.
bool PassesFactionFilter(const TUnit& unit, int filter);

/// The key of a unit's line listed in hex (level, x, y).
UnitLineKey KeyOfUnitLine(const TUnit& unit, std::int32_t level, std::int32_t x, std::int32_t y);

}  // namespace korvane
