// The entries of a unit's lists: skills, men by race, and items, each pointing into a keyword list.
#pragma once

#include <cstdint>

namespace korvane {

struct TUnitSkill
{
    std::int32_t Index = -1;  // position in SkillList
    std::int32_t Days = 0;  // days of study; 0 for a skill the unit can study

    /// 0 below 30 days, then 1 from 30, 2 from 90, 3 from 180, 4 from 300, 5 from 450.
    int Level() const;
};

struct TUnitTroopGroup
{
    std::int32_t Index = -1;  // position in TroopList
    std::int32_t Count = 0;
};

struct TUnitEquip
{
    std::int32_t Index = -1;  // position in EquipmentList
    std::int32_t Count = 0;
};

/// Unit flag bits, as the report's words set them.
enum UnitFlag : std::uint32_t {
    kFlagAvoiding = 1,
    kFlagBehind = 2,
    kFlagRevealUnit = 4,
    kFlagRevealFaction = 8,
    kFlagGuard = 16,
    kFlagHolding = 64,
    kFlagNoAid = 128,
    kFlagTaxing = 256,
};

}  // namespace korvane
