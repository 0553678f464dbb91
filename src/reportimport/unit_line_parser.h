// Unit lines of a turn report: "* Name (12), Faction (3), flags, 4 vikings [VIKI], ...".
#pragma once

#include "people/unit.h"
#include "reportimport/import_target.h"

#include <string>
#include <string_view>

namespace korvane {

class TMapCell;
class UserInteraction;

class UnitLineParser
{
public:
    UnitLineParser(const ImportTarget& target, UserInteraction& ui);

    /// Reads a unit line (codes 18 to 21) of the region `cell` and stores the unit in the cell and
    /// its latest record in the map's unit list. `structure` is the structure listed last (-1 none).
    void ParseUnitLine(TMapCell& cell, int structure, int code, int turn, std::string_view line);

    /// "Name (12)": the name and the number.
    void ParseUnitName(std::string_view text, TUnit& unit) const;
    /// Faction, flags, men, items and silver.
    void ParseUnitAttributes(std::string_view text, TUnit& unit);
    void ParseSkills(std::string_view text, TUnit& unit);
    void ParseCombatSpell(std::string_view text, TUnit& unit) const;
    void ParseCanStudy(std::string_view text, TUnit& unit);

private:
    void ReadEntry(std::string_view piece, TUnit& unit);

    ImportTarget target_;
    UserInteraction& ui_;
    TUnit scratch_;  // each line is read into it, so its texts and lists keep their room
    std::string squeezed_;  // a piece of the line with its runs of spaces squeezed
};

}  // namespace korvane
