// The process-wide state, and how its parts are handed to the layers below.
#include "workspace/workspace.h"

#include "core/program_dir.h"
#include "core/user_interaction.h"
#include "reportimport/report_reader.h"
#include "storage/keyword_files.h"
#include "storage/turn_stepping.h"

namespace korvane {

Workspace::Workspace(const std::string& programDir)
    : Settings(SettingsFileIn(programDir))
{
}

std::vector<std::string> Workspace::LoadKeywordLists()
{
    return korvane::LoadKeywordLists(Settings, SkillList, TroopList, EquipmentList);
}

void Workspace::Refuse(const std::string& fileName, UserInteraction& ui)
{
    if (Refused.Add(fileName))
        ui.Warning(fileName + " could not be read; it will not be written over until the program starts again.");
}

void Workspace::StepToTurn(int turn, UserInteraction& ui)
{
    FinishOpen(ui);
    // Said already; kept from being written over, as closing a unit browser would.
    for (const std::string& file : korvane::StepToTurn(Map, Settings, Factions, SkillList, turn, ui))
        Refused.Add(file);
}

ImportTarget Workspace::ForImport()
{
    return {Map, Settings, Factions, SkillList, TroopList, EquipmentList, &Refused};
}

TurnImport ImportTurnReport(Workspace& workspace, const std::string& fileName, UserInteraction& ui)
{
    workspace.FinishOpen(ui);
    return ImportTurnReport(workspace.ForImport(), fileName, ui);
}

}  // namespace korvane
