// TrecINI: the one settings record of the process, read from and written to "ATLANTIS.INI".
#pragma once

#include "core/ini_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

class LineReader;

class TrecINI
{
public:
    /// `fileName` is the full name of the settings file; its folder is the program directory,
    /// where the default data folders live.
    explicit TrecINI(std::string fileName);

    const std::string& FileName() const { return ini_.FileName(); }
    const std::string& ProgramDir() const { return programDir_; }

    /// Fills every field from the file; missing file, section or key give the defaults.
    /// Fails (defaults taken) when the file exists but could not be read; it is then never
    /// written by this record, whose defaults would replace the player's settings.
    FileResult ReadSettings();
    /// As ReadSettings, from the lines of `reader` in place of the file; a later WriteSettings
    /// still starts from the file on disk.
    bool ReadSettings(LineReader& reader);
    /// Writes every key back into the file as it is on disk now, leaving keys the program does
    /// not know in place. Refuses when the file could not be read, then or at ReadSettings.
    FileResult WriteSettings();

    /// One key of the file with the text its field gives.
    struct Value
    {
        const char* section;
        const char* key;
        std::string text;
    };
    /// Every key with its field's value, in the order the file is written; folders resolved.
    std::vector<Value> Values() const;

    /// `name` joined to the data folder, as every data file is found.
    std::string DataPath(const std::string& name) const;

    // Folders. Relative names are taken from the program directory.
    std::string DataDir, ImportDir, MapDir, TurnDir;

    // Home position of the map view.
    std::int32_t StartX = 0, StartY = 0, StartZ = 0, StartZoom = 5;
    /// Whether the file holds a home the player saved. Until then the view starts on the
    /// player's own world, and the home's keys are not written.
    bool HomeSaved = false;

    // Display switches.
    bool ShowTowns = true, ShowTownNames = true, ShowCoords = false, ShowGlobalMap = true;
    bool ShowGates = false, ShowShafts = false, ShowOther = false, BufferDraw = false;
    bool ShowUnits = false, ShowHints = false, ShowUnconfirmed = false, MarkDoneHexes = false;
    /// The plain mouse wheel zooms the map; off, it scrolls (for trackpads).
    bool WheelZooms = true;
    /// The overview frames the known hexes of the level rather than the whole grid.
    bool OverviewKnownWorld = false;
    std::int32_t ShowDepth = 0;

    // Window positions; -1 means not set.
    std::int32_t ColourKeyPosX = -1, ColourKeyPosY = -1, IconKeyPosX = -1, IconKeyPosY = -1;
    std::int32_t GateListPosX = -1, GateListPosY = -1, CityListPosX = -1, CityListPosY = -1;
    std::int32_t TroopShowPosX = -1, TroopShowPosY = -1;
    std::int32_t MainX = -1, MainY = -1, MainH = -1, MainW = -1, MainSplitterX = -1, WindowState = -1;

    std::int32_t HintDelay = 5;
    std::int32_t CurrentTurn = 0, MaxTurn = 0;
    std::string UnitList;

    // The player's own faction.
    std::int32_t FactionNo = 0;
    std::string Password;
    std::int32_t Unclaimed = 0;
    std::array<std::int32_t, 3> FacPoints{};  // war, trade, magic

    // Fixed names of the data files, set on every read.
    std::string TerrainFile, ColoursFile, MapIconsFile, RegionsFile, RacesFile, WeatherFile;
    std::string ProductsFile, MapFile, FactionsFile, AllianceFile, SkillsFile, TroopsFile;
    std::string EquipmentFile, UnitsFile, UnitsStem, UnitListsFile, OrdersStem;

private:
    void SetDataFileNames();
    /// Fills every field from the lines loaded; `loaded` false when they could not be read.
    bool TakeSettings(bool loaded);
    struct DirRead
    {
        std::string text;  // as it stood in the file
        std::string resolved;  // the field's value it gave
    };

    std::string ReadDir(const char* key, const char* defaultValue, const char* emptyDefault, DirRead& read) const;
    static const std::string& DirToWrite(const std::string& field, const DirRead& read);
    struct NumberKey;
    static const std::vector<NumberKey>& NumberKeys();

    IniFile ini_;
    std::string programDir_;
    bool unreadable_ = false;
    // The folder texts as read are written back unchanged while their fields are unchanged,
    // so a relative or empty entry keeps following the program folder when it moves.
    DirRead dataDirRead_, importDirRead_, mapDirRead_;
};

}  // namespace korvane
