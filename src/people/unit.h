// TUnit: one unit as last seen, with its men, items, skills, flags and orders.
#pragma once

#include "core/compact_text.h"
#include "core/short_text.h"
#include "core/sparse_lines.h"
#include "core/small_vector.h"
#include "core/sparse_text.h"
#include "people/unit_entries.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class TFactionList;
class TKeyStringList;
class TUnitList;

class TUnit
{
public:
    /// The unit number padded with zeros to 10 digits; unit lists are ordered by it.
    static std::string KeyOf(std::int32_t number);

    /// `Faction` becomes `number` when the registry knows that faction, else -1.
    void SetFaction(std::int32_t number, const TFactionList& factions);
    /// The faction the unit belongs to as far as anything tells: its own `Faction`, else
    /// what the map's record of the same unit says (`Faction`, then `LastFaction`); -1 if unknown.
    std::int32_t EffectiveFaction(const TUnitList& mapUnits) const;

    /// A new unit's state again, keeping the room its name, description and lists had grown:
    /// a parser that reads every unit of a report into one unit allocates nothing per line.
    void Reset();

    void SetFlag(std::uint32_t bit, bool on);
    bool HasFlag(std::uint32_t bit) const { return (Flags & bit) != 0; }
    bool IsOwn(std::int32_t ownFaction) const { return Faction == ownFaction; }

    std::int32_t MenCount() const;
    bool HasLeader(const TKeyStringList& troops) const;

    void AddTroops(const TUnitTroopGroup& group) { Troops.push_back(group); }
    void AddEquipment(const TUnitEquip& item) { Equipment.push_back(item); }
    void AddSkill(const TUnitSkill& skill) { Skills.push_back(skill); }
    void AddCanStudy(const TUnitSkill& skill) { CanStudy.push_back(skill); }
    void ClearTroops() { Troops.clear(); }
    void ClearEquipment() { Equipment.clear(); }
    void ClearSkills() { Skills.clear(); }
    void ClearCanStudy() { CanStudy.clear(); }
    void ClearOrders() { Orders.clear(); }

    /// Level in the skill whose key is `skillKey` (any case, spaces trimmed); 0 when not known.
    int SkillLevel(std::string_view skillKey, const TKeyStringList& skills) const;

    /// Sets `CombatSpell` to the skill with that key; unchanged when the key is unknown.
    void SetCombatSpellByKey(std::string_view key, const TKeyStringList& skills);
    std::string CombatSpellKey(const TKeyStringList& skills) const;

    /// The unit files' three further texts, which only loading, saving and copying touch.
    std::string_view Text1() const { return Texts.Get(0); }
    std::string_view Text2() const { return Texts.Get(1); }
    std::string_view Text3() const { return Texts.Get(2); }

    void SetOrders(const std::vector<std::string>& lines) { Orders = lines; }
    void GetOrders(std::vector<std::string>& lines) const { lines = Orders; }
    /// True when `lines` differ from the orders in what the game reads: blank lines and
    /// comments (";") are passed over, the others compared without end spaces and case.
    bool OrdersChanged(const std::vector<std::string>& lines) const;

    /// Makes `target` a copy of this unit, except for `Seen`, `OrdersDone` and `Orders`.
    void AssignTo(TUnit& target, const TFactionList& factions, const TKeyStringList& skills) const;

    /// Asks the processor for the unit's texts and lists ahead of a walk that will read them.
    void PrefetchParts() const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(Name.data());
        __builtin_prefetch(Description.data());
        __builtin_prefetch(Troops.data());
        __builtin_prefetch(Equipment.data());
        __builtin_prefetch(Skills.data());
#endif
    }

    /// The unit's line in the unit files: every field followed by a double quote.
    std::string ToLine() const;
    /// The same line appended to `text`, without its line end.
    void AppendLineTo(std::string& text) const;
    /// Reads a unit line; false (unit unchanged) when it has fewer than 17 fields.
    bool FromLine(std::string_view line);
    /// The same, splitting into `fields`: a caller reading many lines keeps one for them all.
    bool FromLine(std::string_view line, std::vector<std::string_view>& fields);

    // Text views, one line per entry, as the unit windows show them.
    std::vector<std::string> ListSkills(const TKeyStringList& skills) const;
    std::vector<std::string> ListEquipment(const TKeyStringList& equipment) const;
    std::vector<std::string> ListTroops(const TKeyStringList& troops) const;
    std::vector<std::string> ListCanStudy(const TKeyStringList& skills) const;

    // Fields in an order that leaves no gaps: a large world holds every unit twice.
    std::int32_t Number = -1;
    std::int32_t X = 0, Y = 0, Level = 0;
    std::int32_t LastX = 0, LastY = 0, LastLevel = 0;
    std::int32_t Structure = 0;  // 0 when outside any structure
    std::int32_t Faction = -1;
    std::uint32_t Flags = 0;
    std::int32_t Silver = 0;
    std::int32_t CombatSpell = -1;
    std::int32_t LastFaction = 0;
    std::int32_t Turn = 0;
    bool Seen = false;
    bool OrdersDone = false;
    ShortText Name;
    CompactText Description;
    SparseTexts<3> Texts;  // three seldom used texts of the unit files: empty, they cost a pointer
    // Most units have one or two entries in each list: those cost no block of their own.
    SmallVector<TUnitTroopGroup, 2> Troops;
    SmallVector<TUnitEquip, 2> Equipment;
    SmallVector<TUnitSkill, 2> Skills;
    SmallVector<TUnitSkill, 2> CanStudy;
    SparseLines Orders;  // only the player's own units have orders
};

}  // namespace korvane
