// One unit line of a side of a battle, as the player typed it, and the men it fields.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

class TCombatTroopList;

class TCombatUnit
{
public:
    std::int32_t UnitID = -1;
    std::string Description;
    std::int32_t Quantity = 0;
    bool Behind = false;
    std::int32_t SkillCOMB = 0;
    std::int32_t SkillLBOW = 0;
    std::int32_t SkillXBOW = 0;
    std::int32_t SkillRIDI = 0;
    std::int32_t SkillHEAL = 0;  // kept and saved; heals no one in a battle
    std::int32_t ItemMSWO = 0;
    std::int32_t ItemSWOR = 0;
    std::int32_t ItemLBOW = 0;
    std::int32_t ItemXBOW = 0;
    std::int32_t ItemDBOW = 0;
    std::int32_t ItemMARM = 0;
    std::int32_t ItemPLAT = 0;
    std::int32_t ItemCHAI = 0;
    std::int32_t ItemHORS = 0;
    std::int32_t ItemHERB = 0;  // kept and saved; heals no one in a battle
    std::int32_t Hits = 1;
    std::int32_t Attacks = 1;

    /// Adds one man per `Quantity` to `behind` when the unit is `Behind`, else to `front`,
    /// handing out the unit's armour best first and its weapons best first (a bow only to a
    /// man with its skill). Horses count only on `horseTerrain`; a `fortified` capacity above
    /// 0 gives every man +2 defence.
    void BuildTroops(TCombatTroopList& front, TCombatTroopList& behind, std::int32_t fortified,
                     bool horseTerrain) const;

    /// The unit as one line of a battle file: 21 fields separated by ",".
    std::string ToLine() const;
    /// Fills the unit from a line ToLine wrote, field by field as far as the line goes;
    /// returns the number of fields the line holds (21 when it is whole).
    int FromLine(std::string_view line);
};

}  // namespace korvane
