// Reading and writing the settings record.
#include "core/settings.h"

#include "core/file_names.h"
#include "core/text_helpers.h"

#include <variant>

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

// Every number and switch of the file, in the order the file is written.
struct TrecINI::NumberKey
{
    const char* section;
    const char* key;
    const char* defaultValue;
    const char* emptyValue;  // what an empty value reads as, when not 0 or false
    std::variant<std::int32_t TrecINI::*, bool TrecINI::*> field;
};

const std::vector<TrecINI::NumberKey>& TrecINI::NumberKeys()
{
    static const std::vector<NumberKey> keys = {
        {kPreferences, "StartX", "0", nullptr, &TrecINI::StartX},
        {kPreferences, "StartY", "0", nullptr, &TrecINI::StartY},
        {kPreferences, "StartZ", "0", nullptr, &TrecINI::StartZ},
        {kPreferences, "StartZoom", "5", "5", &TrecINI::StartZoom},
        {kPreferences, "ShowTowns", "TRUE", nullptr, &TrecINI::ShowTowns},
        {kPreferences, "ShowTownNames", "TRUE", nullptr, &TrecINI::ShowTownNames},
        {kPreferences, "ShowCoords", "FALSE", nullptr, &TrecINI::ShowCoords},
        {kPreferences, "ShowUnconfirmed", "FALSE", nullptr, &TrecINI::ShowUnconfirmed},
        {kPreferences, "ShowGates", "FALSE", nullptr, &TrecINI::ShowGates},
        {kPreferences, "ShowShafts", "FALSE", nullptr, &TrecINI::ShowShafts},
        {kPreferences, "ShowOther", "FALSE", nullptr, &TrecINI::ShowOther},
        {kPreferences, "ShowUnits", "FALSE", nullptr, &TrecINI::ShowUnits},
        {kPreferences, "ShowHints", "FALSE", nullptr, &TrecINI::ShowHints},
        {kPreferences, "ShowGlobalMap", "TRUE", nullptr, &TrecINI::ShowGlobalMap},
        {kPreferences, "BufferDraw", "FALSE", nullptr, &TrecINI::BufferDraw},
        {kPreferences, "ShowDepth", "0", nullptr, &TrecINI::ShowDepth},
        {kPreferences, "HintDelay", "5", nullptr, &TrecINI::HintDelay},
        {kPreferences, "MarkDoneHexes", "FALSE", nullptr, &TrecINI::MarkDoneHexes},
        {kPreferences, "WheelZooms", "TRUE", nullptr, &TrecINI::WheelZooms},
        {kPreferences, "OverviewKnownWorld", "FALSE", nullptr, &TrecINI::OverviewKnownWorld},
        {kWindows, "ColourKeyPosX", "-1", nullptr, &TrecINI::ColourKeyPosX},
        {kWindows, "ColourKeyPosY", "-1", nullptr, &TrecINI::ColourKeyPosY},
        {kWindows, "IconKeyPosX", "-1", nullptr, &TrecINI::IconKeyPosX},
        {kWindows, "IconKeyPosY", "-1", nullptr, &TrecINI::IconKeyPosY},
        {kWindows, "TroopShowPosX", "-1", nullptr, &TrecINI::TroopShowPosX},
        {kWindows, "TroopShowPosY", "-1", nullptr, &TrecINI::TroopShowPosY},
        {kWindows, "GateListPosX", "-1", nullptr, &TrecINI::GateListPosX},
        {kWindows, "GateListPosY", "-1", nullptr, &TrecINI::GateListPosY},
        {kWindows, "CityListPosX", "-1", nullptr, &TrecINI::CityListPosX},
        {kWindows, "CityListPosY", "-1", nullptr, &TrecINI::CityListPosY},
        {kWindows, "MainX", "-1", nullptr, &TrecINI::MainX},
        {kWindows, "MainY", "-1", nullptr, &TrecINI::MainY},
        {kWindows, "MainH", "-1", nullptr, &TrecINI::MainH},
        {kWindows, "MainW", "-1", nullptr, &TrecINI::MainW},
        {kWindows, "MainSplitterX", "-1", nullptr, &TrecINI::MainSplitterX},
        {kWindows, "WindowState", "-1", nullptr, &TrecINI::WindowState},
        {kGeneral, "CurrentTurn", "0", nullptr, &TrecINI::CurrentTurn},
        {kGeneral, "MaxTurn", "0", nullptr, &TrecINI::MaxTurn},
    };
    return keys;
}

