#include "workspace/player_order_vocabulary.h"

#include "workspace/workspace.h"

namespace korvane {

OrderVocabulary PlayerOrderVocabulary(const Workspace& workspace)
{
    OrderVocabulary vocabulary = OrderVocabulary::Standard();
    vocabulary.AddKeywordLists(workspace.SkillList, workspace.TroopList, workspace.EquipmentList);
    return vocabulary;
}

}  // namespace korvane
