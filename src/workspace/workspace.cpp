// The process-wide state, and how its parts are handed to the layers below.
#include "workspace/workspace.h"

#include "core/program_dir.h"
#include "reportimport/report_reader.h"
#include "storage/keyword_files.h"
#include "storage/turn_stepping.h"

namespace korvane {

Workspace::Workspace(const std::string& programDir)
    : Settings(SettingsFileIn(programDir))
{
}

void Workspace::LoadKeywordLists()
{
    korvane::LoadKeywordLists(Settings, SkillList, TroopList, EquipmentList);
}

bool Workspace::SaveKeywordLists() const
{
    return korvane::SaveKeywordLists(Settings, SkillList, TroopList, EquipmentList);
}

void Workspace::StepToTurn(int turn, UserInteraction& ui)
{
    korvane::StepToTurn(Map, Settings, Factions, SkillList, turn, ui);
}

ImportTarget Workspace::ForImport()
{
    return {Map, Settings, Factions, SkillList, TroopList, EquipmentList};
}

bool ImportTurnReport(Workspace& workspace, const std::string& fileName, UserInteraction& ui)
{
    return ImportTurnReport(workspace.ForImport(), fileName, ui);
}

}  // namespace korvane
