// The order vocabulary kept for the windows follows the keyword lists an import changes.
#include "windows/order_vocabulary_cache.h"

#include "support/temp_dir.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(OrderVocabularyCache, IsBuiltAgainOnlyWhenTheKeywordListsChanged)
{
    testing::TempDir home;
    Workspace ws(home.Path());
    OrderVocabularyCache cache;
    const OrderVocabulary& first = cache.For(ws);
    EXPECT_FALSE(first.IsSkill("zorping"));
    // A new skill, then a new name for it without the list growing.
    ws.SkillList.AddKey("ZORP", "zorping", "");
    EXPECT_TRUE(cache.For(ws).IsSkill("zorping"));
    ws.SkillList.AddKey("ZORP", "zapping", "");
    EXPECT_TRUE(cache.For(ws).IsSkill("zapping"));
    ws.EquipmentList.AddKey("GLOB", "glob", "globs");
    EXPECT_TRUE(cache.For(ws).IsItem("globs"));
    EXPECT_EQ(&cache.For(ws), &first) << "one vocabulary, which the windows keep a reference to";
}

}  // namespace
}  // namespace korvane
