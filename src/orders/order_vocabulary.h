// The names an order may use: items, skills and structure types, from the game's standard
// lists and from the keyword lists the player's own reports taught.
#pragma once

#include "core/case_insensitive.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace korvane {

class TKeyStringList;

/// What sets an item apart in orders.
enum class ItemKind {
    Ordinary,
    Ship,  // built, not produced; may be given unfinished; not transported
    Stays,  // men, creatures, mounts and magic items: never transported between hexes
    Unused,  // of the game's item table but not of this game: only PRODUCE names it
};

/// What a skill may be used for beyond STUDY and FORGET.
enum SkillUse : unsigned { kSkillMagic = 1, kSkillCast = 2, kSkillCombat = 4 };

class OrderVocabulary
{
public:
    /// The vocabulary of the standard game, which every other game extends.
    static OrderVocabulary Standard();

    /// An item under its name, plural and abbreviation. A name known already keeps its kind,
    /// unless it was an unused one.
    void AddItem(std::string_view name, std::string_view plural, std::string_view abbreviation,
                 ItemKind kind = ItemKind::Ordinary);
    /// A skill under its name and abbreviation; `uses` is a set of SkillUse.
    void AddSkill(std::string_view name, std::string_view abbreviation, unsigned uses);
    void AddStructure(std::string_view name);

    /// Adds what the reports' keyword lists hold (key = abbreviation, singular, plural): the
    /// troops as men and the equipment as ordinary items, the skills as skills. A skill the game's lists already
    /// know keeps its uses; a new one may be cast and used in combat, as nothing says otherwise.
    void AddKeywordLists(const TKeyStringList& skills, const TKeyStringList& troops, const TKeyStringList& equipment);

    /// Look-ups take a name as written in an order: any case, `_` standing for a space.
    bool IsItem(std::string_view word) const;
    bool IsUnusedItem(std::string_view word) const { return Kind(word) == ItemKind::Unused; }
    bool IsShip(std::string_view word) const { return Kind(word) == ItemKind::Ship; }
    bool IsTransported(std::string_view word) const { return Kind(word) == ItemKind::Ordinary; }
    bool IsSkill(std::string_view word) const { return skills_.count(Spaced(word)) != 0; }
    /// The skill's uses; 0 when unknown.
    unsigned SkillUses(std::string_view word) const;
    /// The skill's full name in lower case; empty when unknown.
    std::string SkillName(std::string_view word) const;
    /// The skill's abbreviation ("COMB" for "combat"); empty when unknown.
    std::string SkillCode(std::string_view word) const;
    bool IsStructure(std::string_view word) const { return structures_.count(Spaced(word)) != 0; }
    /// The abbreviation of an item named as in an order ("HORS" for "horses"); empty when unknown.
    std::string ItemCode(std::string_view word) const;

    /// The abbreviations of the keyword lists AddKeywordLists took, by position: what a unit's
    /// men and items point to. Empty for a vocabulary that took none.
    const std::vector<std::string>& TroopCodes() const { return troopCodes_; }
    const std::vector<std::string>& EquipmentCodes() const { return equipmentCodes_; }
    /// The same for a unit's skills.
    const std::vector<std::string>& SkillCodes() const { return skillCodes_; }

private:
    struct Skill
    {
        std::string Name;
        std::string Code;
        unsigned Uses;
    };

    static std::string Spaced(std::string_view word);
    ItemKind Kind(std::string_view word) const;

    std::unordered_map<std::string, ItemKind, CaseInsensitiveHash, CaseInsensitiveEqual> items_;
    std::unordered_map<std::string, Skill, CaseInsensitiveHash, CaseInsensitiveEqual> skills_;
    std::unordered_set<std::string, CaseInsensitiveHash, CaseInsensitiveEqual> structures_;
    std::unordered_map<std::string, std::string, CaseInsensitiveHash, CaseInsensitiveEqual> itemCodes_;
    std::vector<std::string> troopCodes_;
    std::vector<std::string> equipmentCodes_;
    std::vector<std::string> skillCodes_;
};

}  // namespace korvane
