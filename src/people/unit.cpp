// Unit records: faction, flags, men, skills, orders and copying.
#include "people/unit.h"

#include "core/key_string_list.h"
#include "core/text_helpers.h"
#include "people/faction_list.h"
#include "people/unit_list.h"

#include <algorithm>
#include <cstdint>

namespace korvane {

int TUnitSkill::Level() const
{
    if (Days < 30)
        return 0;
    if (Days < 90)
        return 1;
    if (Days < 180)
        return 2;
    if (Days < 300)
        return 3;
    if (Days < 450)
        return 4;
    return 5;
}

std::string TUnit::KeyOf(std::int32_t number)
{
    if (number < 0)
        return PadLeft(IntToStr(number), '0', 10);
    // Looked up for every unit of every report: built in place rather than padded.
    std::string key(10, '0');
    for (int i = 9; i >= 0 && number > 0; --i, number /= 10)
        key[static_cast<std::size_t>(i)] = static_cast<char>('0' + number % 10);
    return key;
}

void TUnit::SetFaction(std::int32_t number, const TFactionList& factions)
{
    Faction = factions.Find(number) ? number : -1;
}

std::int32_t TUnit::EffectiveFaction(const TUnitList& mapUnits) const
{
    if (Faction >= 1)
        return Faction;
    if (const TUnit* known = mapUnits.Find(Number)) {
        if (known->Faction >= 1)
            return known->Faction;
        if (known->LastFaction > 0)
            return known->LastFaction;
    }
    return -1;
}

void TUnit::Reset()
{
    // Everything back to a new unit's, except the room the longer texts and the lists hold.
    ShortText name = std::move(Name);
    CompactText description = std::move(Description);
    auto troops = std::move(Troops);
    auto equipment = std::move(Equipment);
    auto skills = std::move(Skills), canStudy = std::move(CanStudy);
    *this = TUnit();
    name.clear();
    description.clear();
    troops.clear();
    equipment.clear();
    skills.clear();
    canStudy.clear();
    Name = std::move(name);
    Description = std::move(description);
    Troops = std::move(troops);
    Equipment = std::move(equipment);
    Skills = std::move(skills);
    CanStudy = std::move(canStudy);
}

void TUnit::SetFlag(std::uint32_t bit, bool on)
{
    Flags = on ? (Flags | bit) : (Flags & ~bit);
}

std::int32_t TUnit::MenCount() const
{
    // Counts come from reports and files: summed wide and held to the range, never wrapped.
    std::int64_t men = 0;
    for (const auto& group : Troops)
        men += group.Count;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(men, INT32_MIN, INT32_MAX));
}

bool TUnit::HasLeader(const TKeyStringList& troops) const
{
    for (const auto& group : Troops) {
        if (TrimSpaces(troops.KeyAt(group.Index)) == "LEAD")
            return true;
    }
    return false;
}

int TUnit::SkillLevel(std::string_view skillKey, const TKeyStringList& skills) const
{
    const std::string wanted = TrimSpaces(skillKey);
    for (const auto& skill : Skills) {
        if (SameText(TrimSpaces(skills.KeyAt(skill.Index)), wanted))
            return skill.Level();
    }
    return 0;
}

void TUnit::SetCombatSpellByKey(std::string_view key, const TKeyStringList& skills)
{
    const int index = skills.IndexOfKey(key);
    if (index >= 0)
        CombatSpell = index;
}

std::string TUnit::CombatSpellKey(const TKeyStringList& skills) const
{
    return skills.KeyAt(CombatSpell);
}

namespace {

// The position of the first line from `from` on that the game reads as an order: blank lines
// and comments are not; `lines.size()` when none is left.
std::size_t NextOrder(const std::vector<std::string>& lines, std::size_t from)
{
    while (from < lines.size()) {
        const std::string_view text = TrimmedView(lines[from]);
        if (!text.empty() && text.front() != ';')
            break;
        ++from;
    }
    return from;
}

}  // namespace

bool TUnit::OrdersChanged(const std::vector<std::string>& lines) const
{
    std::size_t mine = NextOrder(Orders, 0);
    std::size_t theirs = NextOrder(lines, 0);
    while (mine < Orders.size() && theirs < lines.size()) {
        if (!SameText(TrimmedView(Orders[mine]), TrimmedView(lines[theirs])))
            return true;
        mine = NextOrder(Orders, mine + 1);
        theirs = NextOrder(lines, theirs + 1);
    }
    return (mine < Orders.size()) != (theirs < lines.size());
}

void TUnit::AssignTo(TUnit& target, const TFactionList& factions, const TKeyStringList& skills) const
{
    target.Number = Number;
    target.Name = Name;
    target.Description = Description;
    target.X = X;
    target.Y = Y;
    target.Level = Level;
    target.LastX = LastX;
    target.LastY = LastY;
    target.LastLevel = LastLevel;
    target.Structure = Structure;
    target.Texts = Texts;
    target.SetFaction(Faction, factions);
    target.Flags = Flags;
    target.Silver = Silver;
    if (CombatSpell >= 0)
        target.SetCombatSpellByKey(CombatSpellKey(skills), skills);
    target.LastFaction = LastFaction;
    target.Turn = Turn;
    target.Troops = Troops;
    target.Equipment = Equipment;
    target.Skills = Skills;
    target.CanStudy.clear();
    for (const auto& skill : CanStudy)
        target.CanStudy.push_back({skill.Index, 0});
}

}  // namespace korvane
