// What a session reads at its start and writes at its end.
#include "core/file_names.h"
#include "core/user_interaction.h"
#include "storage/keyword_files.h"
#include "storage/map_database.h"
#include "storage/turn_files.h"
#include "workspace/workspace.h"

namespace korvane {

bool Workspace::Open(UserInteraction& ui)
{
    if (!Settings.ReadSettings())
        Refuse(Settings.FileName(), ui);
    if (!Factions.LoadFromFile(Settings))
        Refuse(Settings.DataPath(Settings.FactionsFile), ui);
    if (!Alliances.LoadFromFile(Settings.DataDir, Settings))
        Refuse(Settings.DataPath(Settings.AllianceFile), ui);
    for (const std::string& file : LoadKeywordLists())
        Refuse(file, ui);
    const bool loaded = ReloadDatabase(ui);
    if (!loaded) {
        // The colour and icon lists are written back at exit even when the database was
        // refused; they must then hold what their files hold, not the built-in entries over them.
        Map.LoadColourLists(Settings.DataDir, Settings);
        for (const std::string& file : Map.UnreadColourFiles)
            Refuse(file, ui);
    }
    // Without its unit file the session would write the units of one report over every unit known.
    if (const std::string units = Settings.DataPath(Settings.UnitsFile);
        !LoadUnits(Map, Settings.DataDir, Settings) && FileExists(units))
        Refuse(units, ui);
    StepToTurn(Settings.CurrentTurn, ui);
    if (!TroopViews.Load(Settings.DataDir, Settings))
        Refuse(Settings.DataPath(Settings.UnitListsFile), ui);
    return loaded;
}

bool Workspace::ReloadDatabase(UserInteraction& ui)
{
    if (!LoadMapDatabase(Map, Settings, Settings.DataDir, ui)) {
        // The loader has said why and left the map as it was; the file is still never to be
        // replaced in this run.
        Refused.Add(Settings.DataPath(Settings.MapFile));
        return false;
    }
    for (const std::string& file : Map.UnreadReferenceFiles)
        Refuse(file, ui);
    for (const std::string& file : Map.UnreadColourFiles)
        Refuse(file, ui);
    return true;
}

FileResult Workspace::SaveDatabase() const
{
    return SaveMapDatabase(Map, Settings, Settings.DataDir, Refused);
}

std::string DatabaseNotSavedMessage(const FileResult& failure)
{
    return "Unable to write the map database: " + failure.Text();
}

bool Workspace::SaveOnExit(UserInteraction& ui)
{
    // A refused file was named when it was found: leaving it is a failure, but no news. A
    // settings file that cannot be written says so itself, and the files after it are still
    // written: the registry learnt this session's factions, and only exit saves it.
    const bool settingsRefused = Refused.Contains(Settings.FileName());
    bool saved = !settingsRefused && Settings.WriteSettings(ui);
    auto save = [&](const std::string& file, auto write) {
        if (Refused.Contains(file)) {
            saved = false;
        } else if (!write()) {
            ui.Error("Unable to write to " + file);
            saved = false;
        }
    };
    save(Settings.DataPath(Settings.FactionsFile), [this] { return Factions.SaveToFile(Settings); });
    save(Settings.DataPath(Settings.AllianceFile), [this] { return Alliances.SaveToFile(Settings.DataDir, Settings); });
    save(Settings.DataPath(Settings.UnitListsFile), [this] { return TroopViews.Save(Settings.DataDir, Settings); });
    saved = SaveKeywordListsThenUnits(Map, Settings, SkillList, TroopList, EquipmentList, Refused, ui) && saved;
    save(Settings.DataPath(Settings.ColoursFile),
         [this] { return Map.SaveTerrainColours(Settings.DataDir, Settings); });
    save(Settings.DataPath(Settings.MapIconsFile), [this] { return Map.SaveMapIcons(Settings.DataDir, Settings); });
    return saved;
}

}  // namespace korvane