FileResult TrecINI::ReadSettings()
{
    FileResult loaded = ini_.Load();
    TakeSettings(static_cast<bool>(loaded));
    return loaded;
}

bool TrecINI::ReadSettings(LineReader& reader)
{
    return TakeSettings(ini_.Load(reader));
}

bool TrecINI::TakeSettings(bool loaded)
{
    SetDataFileNames();
    unreadable_ = !loaded;

    DataDir = ReadDir("DataDir", "", "DATA", dataDirRead_);
    ImportDir = ReadDir("ImportDir", "", "IMPORT", importDirRead_);
    MapDir = ReadDir("MapDir", "", "", mapDirRead_);
    DirRead turnDirRead;
    TurnDir = ReadDir("TurnDir", "TURNS", "", turnDirRead);

    for (const NumberKey& number : NumberKeys()) {
        std::string value = ini_.ReadString(number.section, number.key, number.defaultValue);
        if (value.empty() && number.emptyValue)
            value = number.emptyValue;
        if (auto intField = std::get_if<std::int32_t TrecINI::*>(&number.field))
            this->*(*intField) = StrToIntLenient(value);
        else
            this->*std::get<bool TrecINI::*>(number.field) = UpperCase(value) == "TRUE";
    }
    ShowDepth = ShowDepth == 1 ? 1 : 0;
    HomeSaved = ini_.HasKey(kPreferences, "StartX") && ini_.HasKey(kPreferences, "StartY")
        && ini_.HasKey(kPreferences, "StartZ");

    UnitList = TrimSpaces(ini_.ReadString(kGeneral, "UnitList", ""));
    FactionNo = StrToIntLenient(ini_.ReadString(kFaction, "FactionNo", "0"));
    Password = TrimSpaces(ini_.ReadString(kFaction, "Password", ""));
    Unclaimed = StrToIntLenient(ini_.ReadString(kFaction, "Unclaimed", "0"));
    std::vector<std::string> points;
    SplitString(ini_.ReadString(kFaction, "FacPoints", "0"), points, ",");
    for (std::size_t i = 0; i < FacPoints.size(); ++i)
        FacPoints[i] = i < points.size() ? StrToIntLenient(points[i]) : 0;

    if (CurrentTurn > MaxTurn)
        MaxTurn = CurrentTurn;
    return !unreadable_;
}

std::vector<TrecINI::Value> TrecINI::Values() const
{
    std::vector<Value> values = {
        {kPaths, "DataDir", DataDir},
        {kPaths, "ImportDir", ImportDir},
        {kPaths, "MapDir", MapDir},
        {kPaths, "TurnDir", TurnDir},
    };
    for (const NumberKey& number : NumberKeys()) {
        if (auto intField = std::get_if<std::int32_t TrecINI::*>(&number.field))
            values.push_back({number.section, number.key, IntToStr(this->*(*intField))});
        else
            values.push_back({number.section, number.key, BoolText(this->*std::get<bool TrecINI::*>(number.field))});
    }
    values.push_back({kGeneral, "UnitList", UnitList});
    values.push_back({kFaction, "FactionNo", IntToStr(FactionNo)});
    values.push_back({kFaction, "Password", TrimSpaces(Password)});
    values.push_back({kFaction, "Unclaimed", IntToStr(Unclaimed)});
    values.push_back(
        {kFaction, "FacPoints", IntToStr(FacPoints[0]) + "," + IntToStr(FacPoints[1]) + "," + IntToStr(FacPoints[2])});
    return values;
}

FileResult TrecINI::WriteSettings()
{
    // Start from the file as it is now, so that whatever the player added by hand survives.
    if (unreadable_ || !ini_.Load())
        return FileResult::Failed(FileName(), "it could not be read, so it was not written over");
    for (const Value& value : Values()) {
        const std::string_view key = value.key;
        if (key == "TurnDir")
            continue;  // read, never written: the player's own entry stays as it is
        if (!HomeSaved && (key == "StartX" || key == "StartY" || key == "StartZ"))
            continue;  // no home chosen yet: the next start looks for the player's world again
        if (key == "DataDir")
            ini_.WriteString(value.section, key, DirToWrite(DataDir, dataDirRead_));
        else if (key == "ImportDir")
            ini_.WriteString(value.section, key, DirToWrite(ImportDir, importDirRead_));
        else if (key == "MapDir")
            ini_.WriteString(value.section, key, DirToWrite(MapDir, mapDirRead_));
        else
            ini_.WriteString(value.section, key, value.text);
    }
    return ini_.Save();
}

}  // namespace korvane
