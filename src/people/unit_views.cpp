// The text views of a unit's skills, items and men, one line per entry.
#include "core/key_string_list.h"
#include "core/text_helpers.h"
#include "people/unit.h"

namespace korvane {

namespace {

std::string SkillHead(const TUnitSkill& skill, const TKeyStringList& skills)
{
    return PadRight("[" + skills.KeyAt(skill.Index) + "]", 7, false) + skills.SingularAt(skill.Index);
}

template <typename Entries>
std::vector<std::string> CountedLines(const Entries& entries, const TKeyStringList& words)
{
    std::vector<std::string> lines;
    for (const auto& entry : entries) {
        std::string line = IntToStr(entry.Count) + "  ";
        if (entry.Index < 0 || entry.Index >= words.Count()) {
            lines.push_back(line + "Unknown");
            continue;
        }
        const std::string plural = words.PluralAt(entry.Index);
        line += (entry.Count != 1 && !plural.empty()) ? plural : words.SingularAt(entry.Index);
        lines.push_back(line + " [" + words.KeyAt(entry.Index) + "]");
    }
    return lines;
}

}  // namespace

std::vector<std::string> TUnit::ListSkills(const TKeyStringList& skills) const
{
    std::vector<std::string> lines;
    for (const auto& skill : Skills) {
        lines.push_back(SkillHead(skill, skills) + " " + IntToStr(skill.Level()) + " (" + IntToStr(skill.Days) + ")");
    }
    return lines;
}

std::vector<std::string> TUnit::ListCanStudy(const TKeyStringList& skills) const
{
    std::vector<std::string> lines;
    for (const auto& skill : CanStudy)
        lines.push_back(SkillHead(skill, skills));
    return lines;
}

std::vector<std::string> TUnit::ListEquipment(const TKeyStringList& equipment) const
{
    return CountedLines(Equipment, equipment);
}

std::vector<std::string> TUnit::ListTroops(const TKeyStringList& troops) const
{
    return CountedLines(Troops, troops);
}

}  // namespace korvane
