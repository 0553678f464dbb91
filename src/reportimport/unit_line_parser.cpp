// Unit lines of a turn report.
#include "reportimport/unit_line_parser.h"

#include "core/key_string_list.h"
#include "core/settings.h"
#include "core/text_pieces.h"
#include "core/user_interaction.h"
#include "people/faction_list.h"
#include "reportimport/import_target.h"
#include "reportimport/region_details.h"
#include "world/map.h"

#include <memory>
#include <utility>

namespace korvane {

namespace {

constexpr std::size_t kMaxUnitLine = 5000;
constexpr std::size_t kMaxDescription = 2000;

bool Has(std::string_view text, std::string_view word)
{
    return FindText(text, word) != std::string_view::npos;
}

// The words the flag tests look for, as bits: every piece of every unit line is tested, so the
// piece is read once for all of them rather than searched once for each.
enum FlagWord : unsigned {
    kBehind = 1u << 0,
    kAvoiding = 1u << 1,
    kRevealing = 1u << 2,
    kFaction = 1u << 3,
    kUnit = 1u << 4,
    kGuard = 1u << 5,
    kReceiving = 1u << 6,
    kAid = 1u << 7,
    kHolding = 1u << 8,
    kTaxing = 1u << 9,
};

unsigned FlagWordsIn(std::string_view piece)
{
    static constexpr std::pair<std::string_view, unsigned> kWords[] = {
        {"behind", kBehind},   {"avoiding", kAvoiding}, {"revealing", kRevealing}, {"faction", kFaction},
        {"unit", kUnit},       {"guard", kGuard},       {"receiving", kReceiving}, {"aid", kAid},
        {"holding", kHolding}, {"taxing", kTaxing},
    };
    unsigned found = 0;
    for (std::size_t at = 0; at < piece.size(); ++at) {
        const char c = piece[at];
        if (c < 'a' || c > 'u')
            continue;  // no flag word starts outside these letters
        for (const auto& [word, bit] : kWords) {
            if (word.front() == c && piece.compare(at, word.size(), word) == 0)
                found |= bit;
        }
    }
    return found;
}

// Flag words, tested in this order; the first test that holds decides the piece, even when it
// sets no flag ("revealing" alone). Returns false when no flag test holds.
bool FlagTest(std::string_view piece, std::uint32_t& flag)
{
    const unsigned words = FlagWordsIn(piece);
    const auto has = [words](unsigned bits) { return (words & bits) == bits; };
    flag = 0;
    if (has(kBehind))
        flag = kFlagBehind;
    else if (has(kAvoiding))
        flag = kFlagAvoiding;
    else if (has(kRevealing | kFaction))
        flag = kFlagRevealFaction;
    else if (has(kRevealing))
        flag = has(kUnit) ? kFlagRevealUnit : flag;
    else if (has(kGuard))
        flag = kFlagGuard;
    else if (has(kReceiving | kAid))
        flag = kFlagNoAid;
    else if (has(kHolding))
        flag = kFlagHolding;
    else if (has(kTaxing))
        flag = kFlagTaxing;
    else
        return false;
    return true;
}

// Where "Skills:", "spell:" and "Study:" first stand in a unit's text (1-based, 0 when absent):
// found in one pass over its few colons rather than one search of the whole text for each.
struct Labels
{
    int skills = 0;
    int spell = 0;
    int study = 0;
};

Labels FindLabels(std::string_view text)
{
    Labels labels;
    for (auto colon = text.find(':'); colon != std::string_view::npos; colon = text.find(':', colon + 1)) {
        const auto found = [text, colon](int& position, std::string_view label) {
            const std::size_t length = label.size() + 1;
            if (position == 0 && colon + 1 >= length && text.substr(colon + 1 - length, label.size()) == label)
                position = static_cast<int>(colon + 2 - length);
        };
        found(labels.skills, "Skills");
        found(labels.spell, "spell");
        found(labels.study, "Study");
    }
    return labels;
}

// "name [CODE]" of a skill entry; false when the piece has no code.
bool SkillNameAndCode(std::string_view piece, std::string& name, std::string& code, int& close)
{
    const int open = PosFrom(1, "[", piece);
    if (open == 0)
        return false;
    close = PosOr(open, "]", piece, EndPosition(piece));
    name = TrimSpaces(piece.substr(0, static_cast<std::size_t>(open - 1)));
    code = std::string(Between(piece, open, close));
    return true;
}

}  // namespace

UnitLineParser::UnitLineParser(const ImportTarget& target, UserInteraction& ui)
    : target_(target)
    , ui_(ui)
{
}

void UnitLineParser::ParseUnitLine(TMapCell& cell, int structure, int code, int turn, std::string_view line)
{
    scratch_.Reset();
    TUnit& unit = scratch_;
    unit.X = cell.X;
    unit.Y = cell.Y;
    unit.Level = cell.Level;

    const char marker = (code == kCodeUnitStar || code == kCodeInnerUnitStar) ? '*' : '-';
    const auto markerAt = line.find(marker);
    const std::string_view text = TrimmedView(
        markerAt == std::string_view::npos ? line : line.substr(markerAt + 1).substr(0, kMaxUnitLine));

    std::string& squeezed = squeezed_;
    const int open = PosFrom(1, "(", text);
    const int comma = open > 0 ? PosFrom(open, ",", text) : 0;
    if (comma > 0) {
        ParseUnitName(SqueezedView(text.substr(0, static_cast<std::size_t>(comma - 1)), squeezed), unit);
        const int factionEnd = PosFrom(comma, "),", text);
        int end = PosOr(factionEnd > 0 ? factionEnd : comma, ".", text, EndPosition(text));
        if (const int semicolon = PosFrom(comma, ";", text); semicolon > 0 && semicolon < end)
            end = semicolon;
        ParseUnitAttributes(Between(text, comma, end), unit);
    }
    const Labels labels = FindLabels(text);
    if (const int skills = labels.skills; skills > 0) {
        if (const int period = PosFrom(skills, ".", text); period > 0)
            ParseSkills(SqueezedView(Between(text, skills + 6, period), squeezed), unit);
    }
    if (const int spell = labels.spell; spell > 0) {
        if (const int period = PosFrom(spell, ".", text); period > 0)
            ParseCombatSpell(SqueezedView(Between(text, spell + 5, period), squeezed), unit);
    }
    if (const int study = labels.study; study > 0)
        ParseCanStudy(SqueezedView(Between(text, study + 5, PosOr(study, ";", text, EndPosition(text))), squeezed),
                      unit);
    if (const int semicolon = PosFrom(1, ";", text); semicolon > 0)
        unit.Description.assign(SqueezedView(From(text, semicolon + 1).substr(0, kMaxDescription), squeezed));

    if ((code == kCodeInnerUnitStar || code == kCodeInnerUnitDash) && structure > 0)
        unit.Structure = structure;
    if (turn > 0)
        unit.Turn = turn;
    if (unit.Level < 0 || unit.X < 0 || unit.Y < 0) {
        ui_.Warning("Invalid hex coords loaded for unit: " + unit.Name.Str());
        return;
    }

    // Stored as a copy, with its lists just as long as they need to be.
    target_.Map.AddSeenUnit(cell, std::make_unique<TUnit>(scratch_), target_.Settings.FactionNo, target_.Factions,
                            target_.SkillList);
}

void UnitLineParser::ParseUnitName(std::string_view text, TUnit& unit) const
{
    const int open = PosFrom(1, "(", text);
    if (open == 0)
        return;
    unit.Name.assign(TrimmedView(text.substr(0, static_cast<std::size_t>(open - 1))));
    if (const int close = PosFrom(open, ")", text); close > 0)
        unit.Number = NumberIn(Between(text, open, close));
}

void UnitLineParser::ParseUnitAttributes(std::string_view attributes, TUnit& unit)
{
    const std::string_view text = TrimmedView(attributes);
    int start = 1;
    if (const int factionEnd = PosFrom(1, "),", text); factionEnd > 0) {
        const int open = LastPosWithin(factionEnd, "(", text);
        unit.SetFaction(NumberIn(Between(text, open, factionEnd)), target_.Factions);
        if (unit.Faction >= 0)
            unit.LastFaction = unit.Faction;
        // Flags may stand before the faction ("on guard, The Guardsmen (1), ..."): only flags
        // there, and not in the last piece, which is the faction's own name.
        const std::string_view beforeFaction = Between(text, 0, open);
        const auto lastComma = beforeFaction.rfind(',');
        if (lastComma != std::string_view::npos) {
            ForEachPiece(beforeFaction.substr(0, lastComma), ",", [&](std::string_view piece) {
                std::uint32_t flag = 0;
                if (FlagTest(piece, flag))
                    unit.SetFlag(flag, true);
            });
        }
        start = factionEnd + 2;
    }
    if (unit.Faction < 0 && unit.EffectiveFaction(target_.Map.UnitFileList) == target_.Settings.FactionNo)
        unit.LastFaction = -1;

    ForEachPiece(From(text, start), ",", [&](std::string_view raw) {
        const std::string_view piece = TrimmedView(raw);
        std::uint32_t flag = 0;
        if (FlagTest(piece, flag))
            unit.SetFlag(flag, true);
        else if (Has(piece, "["))
            ReadEntry(piece, unit);
    });
}

void UnitLineParser::ReadEntry(std::string_view piece, TUnit& unit)
{
    const int space = PosFrom(1, " ", piece);
    std::int32_t count = StrToIntLenient(space > 0 ? piece.substr(0, static_cast<std::size_t>(space - 1)) : piece);
    int nameStart = space + 1;
    if (count == 0) {
        count = 1;
        nameStart = 1;
    }
    const int open = PosFrom(1, "[", piece);
    const std::string_view name = TrimmedView(Between(piece, nameStart - 1, open - 1));
    const std::string_view code = Between(piece, open, PosOr(open, "]", piece, EndPosition(piece)));
    const bool silver = TrimmedView(code) == "SILV";

    TKeyStringList& troops = target_.TroopList;
    TKeyStringList& equipment = target_.EquipmentList;
    const std::string_view singular = count == 1 ? name : std::string_view();
    const std::string_view plural = count == 1 ? std::string_view() : name;
    int troop = silver ? -1 : troops.IndexOfKey(code);
    bool men = troop >= 0;
    if (!silver && !men && equipment.IndexOfKey(code) < 0)
        men = ui_.Identify(std::string(name) + " [" + std::string(code) + "]");  // asked once: the answer joins a list
    if (men) {
        if (troop < 0)
            troop = troops.AddKey(code, singular, plural);
        unit.AddTroops({troop, count});
    } else if (silver) {
        unit.Silver = count;
    } else {
        unit.AddEquipment({equipment.AddKey(code, singular, plural), count});
    }
}

void UnitLineParser::ParseSkills(std::string_view text, TUnit& unit)
{
    ForEachPiece(text, ",", [&](std::string_view piece) {
        std::string name, code;
        int close = 0;
        if (!SkillNameAndCode(piece, name, code, close))
            return;
        const int index = target_.SkillList.AddKey(code, name, "");
        const int open = PosFrom(close, "(", piece);
        const int days = open > 0 ? NumberIn(Between(piece, open, PosOr(open, ")", piece, EndPosition(piece)))) : 0;
        unit.AddSkill({index, days});
    });
}

void UnitLineParser::ParseCombatSpell(std::string_view text, TUnit& unit) const
{
    const int open = PosFrom(1, "[", text);
    if (open == 0)
        return;
    unit.SetCombatSpellByKey(Between(text, open, PosOr(open, "]", text, EndPosition(text))), target_.SkillList);
}

void UnitLineParser::ParseCanStudy(std::string_view text, TUnit& unit)
{
    if (text.size() <= 1)
        return;
    ForEachPiece(text, ",", [&](std::string_view piece) {
        std::string name, code;
        int close = 0;
        if (SkillNameAndCode(piece, name, code, close))
            unit.AddCanStudy({target_.SkillList.AddKey(code, name, ""), 0});
    });
}

}  // namespace korvane
