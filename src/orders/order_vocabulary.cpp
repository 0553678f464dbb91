// OrderVocabulary: case-blind sets of the names orders may use.
#include "orders/order_vocabulary.h"

#include "core/key_string_list.h"
#include "core/text_helpers.h"

#include <algorithm>

namespace korvane {

std::string OrderVocabulary::Spaced(std::string_view word)
{
    std::string spaced(word);
    std::replace(spaced.begin(), spaced.end(), '_', ' ');
    return spaced;
}

void OrderVocabulary::AddItem(std::string_view name, std::string_view plural, std::string_view abbreviation,
                              ItemKind kind)
{
    for (std::string_view word : {name, plural, abbreviation}) {
        if (word.empty())
            continue;
        // A game that uses an item this one does without makes it an item like any other.
        const auto [entry, added] = items_.emplace(std::string(word), kind);
        if (!added && entry->second == ItemKind::Unused)
            entry->second = kind;
        if (!abbreviation.empty())
            itemCodes_.emplace(std::string(word), std::string(abbreviation));
    }
}

void OrderVocabulary::AddSkill(std::string_view name, std::string_view abbreviation, unsigned uses)
{
    const Skill skill{LowerCase(name), std::string(abbreviation), uses};
    for (std::string_view word : {name, abbreviation}) {
        if (!word.empty())
            skills_.emplace(std::string(word), skill);
    }
}

void OrderVocabulary::AddStructure(std::string_view name)
{
    if (!name.empty())
        structures_.insert(std::string(name));
}

void OrderVocabulary::AddKeywordLists(const TKeyStringList& skills, const TKeyStringList& troops,
                                      const TKeyStringList& equipment)
{
    for (const auto& entry : troops.Entries()) {
        troopCodes_.push_back(TrimSpaces(entry.Key));
        AddItem(TrimSpaces(entry.Singular), TrimSpaces(entry.Plural), TrimSpaces(entry.Key), ItemKind::Stays);
    }
    for (const auto& entry : equipment.Entries()) {
        equipmentCodes_.push_back(TrimSpaces(entry.Key));
        AddItem(TrimSpaces(entry.Singular), TrimSpaces(entry.Plural), TrimSpaces(entry.Key));
    }
    for (const auto& entry : skills.Entries()) {
        skillCodes_.push_back(TrimSpaces(entry.Key));
        AddSkill(TrimSpaces(entry.Singular), TrimSpaces(entry.Key), kSkillMagic | kSkillCast | kSkillCombat);
    }
}

bool OrderVocabulary::IsItem(std::string_view word) const
{
    const auto found = items_.find(Spaced(word));
    return found != items_.end() && found->second != ItemKind::Unused;
}

ItemKind OrderVocabulary::Kind(std::string_view word) const
{
    const auto found = items_.find(Spaced(word));
    return found == items_.end() ? ItemKind::Ordinary : found->second;
}

std::string OrderVocabulary::ItemCode(std::string_view word) const
{
    const auto found = itemCodes_.find(Spaced(word));
    return found == itemCodes_.end() ? std::string() : found->second;
}

unsigned OrderVocabulary::SkillUses(std::string_view word) const
{
    const auto found = skills_.find(Spaced(word));
    return found == skills_.end() ? 0 : found->second.Uses;
}

std::string OrderVocabulary::SkillName(std::string_view word) const
{
    const auto found = skills_.find(Spaced(word));
    return found == skills_.end() ? std::string() : found->second.Name;
}

std::string OrderVocabulary::SkillCode(std::string_view word) const
{
    const auto found = skills_.find(Spaced(word));
    return found == skills_.end() ? std::string() : found->second.Code;
}

}  // namespace korvane
