// The table of the game's orders and the checks of the arguments only one order takes.
#include "orders/order_table.h"

#include "core/case_insensitive.h"
#include "orders/order_arguments.h"
#include "orders/order_tokens.h"
#include "orders/order_vocabulary.h"

namespace korvane {

namespace {

using Words = OrderTokens;
using Vocabulary = OrderVocabulary;

// Checks that fail with `message` when the next word is missing.
std::string Needs(Words& words, const char* message)
{
    return words.Next() ? std::string() : message;
}

std::string Target(Words& words, const char* message)
{
    return ReadUnitReference(words) ? std::string() : message;
}

std::string Build(Words& words, const Vocabulary& vocabulary)
{
    const auto what = words.Next();
    if (!what || SameText(*what, "complete"))
        return {};
    // The server's checker reads no unit after HELP, so a unit there is an unknown keyword.
    if (!SameText(*what, "help") && !vocabulary.IsStructure(*what))
        return "BUILD: Not a valid object name.";
    const auto more = words.Next();
    return !more || SameText(*more, "complete") ? std::string() : "BUILD: Unknown keyword '" + *more + "'.";
}

std::string BuyOrSell(Words& words, const char* noNumber, const char* noItem)
{
    const std::string amount = words.NextOrEmpty();
    if (!SameText(amount, "all") && OrderValue(amount) == 0)
        return noNumber;
    return Needs(words, noItem);
}

std::string Consume(Words& words, const Vocabulary&)
{
    const auto what = words.Next();
    return !what || IsAnyOf(*what, {"unit", "faction", "none"}) ? std::string() : "CONSUME: Invalid value.";
}

std::string Combat(Words& words, const Vocabulary& vocabulary)
{
    const auto skill = words.Next();
    if (!skill)
        return {};
    if (!vocabulary.IsSkill(*skill))
        return "COMBAT: Invalid skill.";
    const unsigned uses = vocabulary.SkillUses(*skill);
    if (!(uses & kSkillMagic))
        return "COMBAT: That is not a magic skill.";
    return uses & kSkillCombat ? std::string() : "COMBAT: That skill cannot be used in combat.";
}

bool IsAttitude(std::string_view word)
{
    return IsAnyOf(word, {"hostile", "unfriendly", "neutral", "friendly", "ally"});
}

std::string Declare(Words& words, const Vocabulary&)
{
    const auto faction = words.Next();
    if (!faction)
        return "DECLARE: No faction given.";
    // The server reads faction -1 as DEFAULT.
    if (SameText(*faction, "default") || OrderValue(*faction) == -1) {
        const auto attitude = words.Next();
        if (!attitude)
            return "DECLARE: No default attitude provided.";
        return IsAttitude(*attitude) ? std::string() : "DECLARE: Invalid attitude.";
    }
    if (!OrderNumber(*faction))
        return "DECLARE: Non-existent faction.";
    const auto attitude = words.Next();
    return !attitude || IsAttitude(*attitude) ? std::string() : "DECLARE: Invalid attitude.";
}

std::string Describe(Words& words, const Vocabulary&)
{
    const auto what = words.Next();
    if (!what)
        return "DESCRIBE: No argument.";
    return IsAnyOf(*what, {"unit", "ship", "building", "object", "structure"}) ? std::string()
                                                                               : "DESCRIBE: Can't describe that.";
}

std::string Name(Words& words, const Vocabulary&)
{
    const auto what = words.Next();
    if (!what)
        return "NAME: No argument.";
    if (!IsAnyOf(*what, {"unit", "faction", "object", "city", "ship", "building", "structure"}))
        return "NAME: Can't name that.";
    return Needs(words, "NAME: No name given.");
}

std::string Exchange(Words& words, const Vocabulary& vocabulary)
{
    if (!ReadUnitReference(words))
        return "EXCHANGE: Invalid target.";
    for (const char* side : {"given", "expected"}) {
        const auto amount = words.Next();
        if (!amount)
            return std::string("EXCHANGE: No amount ") + side + ".";
        if (OrderValue(*amount) < 0 || !OrderNumber(*amount))
            return "EXCHANGE: Illegal amount given.";
        const auto item = words.Next();
        if (!item)
            return std::string("EXCHANGE: No item ") + side + ".";
        if (!vocabulary.IsItem(*item))
            return "EXCHANGE: Invalid item.";
        if (vocabulary.IsShip(*item))
            return "EXCHANGE: Can't exchange ships.";
    }
    return {};
}

// Up to three pairs of a faction type and its points, five points at most in all.
std::string Faction(Words& words, const Vocabulary&)
{
    int points[3] = {0, 0, 0};
    auto type = words.Next();
    if (!type)
        return "FACTION: Bad faction type.";
    for (; type; type = words.Next()) {
        int index = SameText(*type, "war") ? 0 : SameText(*type, "trade") ? 1 : SameText(*type, "magic") ? 2 : -1;
        const auto value = words.Next();
        if (index < 0 || !value)
            return "FACTION: Bad faction type.";
        points[index] = OrderValue(*value);
    }
    return static_cast<long long>(points[0]) + points[1] + points[2] > 5 ? "FACTION: Bad faction type." : "";
}

std::string Find(Words& words, const Vocabulary&)
{
    const std::string faction = words.NextOrEmpty();
    return SameText(faction, "all") || OrderValue(faction) != 0 ? std::string() : "FIND: No faction number given.";
}

std::string Option(Words& words, const Vocabulary&)
{
    const auto option = words.Next();
    if (!option)
        return "OPTION: What option?";
    if (IsAnyOf(*option, {"times", "notimes", "showattitudes", "dontshowattitudes"}))
        return {};
    if (!SameText(*option, "template"))
        return "OPTION: Invalid option.";
    const auto type = words.Next();
    if (!type)
        return "OPTION: No template type specified.";
    return IsAnyOf(*type, {"off", "short", "long", "map"}) ? std::string() : "OPTION: Invalid template type.";
}

std::string Produce(Words& words, const Vocabulary& vocabulary)
{
    auto item = words.Next();
    if (item && OrderValue(*item) > 0)
        item = words.Next();
    if (!item)
        return "PRODUCE: No item given.";
    if (!vocabulary.IsItem(*item) && !vocabulary.IsUnusedItem(*item))
        return "PRODUCE: Invalid item.";
    return vocabulary.IsShip(*item) ? "PRODUCE: Use BUILD for ships." : "";
}

std::string Show(Words& words, const Vocabulary&)
{
    const auto what = words.Next();
    if (what && SameText(*what, "skill")) {
        if (!words.Next())
            return "SHOW: Show what skill?";
        return Needs(words, "SHOW: No skill level given.");
    }
    if (what && SameText(*what, "item"))
        return Needs(words, "SHOW: Show which item?");
    if (what && SameText(*what, "object"))
        return Needs(words, "SHOW: Show which object?");
    return "SHOW: Show what?";
}

std::string Study(Words& words, const Vocabulary& vocabulary)
{
    const auto skill = words.Next();
    if (!skill)
        return "STUDY: No skill given.";
    return vocabulary.IsSkill(*skill) ? std::string() : "STUDY: Unknown skill '" + *skill + "'.";
}

std::string Forget(Words& words, const Vocabulary& vocabulary)
{
    const auto skill = words.Next();
    if (!skill)
        return "FORGET: No skill given.";
    return vocabulary.IsSkill(*skill) ? std::string() : "FORGET: Invalid skill.";
}

std::string Give(Words& words, const Vocabulary& vocabulary)
{
    if (!ReadUnitReference(words, UnitNumbers::GiveTarget))
        return "GIVE: Invalid target.";
    return CheckTransfer("GIVE", words, vocabulary);
}

std::string Take(Words& words, const Vocabulary& vocabulary)
{
    if (!SameText(words.NextOrEmpty(), "from"))
        return "TAKE: Missing FROM.";
    if (!ReadUnitReference(words))
        return "TAKE: Invalid target.";
    return CheckTransfer("TAKE", words, vocabulary);
}

std::string Transport(Words& words, const Vocabulary& vocabulary)
{
    if (!ReadUnitReference(words))
        return "TRANSPORT: Invalid target.";
    return CheckTransfer("TRANSPORT", words, vocabulary);
}

std::string Steal(Words& words, const Vocabulary&)
{
    if (!ReadUnitReference(words))
        return "STEAL: No target given.";
    return Needs(words, "STEAL: No item given.");
}

std::string Spoils(Words& words, const Vocabulary&)
{
    return IsAnyOf(words.NextOrEmpty(), {"none", "walk", "ride", "fly", "swim", "sail", "all"})
        ? std::string()
        : "SPOILS: Bad argument.";
}

std::string Reveal(Words& words, const Vocabulary&)
{
    const auto what = words.Next();
    return !what || IsAnyOf(*what, {"unit", "faction", "none"}) ? std::string() : "REVEAL: Invalid value.";
}

std::string NoSpoils(Words& words, const Vocabulary&)
{
    std::string problem = "NOSPOILS: This command is deprecated.  Use the 'SPOILS' command instead.";
    const std::string flag = CheckFlag("NOSPOILS", words);
    return flag.empty() ? problem : problem + " " + flag;
}

#define KORVANE_FLAG(NAME) [](Words& w, const Vocabulary&) { return CheckFlag(NAME, w); }
#define KORVANE_NEEDS(MESSAGE) [](Words& w, const Vocabulary&) { return Needs(w, MESSAGE); }
#define KORVANE_TARGET(MESSAGE) [](Words& w, const Vocabulary&) { return Target(w, MESSAGE); }
#define KORVANE_SWITCHED_OFF(NAME) [](Words&, const Vocabulary&) { return std::string(NAME " is not a valid order."); }

constexpr OrderMonth kInstant = OrderMonth::Instant;

// Every keyword of the game. Orders without a check take any arguments, as the server does.
const OrderSpec kOrders[] = {
    {"ADDRESS", KORVANE_NEEDS("ADDRESS: No address given."), kInstant},
    {"ADVANCE", [](Words& w, const Vocabulary&) { return CheckMovement("ADVANCE", w, true); }, OrderMonth::Movement},
    {"ASSASSINATE", KORVANE_TARGET("ASSASSINATE: No target given."), kInstant},
    {"ATTACK", nullptr, kInstant},
    {"AUTOTAX", KORVANE_FLAG("AUTOTAX"), kInstant},
    {"AVOID", KORVANE_FLAG("AVOID"), kInstant},
    {"BEHIND", KORVANE_FLAG("BEHIND"), kInstant},
    {"BUILD", Build, OrderMonth::Month},
    {"BUY",
     [](Words& w, const Vocabulary&) { return BuyOrSell(w, "BUY: Number to buy not given.", "BUY: Item not given."); },
     kInstant},
    {"CAST", CheckCast, kInstant},
    {"CLAIM",
     [](Words& w, const Vocabulary&) {
         return OrderValue(w.NextOrEmpty()) ? std::string() : "CLAIM: No amount given.";
     },
     kInstant},
    {"COMBAT", Combat, kInstant},
    {"CONSUME", Consume, kInstant},
    {"DECLARE", Declare, kInstant},
    {"DESCRIBE", Describe, kInstant},
    {"DESTROY", nullptr, kInstant},
    {"DISTRIBUTE", Transport, kInstant},
    {"ENTER",
     [](Words& w, const Vocabulary&) {
         return OrderValue(w.NextOrEmpty()) ? std::string() : "ENTER: No object specified.";
     },
     kInstant},
    {"ENTERTAIN", nullptr, OrderMonth::Month},
    {"EVICT", nullptr, kInstant},
    {"EXCHANGE", Exchange, kInstant},
    {"FACTION", Faction, kInstant},
    {"FIND", Find, kInstant},
    {"FORGET", Forget, kInstant},
    {"GIVE", Give, kInstant},
    {"GUARD", KORVANE_FLAG("GUARD"), kInstant},
    {"HOLD", KORVANE_FLAG("HOLD"), kInstant},
    {"IDLE", nullptr, OrderMonth::Month},
    {"JOIN", KORVANE_TARGET("JOIN: No target given."), kInstant},
    {"LEAVE", nullptr, kInstant},
    {"MOVE", [](Words& w, const Vocabulary&) { return CheckMovement("MOVE", w, true); }, OrderMonth::Movement},
    {"NAME", Name, kInstant},
    {"NOAID", KORVANE_FLAG("NOAID"), kInstant},
    {"NOCROSS", KORVANE_FLAG("NOCROSS"), kInstant},
    {"NOSPOILS", NoSpoils, kInstant},
    {"OPTION", Option, kInstant},
    {"PASSWORD", nullptr, kInstant},
    {"PILLAGE", nullptr, OrderMonth::Pillage},
    {"PRODUCE", Produce, OrderMonth::Month},
    {"PROMOTE", KORVANE_TARGET("PROMOTE: No target given."), kInstant},
    {"QUIT", nullptr, kInstant},
    {"RESTART", nullptr, kInstant},
    {"REVEAL", Reveal, kInstant},
    {"SAIL", [](Words& w, const Vocabulary&) { return CheckMovement("SAIL", w, false); }, OrderMonth::Movement},
    {"SELL",
     [](Words& w, const Vocabulary&) {
         return BuyOrSell(w, "SELL: Number to sell not given.", "SELL: Item not given.");
     },
     kInstant},
    {"SHARE", KORVANE_FLAG("SHARE"), kInstant},
    {"SHOW", Show, kInstant},
    {"SPOILS", Spoils, kInstant},
    {"STEAL", Steal, kInstant},
    {"STUDY", Study, OrderMonth::Month},
    {"TAKE", Take, kInstant},
    {"TAX", nullptr, OrderMonth::Tax},
    {"TEACH", KORVANE_TARGET("TEACH: No students given."), OrderMonth::Chained},
    {"TRANSPORT", Transport, kInstant},
    {"WORK", nullptr, OrderMonth::Month},
    // Known to the game but switched off in this one: refused by name, like a misspelt order.
    {"ANNIHILATE", KORVANE_SWITCHED_OFF("ANNIHILATE"), kInstant},
    {"ARMOR", KORVANE_SWITCHED_OFF("ARMOR"), kInstant},
    {"PREPARE", KORVANE_SWITCHED_OFF("PREPARE"), kInstant},
    {"SACRIFICE", KORVANE_SWITCHED_OFF("SACRIFICE"), kInstant},
    {"WEAPON", KORVANE_SWITCHED_OFF("WEAPON"), kInstant},
    {"WITHDRAW", KORVANE_SWITCHED_OFF("WITHDRAW"), kInstant},
};

#undef KORVANE_FLAG
#undef KORVANE_NEEDS
#undef KORVANE_TARGET
#undef KORVANE_SWITCHED_OFF

}  // namespace

const OrderSpec* FindOrder(std::string_view keyword)
{
    for (const auto& order : kOrders) {
        if (SameText(order.Keyword, keyword))
            return &order;
    }
    return nullptr;
}

}  // namespace korvane
