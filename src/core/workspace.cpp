// The process-wide state.
#include "core/workspace.h"

#include "core/program_dir.h"
#include "world/vocabulary.h"

namespace korvane {

Workspace::Workspace(const std::string& programDir)
    : Settings(SettingsFileIn(programDir))
{
}

void Workspace::LoadKeywordLists()
{
    SkillList.Clear();
    TroopList.Clear();
    EquipmentList.Clear();
    SkillList.LoadFromFile(Settings.DataPath(Settings.SkillsFile));
    TroopList.LoadFromFile(Settings.DataPath(Settings.TroopsFile));
    AddRaceTable(TroopList);
    EquipmentList.LoadFromFile(Settings.DataPath(Settings.EquipmentFile));
}

bool Workspace::SaveKeywordLists() const
{
    bool saved = SkillList.SaveToFile(Settings.DataPath(Settings.SkillsFile));
    saved = TroopList.SaveToFile(Settings.DataPath(Settings.TroopsFile)) && saved;
    return EquipmentList.SaveToFile(Settings.DataPath(Settings.EquipmentFile)) && saved;
}

}  // namespace korvane
