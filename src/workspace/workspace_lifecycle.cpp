// What a session reads at its start and writes at its end.
#include "core/user_interaction.h"
#include "storage/keyword_files.h"
#include "storage/map_database.h"
#include "storage/turn_files.h"
#include "storage/turn_stepping.h"
#include "storage/unit_files_ahead.h"
#include "workspace/workspace.h"

#include <utility>

namespace korvane {

namespace {

// The map database with the lists it points into; a refused one joins the refused files.
bool LoadDatabase(Workspace& workspace, bool placeHexUnits, UserInteraction& ui)
{
    const TrecINI& settings = workspace.Settings;
    if (!LoadMapDatabase(workspace.Map, settings, settings.DataDir, ui, placeHexUnits)) {
        // The loader has said why and left the map as it was; the file is still never to be
        // replaced in this run.
        workspace.Refused.Add(settings.DataPath(settings.MapFile));
        return false;
    }
    for (const std::string& file : workspace.Map.UnreadReferenceFiles)
        workspace.Refuse(file, ui);
    for (const std::string& file : workspace.Map.UnreadColourFiles)
        workspace.Refuse(file, ui);
    return true;
}

}  // namespace

bool Workspace::Open(UserInteraction& ui)
{
    const bool loaded = BeginOpen(ui);
    FinishOpen(ui);
    return loaded;
}

bool Workspace::BeginOpen(UserInteraction& ui)
{
    if (!Settings.ReadSettings())
        Refuse(Settings.FileName(), ui);
    if (!Factions.LoadFromFile(Settings))
        Refuse(Settings.DataPath(Settings.FactionsFile), ui);
    if (!Alliances.LoadFromFile(Settings.DataDir, Settings))
        Refuse(Settings.DataPath(Settings.AllianceFile), ui);
    for (const std::string& file : LoadKeywordLists())
        Refuse(file, ui);
    // The turn's units are placed once, by the step to the turn in FinishOpen, not by the
    // database load as well.
    const bool loaded = LoadDatabase(*this, false, ui);
    if (!loaded) {
        // The colour and icon lists are written back at exit even when the database was
        // refused; they must then hold what their files hold, not the built-in entries over them.
        Map.LoadColourLists(Settings.DataDir, Settings);
        for (const std::string& file : Map.UnreadColourFiles)
            Refuse(file, ui);
    }
    // The display selection lists are small and the troop marks' window shows them from the
    // start; whatever the player changes in them before the units are in must not be read over.
    if (!TroopViews.Load(Settings.DataDir, Settings))
        Refuse(Settings.DataPath(Settings.UnitListsFile), ui);
    // The unit files are read on their own thread from here on, while the window draws the
    // map; what they hold is taken in, and said, by FinishOpen. Read alongside the database,
    // they would only slow it down on a machine with no core to spare.
    unitsAhead_ = std::make_unique<UnitFilesAhead>(Settings);
    return loaded;
}

void Workspace::FinishOpen(UserInteraction& ui)
{
    if (!unitsAhead_)
        return;
    const std::unique_ptr<UnitFilesAhead> ahead = std::move(unitsAhead_);
    UnitFilesRead read = ahead->Take();
    // Read for other settings or into a list that holds units already, the files are read
    // again here, as they always were.
    const bool readFits = ahead->Fits(Settings) && Map.UnitFileList.Count() == 0;
    if (readFits)
        std::swap(Map.UnitFileList, read.Units);
    // Without its unit file the session would write the units of one report over every unit known.
    if (const FileResult units = readFits ? read.UnitsRead : LoadUnits(Map, Settings.DataDir, Settings);
        !units && !units.Missing)
        Refuse(units.File, ui);
    if (readFits) {
        // Said already; kept from being written over, as closing a unit browser would.
        for (const std::string& file : korvane::StepToTurn(Map, Settings, Factions, SkillList, Settings.CurrentTurn,
                                                           read.HexUnits, read.HexUnitsRead, ui))
            Refused.Add(file);
    } else {
        StepToTurn(Settings.CurrentTurn, ui);
    }
}

bool Workspace::ReloadDatabase(UserInteraction& ui)
{
    FinishOpen(ui);
    return LoadDatabase(*this, true, ui);
}

FileResult Workspace::SaveDatabase() const
{
    // The hexes the units stand in join the map as the units come in: a save before that
    // would leave them out.
    if (UnitsPending())
        return FileResult::Failed(Settings.DataPath(Settings.MapFile),
                                  "the units are still being read; save again in a moment");
    return SaveMapDatabase(Map, Settings, Settings.DataDir, Refused);
}

std::string DatabaseNotSavedMessage(const FileResult& failure)
{
    return "Unable to write the map database: " + failure.Text();
}

bool Workspace::SaveOnExit(UserInteraction& ui)
{
    FinishOpen(ui);
    // A refused file was named when it was found: leaving it is a failure, but no news. A file
    // that cannot be written is said, and the files after it are still written: the registry
    // learnt this session's factions, and only exit saves it.
    bool saved = true;
    auto save = [&](const std::string& file, auto write) {
        if (Refused.Contains(file)) {
            saved = false;
        } else if (const FileResult written = write(); !written) {
            ui.Error("Unable to write to " + file);
            saved = false;
        }
    };
    save(Settings.FileName(), [this] { return Settings.WriteSettings(); });
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
