// A combat unit as one line of a battle file.
#include "combat/combat_unit.h"

#include "core/text_helpers.h"

#include <array>

namespace korvane {

namespace {

/// The numbers after the first four fields, in the order of the line.
template <typename Unit>
auto LineNumbers(Unit& unit)
{
    return std::array{&unit.SkillCOMB, &unit.SkillLBOW, &unit.SkillXBOW, &unit.SkillRIDI, &unit.SkillHEAL,
                      &unit.ItemMSWO,  &unit.ItemSWOR,  &unit.ItemLBOW,  &unit.ItemXBOW,  &unit.ItemDBOW,
                      &unit.ItemMARM,  &unit.ItemPLAT,  &unit.ItemCHAI,  &unit.ItemHORS,  &unit.ItemHERB,
                      &unit.Hits,      &unit.Attacks};
}

/// A description that cannot break its line: a comma would split it into two fields and a
/// line end would split the file's line.
std::string LineSafeDescription(std::string_view description)
{
    std::string safe;
    for (char c : TrimmedView(description)) {
        if (c != ',' && c != '\r' && c != '\n')
            safe += c;
    }
    return TrimSpaces(safe);
}

}  // namespace

std::string TCombatUnit::ToLine() const
{
    std::string line = IntToStr(UnitID);
    line += ',';
    line += LineSafeDescription(Description);
    line += ',';
    line += IntToStr(Quantity);
    line += Behind ? ",Y" : ",N";
    for (const std::int32_t* number : LineNumbers(*this)) {
        line += ',';
        line += IntToStr(*number);
    }
    return line;
}

int TCombatUnit::FromLine(std::string_view line)
{
    int field = 0;
    const auto numbers = LineNumbers(*this);
    ForEachPiece(line, ",", [&](std::string_view piece) {
        ++field;
        if (field == 1)
            UnitID = StrToIntLenient(piece);
        else if (field == 2)
            Description = TrimSpaces(piece);
        else if (field == 3)
            Quantity = StrToIntLenient(piece);
        else if (field == 4)
            Behind = UpperCase(TrimmedView(piece)) == "Y";
        else if (field - 5 < static_cast<int>(numbers.size()))
            *numbers[static_cast<std::size_t>(field - 5)] = StrToIntLenient(piece);
    });
    return field;
}

}  // namespace korvane
