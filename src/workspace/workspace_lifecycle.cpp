// What a session reads at its start and writes at its end.
#include "core/user_interaction.h"
#include "storage/map_database.h"
#include "storage/turn_files.h"
#include "workspace/workspace.h"

namespace korvane {

bool Workspace::Open(UserInteraction& ui)
{
    Settings.ReadSettings();
    Factions.LoadFromFile(Settings, ui);
    Alliances.LoadFromFile(Settings.DataDir, Settings);
    LoadKeywordLists();
    const bool loaded = LoadMapDatabase(Map, Settings, Settings.DataDir, ui);
    // The colour and icon lists are written back at exit even when the database was refused;
    // they must then hold what their files hold, not the built-in entries over them.
    if (!loaded)
        Map.LoadColourLists(Settings.DataDir, Settings);
    LoadUnits(Map, Settings.DataDir, Settings);
    StepToTurn(Settings.CurrentTurn, ui);
    return loaded;
}

bool Workspace::SaveOnExit(UserInteraction& ui)
{
    if (!Settings.WriteSettings(ui))
        return false;
    bool saved = true;
    auto check = [&](bool ok, const std::string& file) {
        if (!ok) {
            ui.Error("Unable to write to " + file);
            saved = false;
        }
    };
    check(Factions.SaveToFile(Settings), Settings.DataPath(Settings.FactionsFile));
    check(Alliances.SaveToFile(Settings.DataDir, Settings), Settings.DataPath(Settings.AllianceFile));
    check(SaveUnits(Map, Settings.DataDir, Settings), Settings.DataPath(Settings.UnitsFile));
    check(Map.SaveTerrainColours(Settings.DataDir, Settings), Settings.DataPath(Settings.ColoursFile));
    check(Map.SaveMapIcons(Settings.DataDir, Settings), Settings.DataPath(Settings.MapIconsFile));
    return saved;
}

}  // namespace korvane
