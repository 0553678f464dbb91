// A small world for the unit windows' tests: two factions of the registry, a hex with units in
// and out of structures, one of an unknown faction, and an underworld hex.
#pragma once

#include "people/faction.h"
#include "support/fixtures.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "workspace/workspace.h"
#include "world/vocabulary.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace korvane::testing {

class UnitBrowserWorld : public ::testing::Test
{
protected:
    static constexpr std::int32_t kRed = 0x0000FF, kBlue = 0xFF0000;

    UnitBrowserWorld()
    {
        TrecINI& settings = ws.Settings;
        settings.DataDir = home.Path();
        settings.FactionNo = 3;
        settings.CurrentTurn = 7;
        AddFaction(3, "Red Riders", kRed);
        AddFaction(12, "Blue Traders", kBlue);
        AddRaceTable(ws.TroopList);
        for (const auto& [key, name] :
             {std::pair{"COMB", "combat"}, {"LBOW", "longbow"}, {"XBOW", "crossbow"}, {"FIRE", "fire"}})
            ws.SkillList.AddKey(key, name, "");
        ws.EquipmentList.AddKey("SWOR", "sword", "swords");

        TMapCell& hex = *ws.Map.EnsureCell(0, 12, 8);
        hex.Terrain = ws.Map.TerrainIndex("plain");
        AddStructure(hex, 1, "Keep", "TOWER");
        AddStructure(hex, 2, "Sea Wolf", "GALLEON");
        TUnit& scouts = AddUnit(0, 12, 8, 101, 3, "Scouts", "LEAD", 2);
        scouts.Silver = 300;
        scouts.Structure = 1;
        scouts.Flags = kFlagAvoiding | kFlagBehind;
        scouts.CombatSpell = ws.SkillList.IndexOfKey("FIRE");
        scouts.Description = "Look out";
        scouts.Turn = 7;
        scouts.AddSkill({ws.SkillList.IndexOfKey("COMB"), 95});
        scouts.AddEquipment({ws.EquipmentList.IndexOfKey("SWOR"), 2});
        scouts.AddCanStudy({ws.SkillList.IndexOfKey("LBOW"), 0});
        TUnit& soldiers = AddUnit(0, 12, 8, 102, 3, "Soldiers", "VIKI", 10);
        soldiers.Silver = 1050;
        soldiers.Flags = kFlagGuard | kFlagTaxing;
        AddUnit(0, 12, 8, 201, 12, "Traders", "VIKI", 1).Structure = 2;
        AddUnit(0, 12, 8, 301, -1, "Strangers", "VIKI", 3);
        AddUnit(1, 12, 8, 103, 3, "Miners", "VIKI", 5);
        // Every unit shown has its record in the map's list, as an import leaves them.
        ws.Map.ForEachCell([this](const TMapCell& cell) {
            cell.Units.ForEach([this](const TUnit& unit) { ws.Map.UnitFileList.Add(std::make_unique<TUnit>(unit)); });
        });
        Record(102)->OrdersDone = true;
        Record(201)->OrdersDone = true;
    }

    void AddFaction(int number, const char* name, std::int32_t colour)
    {
        auto faction = std::make_unique<TFaction>();
        std::tie(faction->Number, faction->Name, faction->Colour) = std::tuple(number, name, colour);
        ws.Factions.Add(std::move(faction));
    }

    void AddStructure(TMapCell& hex, int number, const char* name, const char* type)
    {
        auto structure = std::make_unique<TStructure>();
        std::tie(structure->Number, structure->Name, structure->Type) = std::tuple(number, name,
                                                                                   ws.Map.StructureTypes.IndexOf(type));
        hex.AddStructure(std::move(structure));
    }

    /// A unit shown in a hex.
    TUnit& AddUnit(int level, int x, int y, int number, int faction, const char* name, const char* race, int men)
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Name) = std::tuple(number, faction, name);
        std::tie(unit->Level, unit->X, unit->Y) = std::tuple(level, x, y);
        // Last seen one hex further on, so that the blinking hex is told apart from the shown one.
        std::tie(unit->LastLevel, unit->LastX, unit->LastY) = std::tuple(level, x + 2, y);
        unit->AddTroops({ws.TroopList.IndexOfKey(race), men});
        return *ws.Map.EnsureCell(level, x, y)->Units.Add(std::move(unit));
    }

    /// The map's record of a unit.
    TUnit* Record(int number) { return ws.Map.UnitFileList.Find(number); }

    TempDir home;
    Workspace ws{home.Path()};
    ScriptedInteraction ui;
};

/// Faction 3's real reports of turns 1 to 9 imported in order into a workspace made for it;
/// the caller checks KORVANE_REQUIRE_FIXTURES first.
inline void ImportFixtureTurns(Workspace& ws, UserInteraction& ui)
{
    ws.Settings.ReadSettings();
    ws.Settings.FactionNo = 3;
    std::filesystem::create_directories(ws.Settings.DataDir);
    ws.LoadKeywordLists();
    for (int turn = 1; turn <= 9; ++turn)
        ASSERT_TRUE(ImportTurnReport(ws, FixturesDir() + "/report-f3-t" + std::to_string(turn) + ".txt", ui)) << turn;
}

/// The texts of a list view's lines (a QListWidget's too), in UTF-8.
inline std::vector<std::string> LineTexts(const QListView* view)
{
    std::vector<std::string> lines;
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        lines.push_back(model->index(row, 0).data().toString().toStdString());
    return lines;
}

inline std::vector<std::string> LineTexts(const QComboBox* box)
{
    std::vector<std::string> lines;
    for (int row = 0; row < box->count(); ++row)
        lines.push_back(box->itemText(row).toStdString());
    return lines;
}

/// Chooses a unit line as a click would.
inline void ChooseLine(QListView* view, int row)
{
    view->setCurrentIndex(view->model()->index(row, 0));
}

/// The row of the unit line that starts with `number`; -1 when not listed.
inline int RowOfUnit(const QListView* view, int number)
{
    const std::vector<std::string> lines = LineTexts(view);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (std::stoi(lines[row].substr(0, 6)) == number)
            return static_cast<int>(row);
    }
    return -1;
}

}  // namespace korvane::testing
