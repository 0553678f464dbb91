// The unit summary's counts for the player's faction.
#include "core/key_string_list.h"
#include "people/unit_summary.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

#include <array>
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

// The counts themselves are checked through the summary window; here what the window cannot
// show apart: which skill each row counts, and whose units count at all.
TEST_F(UnitSummaryTest, RowsCountTheirOwnSkillForThePlayersFactionOnly)
{
    Learn(Add(1, 3, "LEAD", 2, 300), "XBOW", 450);  // level 5
    TUnit& soldiers = Add(2, 3, "VIKI", 10, 50);
    Learn(soldiers, "LBOW", 30);
    Learn(soldiers, "FORC", 90);  // not a skill the summary shows
    Learn(Add(4, 12, "VIKI", 40, 999), "COMB", 200);
    Learn(Add(5, 0, "VIKI", 7, 100), "COMB", 180);

    const UnitSummary summary = SummariseUnits(units, 3, skills, troops);
    ASSERT_TRUE(summary.Forces && summary.Silver);
    EXPECT_EQ(*summary.Silver, 350);
    using Row = std::array<std::string, 5>;
    const Row none{"0 / 0", "0 / 0", "0 / 0", "0 / 0", "0 / 0"};
    EXPECT_EQ(summary.SkillMen[0], none) << "COMB: other factions' men are not counted";
    EXPECT_EQ(summary.SkillMen[1], (Row{"0 / 10", "0 / 0", "0 / 0", "0 / 0", "0 / 0"})) << "LBOW";
    EXPECT_EQ(summary.SkillMen[2], (Row{"0 / 0", "0 / 0", "0 / 0", "0 / 0", "2 / 0"})) << "XBOW";

    // Faction 0 is no player's: units and silver stay empty, while the skill grid counts the
    // units whose faction number is 0, as a file may hold them.
    const UnitSummary noFaction = SummariseUnits(units, 0, skills, troops);
    EXPECT_FALSE(noFaction.Forces || noFaction.Silver);
    EXPECT_EQ(noFaction.SkillMen[0][2], "0 / 7");
}

}  // namespace
}  // namespace korvane
