// The faction window's list line, and its number read back.
#include "people/faction_line.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

TFaction Faction(std::int32_t number, std::string name, std::string email = {})
{
    TFaction faction;
    faction.Number = number;
    faction.Name = std::move(name);
    faction.EMail = std::move(email);
    return faction;
}

TEST(FactionLine, LinesUpNumberNameAndAddress)
{
    EXPECT_EQ(FactionLine(Faction(7, "Red Hand")), "7    Red Hand" + std::string(17, ' ') + "  ");
    EXPECT_EQ(FactionLine(Faction(12, "The Very Long Faction Name Of Doom", "  a@b.org ")),
              "12   The Very Long Faction Nam  a@b.org");
    // A long number is never cut; the name just moves along.
    EXPECT_EQ(FactionLine(Faction(12345, "X")), "12345 X" + std::string(24, ' ') + "  ");
}

TEST(FactionLine, NumberReadsBackWholeHoweverLong)
{
    for (const std::int32_t number : {1, 7, 999, 1000, 12345, 123456}) {
        const std::string line = FactionLine(Faction(number, "2nd Legion", "9@x"));
        EXPECT_EQ(FactionLineNumber(line), number) << line;
    }
    EXPECT_EQ(FactionLineNumber(FactionLine(Faction(0, "Nobody"))), 0);
}

TEST(FactionLine, UnicodeNamesAreMeasuredInCharactersAndNeverSplit)
{
    // "Ælfred's Host" is 13 letters and 14 bytes: padded to 25 letters it lines up with the rest.
    const std::string aelfred = "\xC3\x86lfred's Host";
    EXPECT_EQ(FactionLine(Faction(3, aelfred)), "3    " + aelfred + std::string(12, ' ') + "  ");

    // 24 plain letters and then "é": the 25th letter is two bytes and stays whole.
    const std::string name = std::string(24, 'a') + "\xC3\xA9" + "bc";
    EXPECT_EQ(FactionLine(Faction(3, name)), "3    " + std::string(24, 'a') + "\xC3\xA9" + "  ");

    // An 8-bit name (not UTF-8) is one character per byte, cut as such.
    const std::string latin1 = std::string(24, 'b') + "\xE9\xE9";
    EXPECT_EQ(FactionLine(Faction(3, latin1)), "3    " + std::string(24, 'b') + "\xE9" + "  ");
    // Bytes that only look like the start of a character ("\xE0\x80" is an overlong form).
    const std::string overlong = std::string(23, 'c') + "\xE0\x80\x80x";
    EXPECT_EQ(FactionLine(Faction(3, overlong)), "3    " + std::string(23, 'c') + "\xE0\x80" + "  ");
}

}  // namespace
}  // namespace korvane
