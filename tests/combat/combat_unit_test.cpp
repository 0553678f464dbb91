// How a unit line becomes men: armour and weapons best first, horses, fortification, the lines.
#include "combat/combat_troop_list.h"
#include "combat/combat_unit.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvane {
namespace {

struct Built
{
    TCombatTroopList front;
    TCombatTroopList behind;
};

Built Build(const TCombatUnit& unit, std::int32_t fortified = 0, bool horseTerrain = false)
{
    Built built;
    unit.BuildTroops(built.front, built.behind, fortified, horseTerrain);
    return built;
}

using Values = std::vector<std::int64_t>;

template <typename F>
Values Each(const TCombatTroopList& list, F field)
{
    Values values;
    for (const auto& man : list)
        values.push_back(field(man));
    return values;
}

Values Armour(const TCombatTroopList& l)
{
    return Each(l, [](const auto& m) { return int(m.Armour); });
}
Values Classes(const TCombatTroopList& l)
{
    return Each(l, [](const auto& m) { return int(m.WeaponClass); });
}
Values Skills(const TCombatTroopList& l)
{
    return Each(l, [](const auto& m) { return m.Skill; });
}
Values Bonuses(const TCombatTroopList& l)
{
    return Each(l, [](const auto& m) { return m.DefenceBonus; });
}

TEST(CombatUnitTest, ArmourGoesBestFirstUntilItRunsOut)
{
    TCombatUnit unit;
    unit.Quantity = 5;
    unit.ItemMARM = 2;
    unit.ItemCHAI = 5;
    EXPECT_EQ(Armour(Build(unit).front), (Values{3, 3, 1, 1, 1}));

    unit.ItemMARM = 1;
    unit.ItemPLAT = 1;
    unit.ItemCHAI = 1;
    EXPECT_EQ(Armour(Build(unit).front), (Values{3, 2, 1, 0, 0}));
}

TEST(CombatUnitTest, WeaponsGoBestFirstAndBowsOnlyToMenWithTheSkill)
{
    TCombatUnit unit;
    unit.Quantity = 7;
    unit.SkillCOMB = 1;
    unit.SkillLBOW = 2;
    unit.SkillXBOW = 3;
    unit.ItemDBOW = 1;
    unit.ItemLBOW = 1;
    unit.ItemXBOW = 1;
    unit.ItemMSWO = 1;
    unit.ItemSWOR = 1;
    const Built built = Build(unit);
    EXPECT_EQ(Classes(built.front), (Values{4, 3, 2, 1, 1, 1, 1}));
    EXPECT_EQ(Skills(built.front), (Values{4, 2, 3, 5, 3, 1, 1}));

    // Without the longbow skill the bows stay unused and the men fight with what is left.
    TCombatUnit archers;
    archers.Quantity = 10;
    archers.SkillCOMB = 1;
    archers.ItemLBOW = 4;
    archers.ItemDBOW = 4;
    archers.ItemSWOR = 2;
    EXPECT_EQ(Classes(Build(archers).front), Values(10, 1));
    EXPECT_EQ(Skills(Build(archers).front), (Values{3, 3, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(CombatUnitTest, HorsesCountOnlyOnHorseTerrainAndAtMostTwo)
{
    TCombatUnit riders;
    riders.Quantity = 3;
    riders.SkillCOMB = 1;
    riders.SkillRIDI = 5;
    riders.ItemHORS = 2;
    EXPECT_EQ(Skills(Build(riders).front), (Values{1, 1, 1}));
    EXPECT_EQ(Skills(Build(riders, 0, true).front), (Values{3, 3, 1}));
    EXPECT_EQ(Bonuses(Build(riders, 0, true).front), (Values{0, 0, 0}));

    // A mounted archer is harder to hit, not a better shot.
    TCombatUnit archers = riders;
    archers.SkillLBOW = 2;
    archers.ItemLBOW = 3;
    archers.SkillRIDI = 1;
    const Built built = Build(archers, 0, true);
    EXPECT_EQ(Skills(built.front), (Values{2, 2, 2}));
    EXPECT_EQ(Bonuses(built.front), (Values{1, 1, 0}));
}

TEST(CombatUnitTest, AnyFortificationGivesEveryManTwoDefence)
{
    TCombatUnit unit;
    unit.Quantity = 3;
    unit.ItemHORS = 3;
    unit.SkillRIDI = 2;
    unit.SkillXBOW = 1;
    unit.ItemXBOW = 3;
    EXPECT_EQ(Bonuses(Build(unit, 0).front), (Values{0, 0, 0}));
    EXPECT_EQ(Bonuses(Build(unit, 1).front), (Values{2, 2, 2}));
    EXPECT_EQ(Bonuses(Build(unit, 1250, true).front), (Values{4, 4, 4}));
}

TEST(CombatUnitTest, FiguresAtTheEndsOfTheirRangeAddUpWithoutWrappingRound)
{
    constexpr std::int64_t kMax = INT32_MAX, kMin = INT32_MIN;
    auto unit = [](std::int32_t combat, std::int32_t longbow, std::int32_t riding) {
        TCombatUnit u;
        u.Quantity = 1;
        u.SkillCOMB = combat;
        u.SkillLBOW = longbow;
        u.SkillRIDI = riding;
        u.ItemMSWO = u.ItemDBOW = u.ItemHORS = 1;
        return u;
    };
    struct Row
    {
        const char* name;
        TCombatUnit unit;
        std::int32_t fortified;
        std::int64_t skill, bonus, againstMelee, againstBows;
    };
    const Row table[] = {
        {"mithril sword, horse and fort", unit(INT32_MAX, 0, 2), 1, kMax + 6, 2, kMax + 8, 4},
        {"double bow on a horse of the lowest riding", unit(0, INT32_MAX, INT32_MIN), 1, kMax + 2, kMin + 2, kMin + 2,
         kMin + 4},
        {"the lowest sword on a horse of the lowest riding", unit(INT32_MIN, 0, INT32_MIN), 0, kMin + 4 + kMin, 0,
         kMin + 4 + kMin, 2},
    };
    for (const Row& row : table) {
        SCOPED_TRACE(row.name);
        const Built built = Build(row.unit, row.fortified, true);
        ASSERT_EQ(built.front.Count(), 1);
        const TCombatTroop& man = *built.front.TroopAt(0);
        EXPECT_EQ(man.Skill, row.skill);
        EXPECT_EQ(man.DefenceBonus, row.bonus);
        EXPECT_EQ(man.DefenceAgainst(kMelee), row.againstMelee);
        EXPECT_EQ(man.DefenceAgainst(kLongbow), row.againstBows);
    }
}

TEST(CombatUnitTest, MenTakeTheUnitsFiguresAndStandInItsLine)
{
    TCombatUnit unit;
    unit.UnitID = 417;
    unit.Quantity = 2;
    unit.Hits = 3;
    unit.Attacks = 2;
    unit.Behind = true;
    const Built built = Build(unit);
    EXPECT_EQ(built.front.Count(), 0);
    ASSERT_EQ(built.behind.Count(), 2);
    const TCombatTroop& man = *built.behind.TroopAt(1);
    EXPECT_EQ(man.UnitID, 417);
    EXPECT_EQ(man.Hits, 3);
    EXPECT_EQ(man.HitsLeft, 3);
    EXPECT_EQ(man.Attacks, 2);
    EXPECT_EQ(man.AttacksLeft, 2);

    unit.Quantity = 0;
    EXPECT_EQ(Build(unit).behind.Count(), 0);
    unit.Quantity = -4;
    EXPECT_EQ(Build(unit).behind.Count(), 0);
}

TEST(CombatTroopListTest, MovesKeepTheRulesOfOrder)
{
    TCombatTroopList list;
    for (int i = 0; i < 5; ++i) {
        TCombatTroop man;
        man.UnitID = i;
        man.WeaponClass = i % 2 == 0 ? kCrossbow : kMelee;
        list.Add(man);
    }
    auto ids = [](const TCombatTroopList& l) { return Each(l, [](const auto& m) { return m.UnitID; }); };

    TCombatTroopList resting;
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
