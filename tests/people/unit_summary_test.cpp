// The unit summary's counts for the player's faction.
#include "core/key_string_list.h"
#include "people/unit_summary.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace korvane {
namespace {

class UnitSummaryTest : public ::testing::Test
{
protected:
    UnitSummaryTest()
    {
        AddRaceTable(troops);
        for (const char* key : {"COMB", "LBOW", "XBOW", "FORC"})
            skills.AddKey(key, key, "");
    }

    TUnit& Add(int number, int faction, const char* race, int men, int silver)
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Silver) = std::tuple(number, faction, silver);
        unit->AddTroops({troops.IndexOfKey(race), men});
        return *units.Add(std::move(unit));
    }

    void Learn(TUnit& unit, const char* skill, int days) { unit.AddSkill({skills.IndexOfKey(skill), days}); }

    TKeyStringList troops, skills;
    TUnitList units;
};

TEST_F(UnitSummaryTest, CountsThePlayersUnitsMenSilverAndSkillLevels)
{
    TUnit& hero = Add(1, 3, "LEAD", 2, 300);
    Learn(hero, "COMB", 180);  // level 3
    Learn(hero, "XBOW", 450);  // level 5
    TUnit& soldiers = Add(2, 3, "VIKI", 10, 50);
    Learn(soldiers, "COMB", 299);  // still level 3
    Learn(soldiers, "LBOW", 30);
    Learn(soldiers, "FORC", 90);  // not a skill the summary shows
    Add(3, 3, "VIKI", 1, 0);      // untrained: counted, but at level 0
    TUnit& stranger = Add(4, 12, "VIKI", 40, 999);
    Learn(stranger, "COMB", 200);

    const UnitSummary summary = SummariseUnits(units, 3, skills, troops);
    ASSERT_TRUE(summary.Forces && summary.Silver);
    EXPECT_EQ(std::tuple(summary.Forces->LeaderUnits, summary.Forces->LeaderMen, summary.Forces->OtherUnits,
                         summary.Forces->OtherMen),
              std::tuple(1, 2, 2, 11));
    EXPECT_EQ(*summary.Silver, 350);

    using Row = std::array<std::string, 5>;
    EXPECT_EQ(summary.SkillMen[0], (Row{"0 / 0", "0 / 0", "2 / 10", "0 / 0", "0 / 0"})) << "COMB";
    EXPECT_EQ(summary.SkillMen[1], (Row{"0 / 10", "0 / 0", "0 / 0", "0 / 0", "0 / 0"})) << "LBOW";
    EXPECT_EQ(summary.SkillMen[2], (Row{"0 / 0", "0 / 0", "0 / 0", "0 / 0", "2 / 0"})) << "XBOW";

    // A faction with no units here: zeros, not empty cells.
    const UnitSummary none = SummariseUnits(units, 7, skills, troops);
    ASSERT_TRUE(none.Forces && none.Silver);
    EXPECT_EQ(none.Forces->LeaderUnits + none.Forces->OtherUnits, 0);
    EXPECT_EQ(*none.Silver, 0);
}

TEST_F(UnitSummaryTest, WithoutAFactionOfTheirOwnOnlyTheSkillGridIsCounted)
{
    // Faction 0 is no player's: units and silver stay empty, while the skill grid counts the
    // units whose faction number is 0, as a file may hold them.
    Learn(Add(1, 0, "VIKI", 10, 100), "COMB", 180);
    Learn(Add(2, 3, "VIKI", 5, 100), "COMB", 180);
    const UnitSummary summary = SummariseUnits(units, 0, skills, troops);
    EXPECT_FALSE(summary.Forces);
    EXPECT_FALSE(summary.Silver);
    EXPECT_EQ(summary.SkillMen[0][2], "0 / 10");
}

}  // namespace
}  // namespace korvane
