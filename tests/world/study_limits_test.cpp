// The races' study limits: read from the reports' race paragraphs, kept in their file.
#include "core/settings.h"
#include "world/map.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using Race = TStudyLimits::Race;

TEST(StudyLimits, ParagraphsOfTheReportsTheLimitsAndTheirFile)
{
    // As the import joins a wrapped paragraph: its lines' indents kept; the race found by any case.
    TStudyLimits limits;
    EXPECT_TRUE(limits.ReadParagraph(
        "barbarian [BARB], weight 10, walking capacity 5, moves 2 hexes per   month. This race may study mining "
        "[MINI], hunting [HUNT],   weaponsmith [WEAP] and combat [COMB] to level 3 and all other skills   to level "
        "2."));
    ASSERT_EQ(limits.Count(), 1);
    ASSERT_NE(limits.Find("barb"), nullptr);
    EXPECT_EQ(*limits.Find("barb"), (Race{2, {{"MINI", 3}, {"HUNT", 3}, {"WEAP", 3}, {"COMB", 3}}}));
    // Not a race's limits, the other skills unsaid, no level, skills without codes, and no race named.
    for (const char* refused :
         {"silver [SILV], weight 0. This is the currency of Atlantis.",
          "elf [ELF], weight 10. This race may study combat [COMB] to level 4.",
          "elf [ELF], weight 10. This race may study all skills to level x.",
          "elf [ELF], weight 10. This race may study combat and riding to level 3 and all other skills to level 2.",
          "This race may study all skills to level 5."}) {
        limits = TStudyLimits();
        EXPECT_FALSE(limits.ReadParagraph(refused)) << refused;
        EXPECT_EQ(limits.Count(), 0) << refused;
    }

    limits.Set("BARB", {2, {{"MINI", 3}, {"COMB", 3}}});
    limits.Set(" lead ", {5, {}});
    for (auto [race, skill, level] : {std::tuple{"barb", "comb", 3}, {"BARB", " FORC", 2}, {"LEAD", "COMB", 5}})
        EXPECT_EQ(limits.Limit(race, skill), level) << race << skill;
    EXPECT_EQ(limits.Limit("VIKI", "COMB"), std::nullopt);

    testing::TempDir dir, empty;
    TMap map, loaded;
    const TrecINI names(dir.File("ATLANTIS.INI"));
    map.StudyLimits = limits;
    ASSERT_TRUE(map.StudyLimitsWrite(dir.Path()).Write());
    EXPECT_EQ(dir.Read(kStudyLimitsFile), "BARB 2 COMB 3 MINI 3\r\nlead 5\r\n");
    loaded.LoadReferenceLists(dir.Path(), names);
    EXPECT_EQ(loaded.StudyLimits, limits);

    dir.Write(kStudyLimitsFile,
              "ORC 1 COMB\r\nGNOM two\nVIKI 2  SAIL 3\rVIKI 2 COMB 3 SAIL x\n\nTMAN\r\nLEAD 5 COMB 6");
    loaded.LoadReferenceLists(dir.Path(), names);
    EXPECT_EQ(loaded.StudyLimits.Count(), 2) << "damaged lines are passed over";
    EXPECT_EQ(std::tuple(loaded.StudyLimits.Limit("VIKI", "SAIL"), loaded.StudyLimits.Limit("LEAD", "COMB")),
              std::tuple(3, 6));
    EXPECT_TRUE(loaded.UnreadReferenceFiles.empty());

    loaded.LoadReferenceLists(empty.Path(), names);
    EXPECT_TRUE(loaded.StudyLimits.Empty()) << "a missing file empties the table";
}

}  // namespace
}  // namespace korvane
