// CAST: the spell's skill, then the arguments each spell of the game takes.
#include "orders/order_arguments.h"

#include "core/case_insensitive.h"
#include "orders/order_tokens.h"
#include "orders/order_vocabulary.h"

#include <string>

namespace korvane {

namespace {

using Words = OrderTokens;

std::string SpellProblem(const std::string& spell, std::string_view text)
{
    return "CAST '" + spell + "': " + std::string(text);
}

// REGION x y [z]; the spell may also be cast without naming a region.
std::string RegionSpell(const std::string& spell, Words& words)
{
    if (!SameText(words.NextOrEmpty(), "region"))
        return {};
    const auto x = OrderNumber(words.NextOrEmpty());
    if (!x)
        return SpellProblem(spell, "Region X coordinate not specified.");
    const auto y = OrderNumber(words.NextOrEmpty());
    if (!y)
        return SpellProblem(spell, "Region Y coordinate not specified.");
    if (*x < 0)
        return SpellProblem(spell, "Invalid X coordinate specified.");
    return *y < 0 ? SpellProblem(spell, "Invalid Y coordinate specified.") : std::string();
}

std::string GateLore(const std::string& spell, Words& words)
{
    const auto word = words.Next();
    if (!word)
        return SpellProblem(spell, "Missing argument.");
    if (SameText(*word, "detect"))
        return {};
    if (!SameText(*word, "gate"))
        return SpellProblem(spell, "Invalid argument '" + *word + "'.");
    const auto gate = OrderNumber(words.NextOrEmpty());
    if (!gate)
        return SpellProblem(spell, "Requires a target gate.");
    return *gate < 1 ? SpellProblem(spell, "Invalid target gate.") : std::string();
}

std::string BirdLore(const std::string& spell, Words& words)
{
    const auto word = words.Next();
    if (!word)
        return SpellProblem(spell, "Missing arguments.");
    if (SameText(*word, "eagle"))
        return {};
    if (!SameText(*word, "direction"))
        return SpellProblem(spell, "Invalid argument '" + *word + "'.");
    const auto direction = words.Next();
    if (!direction)
        return SpellProblem(spell, "Missing direction.");
    return IsDirection(*direction, false) && !IsAnyOf(*direction, {"p", "pause"})
        ? std::string()
        : SpellProblem(spell, "Invalid direction '" + *direction + "'.");
}

std::string Illusion(const std::string& spell, Words& words, std::initializer_list<std::string_view> creatures,
                     std::string_view missing)
{
    const auto word = words.Next();
    if (!word)
        return SpellProblem(spell, missing);
    return IsAnyOf(*word, creatures) ? std::string() : SpellProblem(spell, "Can't summon '" + *word + "'.");
}

std::string SpellArguments(const std::string& spell, Words& words)
{
    if (spell == "farsight" || spell == "teleportation" || spell == "weather lore")
        return RegionSpell(spell, words);
    if (spell == "gate lore")
        return GateLore(spell, words);
    if (spell == "bird lore")
        return BirdLore(spell, words);
    if (spell == "mind reading")
        return ReadUnitReference(words) ? std::string() : "CAST: No unit specified.";
    if (spell == "portal lore") {
        if (!ReadUnitReference(words))
            return SpellProblem(spell, "Requires a target mage.");
        return SameText(words.NextOrEmpty(), "units") ? std::string() : SpellProblem(spell, "No units to teleport.");
    }
    if (spell == "invisibility") {
        return SameText(words.NextOrEmpty(), "units") ? std::string()
                                                      : SpellProblem(spell, "Must specify units to render invisible.");
    }
    if (spell == "create phantasmal beasts") {
        return Illusion(spell, words, {"wolf", "wolves", "eagle", "eagles", "dragon", "dragons"},
                        "Must specify which illusion to summon.");
    }
    if (spell == "create phantasmal demons") {
        return Illusion(spell, words, {"imp", "imps", "demon", "demons", "balrog", "balrogs"},
                        "Illusion to summon must be given.");
    }
    return {};
}

}  // namespace

std::string CheckCast(OrderTokens& words, const OrderVocabulary& vocabulary)
{
    const auto skill = words.Next();
    if (!skill)
        return "CAST: No skill given.";
    const unsigned uses = vocabulary.SkillUses(*skill);
    if (!vocabulary.IsSkill(*skill))
        return "CAST: Invalid skill.";
    if (!(uses & kSkillMagic))
        return "CAST: That is not a magic skill.";
    if (!(uses & kSkillCast))
        return "CAST: That skill cannot be CAST.";
    return SpellArguments(vocabulary.SkillName(*skill), words);
}

}  // namespace korvane
