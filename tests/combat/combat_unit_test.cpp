// How a unit line becomes men: armour and weapons best first, horses, fortification, the lines.
#include "combat/combat_troop_list.h"
#include "combat/combat_unit.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

using Values = std::vector<std::int64_t>;

// One figure of every man of the unit's front line.
template <typename F>
Values Front(const TCombatUnit& unit, F field, std::int32_t fortified = 0, bool horseTerrain = false)
{
    TCombatTroopList front, behind;
    unit.BuildTroops(front, behind, fortified, horseTerrain);
    Values values;
    for (const auto& man : front)
        values.push_back(field(man));
    return values;
}

const auto kArmour = [](const TCombatTroop& m) { return std::int64_t{m.Armour}; };
const auto kClass = [](const TCombatTroop& m) { return std::int64_t{m.WeaponClass}; };
const auto kSkill = [](const TCombatTroop& m) { return m.Skill; };
const auto kBonus = [](const TCombatTroop& m) { return m.DefenceBonus; };
const auto kId = [](const TCombatTroop& m) { return std::int64_t{m.UnitID}; };

TEST(CombatUnitTest, ArmourAndWeaponsGoBestFirstAndBowsOnlyToMenWithTheSkill)
{
    EXPECT_EQ(Front(TCombatUnit{.Quantity = 5, .ItemMARM = 2, .ItemCHAI = 5}, kArmour), (Values{3, 3, 1, 1, 1}));
    EXPECT_EQ(Front(TCombatUnit{.Quantity = 5, .ItemMARM = 1, .ItemPLAT = 1, .ItemCHAI = 1}, kArmour),
              (Values{3, 2, 1, 0, 0}));

    TCombatUnit unit{.Quantity = 7, .SkillCOMB = 1, .SkillLBOW = 2, .SkillXBOW = 3};
    unit.ItemMSWO = unit.ItemSWOR = unit.ItemLBOW = unit.ItemXBOW = unit.ItemDBOW = 1;
    EXPECT_EQ(Front(unit, kClass), (Values{4, 3, 2, 1, 1, 1, 1}));
    EXPECT_EQ(Front(unit, kSkill), (Values{4, 2, 3, 5, 3, 1, 1}));

    // Without the longbow skill the bows stay unused and the men fight with what is left.
    const TCombatUnit archers{.Quantity = 10, .SkillCOMB = 1, .ItemSWOR = 2, .ItemLBOW = 4, .ItemDBOW = 4};
    EXPECT_EQ(Front(archers, kClass), Values(10, 1));
    EXPECT_EQ(Front(archers, kSkill), (Values{3, 3, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(CombatUnitTest, HorsesCountOnlyOnHorseTerrainAndAtMostTwoAndFortsGiveTwoDefence)
{
    const TCombatUnit riders{.Quantity = 3, .SkillCOMB = 1, .SkillRIDI = 5, .ItemHORS = 2};
    EXPECT_EQ(Front(riders, kSkill), (Values{1, 1, 1}));
    EXPECT_EQ(Front(riders, kSkill, 0, true), (Values{3, 3, 1}));
    EXPECT_EQ(Front(riders, kBonus, 0, true), (Values{0, 0, 0}));

    // A mounted archer is harder to hit, not a better shot.
    TCombatUnit archers = riders;
    archers.SkillLBOW = 2, archers.ItemLBOW = 3, archers.SkillRIDI = 1;
    EXPECT_EQ(Front(archers, kSkill, 0, true), (Values{2, 2, 2}));
    EXPECT_EQ(Front(archers, kBonus, 0, true), (Values{1, 1, 0}));

    // Any fortification gives every man two defence.
    const TCombatUnit unit{.Quantity = 3, .SkillXBOW = 1, .SkillRIDI = 2, .ItemXBOW = 3, .ItemHORS = 3};
    EXPECT_EQ(Front(unit, kBonus, 0), (Values{0, 0, 0}));
    EXPECT_EQ(Front(unit, kBonus, 1), (Values{2, 2, 2}));
    EXPECT_EQ(Front(unit, kBonus, 1250, true), (Values{4, 4, 4}));
}

TEST(CombatUnitTest, FiguresAtTheEndsOfTheirRangeAddUpWithoutWrappingRound)
{
    constexpr std::int64_t kMax = INT32_MAX, kMin = INT32_MIN;
    auto unit = [](std::int32_t combat, std::int32_t longbow, std::int32_t riding) {
        TCombatUnit u{.Quantity = 1, .ItemMSWO = 1, .ItemDBOW = 1, .ItemHORS = 1};
        u.SkillCOMB = combat, u.SkillLBOW = longbow, u.SkillRIDI = riding;
        return u;
    };
    struct Row
    {
        const char* name;
        TCombatUnit unit;
        std::int32_t fortified;
        Values skillBonusMeleeBows;
    };
    const Row table[] = {
        {"mithril sword, horse and fort", unit(INT32_MAX, 0, 2), 1, {kMax + 6, 2, kMax + 8, 4}},
        {"double bow, lowest riding", unit(0, INT32_MAX, INT32_MIN), 1, {kMax + 2, kMin + 2, kMin + 2, kMin + 4}},
        {"lowest sword, lowest riding", unit(INT32_MIN, 0, INT32_MIN), 0, {kMin + 4 + kMin, 0, kMin + 4 + kMin, 2}},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        TCombatTroopList front, behind;
        row.unit.BuildTroops(front, behind, row.fortified, true);
        ASSERT_EQ(front.Count(), 1);
        const TCombatTroop& m = *front.TroopAt(0);
        EXPECT_EQ((Values{m.Skill, m.DefenceBonus, m.DefenceAgainst(kMelee), m.DefenceAgainst(kLongbow)}),
                  row.skillBonusMeleeBows);
    }
}

TEST(CombatUnitTest, MenTakeTheUnitsFiguresAndStandInItsLine)
{
    TCombatUnit unit{.UnitID = 417, .Quantity = 2, .Behind = true, .Hits = 3, .Attacks = 2};
    TCombatTroopList front, behind;
    unit.BuildTroops(front, behind, 0, false);
    EXPECT_EQ(front.Count(), 0);
    ASSERT_EQ(behind.Count(), 2);
    const TCombatTroop& man = *behind.TroopAt(1);
    EXPECT_EQ(std::tuple(man.UnitID, man.Hits, man.HitsLeft, man.Attacks, man.AttacksLeft),
              std::tuple(417, 3, 3, 2, 2));
    for (const int quantity : {0, -4}) {
        unit.Quantity = quantity;
        TCombatTroopList none;
        unit.BuildTroops(front, none, 0, false);
        EXPECT_EQ(none.Count(), 0) << quantity;
    }
}

TEST(CombatTroopListTest, MovesKeepTheRulesOfOrder)
{
    TCombatTroopList list, resting;
    for (int i = 0; i < 5; ++i)
        list.Add(TCombatTroop{.UnitID = i, .WeaponClass = i % 2 == 0 ? kCrossbow : kMelee});
    auto ids = [](const TCombatTroopList& l) {
        Values values;
        for (const auto& man : l)
            values.push_back(kId(man));
        return values;
    };
    list.MoveCrossbowmen(resting, false);
    EXPECT_EQ(resting.Count(), 0);
    list.MoveCrossbowmen(resting, true);
    EXPECT_EQ(ids(resting), (Values{0, 2, 4}));
    EXPECT_EQ(ids(list), (Values{1, 3}));

    resting.MoveAll(list);
    EXPECT_EQ(ids(list), (Values{1, 3, 4, 2, 0})) << "taken from the last to the first";
    EXPECT_EQ(resting.Count(), 0);

    list.MoveTroop(5, resting);
    list.MoveTroop(-1, resting);
    EXPECT_EQ(list.Count(), 5);
    EXPECT_EQ(list.TroopAt(5), nullptr);
    list.MoveTroop(1, resting);
    EXPECT_EQ(ids(resting), (Values{3}));
    EXPECT_EQ(list.Count(), 4);
}

}  // namespace
}  // namespace korvane
