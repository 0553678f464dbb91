// Unit lines: name, faction, flags, men, items, skills and where the unit is stored.
#include "reportimport/region_details.h"
#include "reportimport/unit_line_parser.h"
#include "workspace/workspace.h"

#include "support/record_builders.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::ScriptedInteraction;

class UnitLineParserTest : public ::testing::Test
{
protected:
    UnitLineParserTest()
        : ws(home.Path())
        , parser(ws.ForImport(), ui)
    {
        ws.Settings.FactionNo = 3;
        ws.Factions.Add(testing::NewFaction(3, "Red Riders"));
        ws.LoadKeywordLists();  // the race table
        ws.EquipmentList.AddKey("SWOR", "sword", "swords");
        cell = ws.Map.EnsureCell(0, 4, 6);
    }

    const TUnit& Parse(const char* line, int code = kCodeUnitStar, int structure = -1, int turn = 7)
    {
        parser.ParseUnitLine(*cell, structure, code, turn, line);
        return *cell->Units.Items(cell->Units.Count() - 1);
    }

    testing::TempDir home;
    Workspace ws;
    ScriptedInteraction ui;
    UnitLineParser parser;
    TMapCell* cell = nullptr;
};

TEST_F(UnitLineParserTest, OwnUnitsFlagsMenSilverSkillsAndSpellAndTheMapsOwnRecordOfIt)
{
    const TUnit& mage = Parse(
        "* Mage (9), Red Riders (3), leader [LEAD]. Skills: fire [FIRE] 2 (95), force [FORC] "
        "1 (30). Combat spell: fire [FIRE]. Can Study: earth lore [EART], spirit of  dead [SPIR]");
    ASSERT_EQ(std::tuple(mage.Skills.size(), mage.CanStudy.size()), std::tuple(2u, 2u));
    const TKeyStringList& skills = ws.SkillList;  // each by its full name
    EXPECT_EQ(std::tuple(mage.Skills[0].Days, mage.Skills[0].Level(), skills.SingularAt(mage.Skills[1].Index),
                         skills.KeyAt(mage.CombatSpell), skills.SingularAt(mage.CanStudy[0].Index),
                         skills.SingularAt(mage.CanStudy[1].Index)),
              std::tuple(95, 2, "force", "FIRE", "earth lore", "spirit of dead"));

    const TUnit& unit = Parse("* Red Scouts (81), Red Riders (3), avoiding, behind, won't cross water, 10 leaders "
                              "[LEAD], 150 silver [SILV]. Weight: 240. Skills: none.");
    EXPECT_EQ(std::tuple(unit.Name, unit.Number, unit.Faction, unit.LastFaction), std::tuple("Red Scouts", 81, 3, 3));
    ASSERT_EQ(unit.Troops.size(), 1u);
    EXPECT_EQ(std::tuple(unit.Flags, ws.TroopList.KeyAt(unit.Troops[0].Index), unit.Troops[0].Count, unit.Silver,
                         unit.Equipment.size(), unit.X, unit.Y, unit.Level, unit.Turn, ui.shown.size()),
              std::tuple(kFlagAvoiding | kFlagBehind, "LEAD", 10, 150, 0u, 4, 6, 0, 7, 0u));

    const TUnit* record = ws.Map.UnitFileList.Find(81);
    ASSERT_TRUE(record && record != &unit) << "the map keeps its own record";
    EXPECT_EQ(std::tuple(record->Seen, record->LastX, record->LastY), std::tuple(true, 4, 6));
}

TEST_F(UnitLineParserTest, OthersFlagsComeFirstAndStandBeforeTheFactionNamesHoldCommasAndBadHexesWarn)
{
    const TUnit& unit = Parse("- Watch (5), revealing faction, revealing unit, receiving no aid, holding, taxing, "
                              "2 guardian wolves [GWLF].",
                              kCodeUnitDash);
    EXPECT_EQ(unit.Flags, kFlagRevealFaction | kFlagRevealUnit | kFlagNoAid | kFlagHolding | kFlagTaxing | kFlagGuard)
        << "a piece naming guard counts as that flag, not as an entry";
    EXPECT_TRUE(unit.Troops.empty() && unit.Equipment.empty() && ui.shown.empty());

    ws.Factions.Add(testing::NewFaction(8, "The Vanguard"));
    const TUnit& vanguard = Parse("- Scout (6), holding, The Vanguard (8), revealing, 2 vikings [VIKI].",
                                  kCodeUnitDash);
    EXPECT_EQ(std::tuple(vanguard.Faction, vanguard.Flags, vanguard.MenCount()), std::tuple(8, kFlagHolding, 2))
        << "the faction's name is no flag; a bare revealing sets none";

    const TUnit& captain = Parse("- Captain Red, the Bold (74), Red Riders (3), leader [LEAD]; Leader of  the  Red, "
                                 "rides at dawn..",
                                 kCodeUnitDash);
    EXPECT_EQ(std::tuple(captain.Name, captain.Number, captain.MenCount(), captain.Description),
              std::tuple("Captain Red, the Bold", 74, 1, "Leader of the Red, rides at dawn.."));

    EXPECT_EQ(Parse("  * Builders (80), Red Riders (3), 6 vikings [VIKI].", kCodeInnerUnitStar, 3).Structure, 3);
    EXPECT_EQ(Parse("* Walkers (82), Red Riders (3), 6 vikings [VIKI].", kCodeUnitStar, 3).Structure, 0);

    EXPECT_EQ(Parse("- Strangers (90), Blue Traders (4), 2 vikings [VIKI].", kCodeUnitDash).Faction, -1)
        << "factions the registry does not know stay unknown";
    const TUnit& hidden = Parse("- Hidden (91), 2 vikings [VIKI].", kCodeUnitDash);
    EXPECT_EQ(std::tuple(hidden.Faction, hidden.MenCount()), std::tuple(-1, 2));

    TMapCell loose;  // a cell never placed on the grid
    parser.ParseUnitLine(loose, -1, kCodeUnitDash, 7, "- Lost (92), 1 viking [VIKI].");
    EXPECT_EQ(ui.Texts(ScriptedInteraction::Kind::Warning),
              std::vector<std::string>{"Invalid hex coords loaded for unit: Lost"});
    EXPECT_EQ(ws.Map.UnitFileList.Find(92), nullptr);
}

}  // namespace
}  // namespace korvane
