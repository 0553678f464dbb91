// One unit line of a side of a battle and the men it fields.
#include "combat/combat_unit.h"

#include "combat/combat_troop.h"
#include "combat/combat_troop_list.h"
#include "core/text_helpers.h"

namespace korvane {

namespace {

// Takes one piece from a working count; false when none is left.
bool TakeOne(std::int32_t& left)
{
    if (left <= 0)
        return false;
    --left;
    return true;
}

}  // namespace

void TCombatUnit::BuildTroops(TCombatTroopList& front, TCombatTroopList& behind, std::int32_t fortified,
                              bool horseTerrain) const
{
    std::int32_t mithrilArmour = ItemMARM, plate = ItemPLAT, chain = ItemCHAI;
    std::int32_t mithrilSwords = ItemMSWO, swords = ItemSWOR;
    std::int32_t longbows = ItemLBOW, crossbows = ItemXBOW, doubleBows = ItemDBOW, horses = ItemHORS;
    TCombatTroopList& line = Behind ? behind : front;

    for (std::int32_t i = 0; i < Quantity; ++i) {
        TCombatTroop man;
        man.UnitID = UnitID;
        man.Attacks = man.AttacksLeft = Attacks;
        man.Hits = man.HitsLeft = Hits;

        if (TakeOne(mithrilArmour))
            man.Armour = kMithrilArmour;
        else if (TakeOne(plate))
            man.Armour = kPlateArmour;
        else if (TakeOne(chain))
            man.Armour = kChainArmour;

        // A bow is handed only to a man who can shoot it; the piece stays for the next man.
        // Skills add up in 64 bits: a figure typed near the top of its range stays that high.
        if (SkillLBOW > 0 && TakeOne(doubleBows)) {
            man.WeaponClass = kDoubleBow;
            man.Skill = std::int64_t{SkillLBOW} + 2;
        } else if (SkillLBOW > 0 && TakeOne(longbows)) {
            man.WeaponClass = kLongbow;
            man.Skill = SkillLBOW;
        } else if (SkillXBOW > 0 && TakeOne(crossbows)) {
            man.WeaponClass = kCrossbow;
            man.Skill = SkillXBOW;
        } else if (TakeOne(mithrilSwords)) {
            man.WeaponClass = kMelee;
            man.Skill = std::int64_t{SkillCOMB} + 4;
        } else if (TakeOne(swords)) {
            man.WeaponClass = kMelee;
            man.Skill = std::int64_t{SkillCOMB} + 2;
        } else {
            man.WeaponClass = kMelee;
            man.Skill = SkillCOMB;
        }

        if (horseTerrain && TakeOne(horses)) {
            // A rider strikes harder in melee; a shooter on horseback is only harder to hit.
            const std::int32_t bonus = MinInt(SkillRIDI, 2);
            if (man.WeaponClass == kMelee)
                man.Skill += bonus;
            else
                man.DefenceBonus += bonus;
        }

        if (fortified > 0)
            man.DefenceBonus += 2;

        line.Add(man);
    }
}

}  // namespace korvane
