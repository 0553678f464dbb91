// What the unit windows show of a unit list: lines, counts, costs and the faction filter.
#include "core/key_string_list.h"
#include "core/text_helpers.h"
#include "people/faction.h"
#include "people/faction_list.h"
#include "people/unit_list.h"

#include <set>

namespace korvane {

namespace {

bool PassesStructure(const TUnit& unit, int filter)
{
    if (filter == 0)
        return unit.Structure == 0;
    if (filter > 0)
        return unit.Structure == filter;
    return true;
}

bool OfFaction(const TUnit& unit, int faction)
{
    return faction == -1 || unit.Faction == faction;
}

}  // namespace

bool PassesFactionFilter(const TUnit& unit, int filter)
{
    if (filter == -1)
        return unit.Faction <= 0;
    if (filter > 0)
        return unit.Faction == filter;
    return true;
}

std::string UnitLineHead(const TUnit& unit, const TKeyStringList& troops)
{
    return RightAlignedNumber(unit.Number, 6) + " " + RightAlignedNumber(unit.Faction, 4) + " "
        + PadRight(unit.Name, 30, true) + " " + PadRight(MenText(unit, troops), 10, false);
}

std::string MenText(const TUnit& unit, const TKeyStringList& troops)
{
    const std::int32_t men = unit.MenCount();
    const char* word = unit.HasLeader(troops) ? " LEAD" : (men == 1 ? " man" : " men");
    return IntToStr(men) + word;
}

UnitLineKey KeyOfUnitLine(const TUnit& unit, std::int32_t level, std::int32_t x, std::int32_t y)
{
    return {unit.Number, unit.Faction, level, x, y};
}

std::vector<std::string> TUnitList::ListUnits(int factionFilter, int structureFilter, const TKeyStringList& troops,
                                              std::int64_t& men, std::vector<UnitLineKey>* keys) const
{
    std::vector<std::string> lines;
    men = 0;
    if (keys)
        keys->clear();
    ForEach([&](const TUnit& unit) {
        if (!PassesFactionFilter(unit, factionFilter) || !PassesStructure(unit, structureFilter))
            return;
        std::string line = UnitLineHead(unit, troops);
        if (unit.Structure > 0)
            line += " In structure " + IntToStr(unit.Structure);
        lines.push_back(std::move(line));
        if (keys)
            keys->push_back(KeyOfUnitLine(unit, unit.Level, unit.X, unit.Y));
        men += unit.MenCount();
    });
    return lines;
}

ForceCounts TUnitList::CountForces(int faction, const TKeyStringList& troops) const
{
    ForceCounts counts;
    ForEach([&](const TUnit& unit) {
        if (!OfFaction(unit, faction))
            return;
        if (unit.HasLeader(troops)) {
            ++counts.LeaderUnits;
            counts.LeaderMen += unit.MenCount();
        } else {
            ++counts.OtherUnits;
            counts.OtherMen += unit.MenCount();
        }
    });
    return counts;
}

std::int64_t TUnitList::SilverOfFaction(int faction) const
{
    std::int64_t silver = 0;
    ForEach([&](const TUnit& unit) {
        if (unit.Faction == faction)
            silver += unit.Silver;
    });
    return silver;
}

std::int64_t TUnitList::Maintenance(int faction, const TKeyStringList& troops) const
{
    std::int64_t cost = 0;
    ForEach([&](const TUnit& unit) {
        if (OfFaction(unit, faction))
            cost += static_cast<std::int64_t>(unit.MenCount()) * (unit.HasLeader(troops) ? 20 : 10);
    });
    return cost;
}

std::vector<std::string> TUnitList::SkillLevelCounts(int faction, std::string_view skillKey,
                                                     const TKeyStringList& skills, const TKeyStringList& troops) const
{
    std::int64_t leaders[6] = {};
    std::int64_t others[6] = {};
    ForEach([&](const TUnit& unit) {
        if (unit.Faction != faction)
            return;
        const int level = unit.SkillLevel(skillKey, skills);
        (unit.HasLeader(troops) ? leaders : others)[level] += unit.MenCount();
    });
    std::vector<std::string> lines;
    for (int level = 1; level <= 5; ++level)
        lines.push_back(IntToStr(leaders[level]) + ";" + IntToStr(others[level]));
    return lines;
}

std::vector<std::string> TUnitList::ListFactions(bool withoutHeader, const TFactionList& factions,
                                                 std::vector<std::int32_t>* codes) const
{
    std::vector<std::string> lines;
    std::vector<std::int32_t> lineCodes;
    if (!withoutHeader) {
        lines.emplace_back("All factions");
        lines.emplace_back("Unknown");
        lineCodes = {0, -1};
    }
    std::set<std::int32_t> numbers;
    ForEach([&](const TUnit& unit) {
        if (unit.Faction > 0 && factions.Find(unit.Faction))
            numbers.insert(unit.Faction);
    });
    for (std::int32_t number : numbers) {
        lines.push_back(RightAlignedNumber(number, 5) + "- " + factions.Find(number)->Name);
        lineCodes.push_back(number);
    }
    if (codes)
        *codes = std::move(lineCodes);
    return lines;
}

}  // namespace korvane
