// Reading and writing the settings record.
#include "core/settings.h"

#include "core/file_names.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"

namespace korvane {

namespace {

constexpr const char* kPaths = "Paths";
constexpr const char* kPreferences = "Preferences";
constexpr const char* kWindows = "Windows";
constexpr const char* kGeneral = "General";
constexpr const char* kFaction = "Faction";

const char* BoolText(bool value)
{
    return value ? "TRUE" : "FALSE";
}

}  // namespace

TrecINI::TrecINI(std::string fileName)
    : ini_(std::move(fileName))
    , programDir_(DirectoryOf(ini_.FileName()))
{
    SetDataFileNames();
    DataDir = QualifyFileName("DATA", programDir_);
    ImportDir = QualifyFileName("IMPORT", programDir_);
    MapDir = programDir_;
    TurnDir = QualifyFileName("TURNS", programDir_);
}

void TrecINI::SetDataFileNames()
{
    TerrainFile = "Terrain.dat";
    ColoursFile = "Colours.dat";
    MapIconsFile = "MapIcons.dat";
    RegionsFile = "Regions.dat";
    RacesFile = "Races.dat";
    WeatherFile = "Weather.dat";
    ProductsFile = "Products.dat";
    MapFile = "Map.Dat";
    FactionsFile = "Factions.dat";
    AllianceFile = "Alliance.dat";
    SkillsFile = "Skills.dat";
    TroopsFile = "Troops.dat";
    EquipmentFile = "Equipmnt.dat";
    UnitsFile = "Units.dat";
    UnitsStem = "Units";
    UnitListsFile = "UnitLsts.Dat";
    OrdersStem = "Ords";
}

std::string TrecINI::DataPath(const std::string& name) const
{
    return QualifyFileName(name, DataDir);
}

std::string TrecINI::ReadDir(const char* key, const char* defaultValue, const char* emptyDefault, DirRead& read) const
{
    read.text = ini_.ReadString(kPaths, key, defaultValue);
    const std::string text = read.text.empty() ? std::string(emptyDefault) : read.text;
    read.resolved = text.empty() ? programDir_ : QualifyFileName(text, programDir_);
    return read.resolved;
}

const std::string& TrecINI::DirToWrite(const std::string& field, const DirRead& read)
{
    return field == read.resolved ? read.text : field;
}

std::int32_t TrecINI::ReadInt(const char* section, const char* key, const char* defaultValue,
                              const char* emptyValue) const
{
    const std::string value = ini_.ReadString(section, key, defaultValue);
    if (value.empty() && emptyValue)
        return StrToIntLenient(emptyValue);
    return StrToIntLenient(value);
}

bool TrecINI::ReadBool(const char* section, const char* key, const char* defaultValue) const
{
    return UpperCase(ini_.ReadString(section, key, defaultValue)) == "TRUE";
}

void TrecINI::ReadSettings()
{
    SetDataFileNames();
    ini_.Load();

    DataDir = ReadDir("DataDir", "", "DATA", dataDirRead_);
    ImportDir = ReadDir("ImportDir", "", "IMPORT", importDirRead_);
    MapDir = ReadDir("MapDir", "", "", mapDirRead_);
    DirRead turnDirRead;
    TurnDir = ReadDir("TurnDir", "TURNS", "", turnDirRead);

    StartX = ReadInt(kPreferences, "StartX", "0", "0");
    StartY = ReadInt(kPreferences, "StartY", "0", "0");
    StartZ = ReadInt(kPreferences, "StartZ", "0", "0");
    StartZoom = ReadInt(kPreferences, "StartZoom", "5", "5");
    ShowTowns = ReadBool(kPreferences, "ShowTowns", "TRUE");
    ShowTownNames = ReadBool(kPreferences, "ShowTownNames", "TRUE");
    ShowCoords = ReadBool(kPreferences, "ShowCoords", "FALSE");
    ShowUnconfirmed = ReadBool(kPreferences, "ShowUnconfirmed", "FALSE");
    ShowGates = ReadBool(kPreferences, "ShowGates", "FALSE");
    ShowShafts = ReadBool(kPreferences, "ShowShafts", "FALSE");
    ShowOther = ReadBool(kPreferences, "ShowOther", "FALSE");
    ShowUnits = ReadBool(kPreferences, "ShowUnits", "FALSE");
    ShowHints = ReadBool(kPreferences, "ShowHints", "FALSE");
    ShowGlobalMap = ReadBool(kPreferences, "ShowGlobalMap", "TRUE");
    BufferDraw = ReadBool(kPreferences, "BufferDraw", "FALSE");
    ShowDepth = ReadInt(kPreferences, "ShowDepth", "0") == 1 ? 1 : 0;
    HintDelay = ReadInt(kPreferences, "HintDelay", "5");
    MarkDoneHexes = ReadBool(kPreferences, "MarkDoneHexes", "FALSE");

    ColourKeyPosX = ReadInt(kWindows, "ColourKeyPosX", "-1");
    ColourKeyPosY = ReadInt(kWindows, "ColourKeyPosY", "-1");
    IconKeyPosX = ReadInt(kWindows, "IconKeyPosX", "-1");
    IconKeyPosY = ReadInt(kWindows, "IconKeyPosY", "-1");
    TroopShowPosX = ReadInt(kWindows, "TroopShowPosX", "-1");
    TroopShowPosY = ReadInt(kWindows, "TroopShowPosY", "-1");
    GateListPosX = ReadInt(kWindows, "GateListPosX", "-1");
    GateListPosY = ReadInt(kWindows, "GateListPosY", "-1");
    CityListPosX = ReadInt(kWindows, "CityListPosX", "-1");
    CityListPosY = ReadInt(kWindows, "CityListPosY", "-1");
    MainX = ReadInt(kWindows, "MainX", "-1");
    MainY = ReadInt(kWindows, "MainY", "-1");
    MainH = ReadInt(kWindows, "MainH", "-1");
    MainW = ReadInt(kWindows, "MainW", "-1");
    MainSplitterX = ReadInt(kWindows, "MainSplitterX", "-1");
    WindowState = ReadInt(kWindows, "WindowState", "-1");

    CurrentTurn = ReadInt(kGeneral, "CurrentTurn", "0");
    MaxTurn = ReadInt(kGeneral, "MaxTurn", "0");
    UnitList = TrimSpaces(ini_.ReadString(kGeneral, "UnitList", ""));

    FactionNo = ReadInt(kFaction, "FactionNo", "0");
    Password = TrimSpaces(ini_.ReadString(kFaction, "Password", ""));
    Unclaimed = ReadInt(kFaction, "Unclaimed", "0");
    std::vector<std::string> points;
    SplitString(ini_.ReadString(kFaction, "FacPoints", "0"), points, ",");
    for (std::size_t i = 0; i < FacPoints.size(); ++i)
        FacPoints[i] = i < points.size() ? StrToIntLenient(points[i]) : 0;

    if (CurrentTurn > MaxTurn)
        MaxTurn = CurrentTurn;
}

bool TrecINI::WriteSettings(UserInteraction& ui)
{
    // Start from the file as it is now, so that whatever the player added by hand survives.
    ini_.Load();
    auto writeInt = [this](const char* section, const char* key, std::int32_t value) {
        ini_.WriteString(section, key, IntToStr(value));
    };
    auto writeBool = [this](const char* key, bool value) { ini_.WriteString(kPreferences, key, BoolText(value)); };

    ini_.WriteString(kPaths, "DataDir", DirToWrite(DataDir, dataDirRead_));
    ini_.WriteString(kPaths, "ImportDir", DirToWrite(ImportDir, importDirRead_));
    ini_.WriteString(kPaths, "MapDir", DirToWrite(MapDir, mapDirRead_));

    writeInt(kPreferences, "StartX", StartX);
    writeInt(kPreferences, "StartY", StartY);
    writeInt(kPreferences, "StartZ", StartZ);
    writeInt(kPreferences, "StartZoom", StartZoom);
    writeBool("ShowTowns", ShowTowns);
    writeBool("ShowTownNames", ShowTownNames);
    writeBool("ShowCoords", ShowCoords);
    writeBool("ShowUnconfirmed", ShowUnconfirmed);
    writeBool("ShowGates", ShowGates);
    writeBool("ShowShafts", ShowShafts);
    writeBool("ShowOther", ShowOther);
    writeBool("ShowUnits", ShowUnits);
    writeBool("ShowHints", ShowHints);
    writeBool("ShowGlobalMap", ShowGlobalMap);
    writeBool("BufferDraw", BufferDraw);
    writeInt(kPreferences, "ShowDepth", ShowDepth);
    writeInt(kPreferences, "HintDelay", HintDelay);
    writeBool("MarkDoneHexes", MarkDoneHexes);

    writeInt(kWindows, "ColourKeyPosX", ColourKeyPosX);
    writeInt(kWindows, "ColourKeyPosY", ColourKeyPosY);
    writeInt(kWindows, "IconKeyPosX", IconKeyPosX);
    writeInt(kWindows, "IconKeyPosY", IconKeyPosY);
    writeInt(kWindows, "TroopShowPosX", TroopShowPosX);
    writeInt(kWindows, "TroopShowPosY", TroopShowPosY);
    writeInt(kWindows, "GateListPosX", GateListPosX);
    writeInt(kWindows, "GateListPosY", GateListPosY);
    writeInt(kWindows, "CityListPosX", CityListPosX);
    writeInt(kWindows, "CityListPosY", CityListPosY);
    writeInt(kWindows, "MainX", MainX);
    writeInt(kWindows, "MainY", MainY);
    writeInt(kWindows, "MainH", MainH);
    writeInt(kWindows, "MainW", MainW);
    writeInt(kWindows, "MainSplitterX", MainSplitterX);
    writeInt(kWindows, "WindowState", WindowState);

    writeInt(kGeneral, "CurrentTurn", CurrentTurn);
    writeInt(kGeneral, "MaxTurn", MaxTurn);
    ini_.WriteString(kGeneral, "UnitList", UnitList);

    writeInt(kFaction, "FactionNo", FactionNo);
    ini_.WriteString(kFaction, "Password", TrimSpaces(Password));
    writeInt(kFaction, "Unclaimed", Unclaimed);
    ini_.WriteString(kFaction, "FacPoints",
                     IntToStr(FacPoints[0]) + "," + IntToStr(FacPoints[1]) + "," + IntToStr(FacPoints[2]));

    if (!ini_.Save()) {
        ui.Error("Unable to write to " + FileName());
        return false;
    }
    return true;
}

}  // namespace korvane
