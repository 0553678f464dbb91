// A small world for the unit windows' tests: units in and out of structures, and underground.
#pragma once

#include "support/fixtures.h"
#include "windows/order_vocabulary_cache.h"
#include "windows/registry_builders.h"
#include "windows/window_test_helpers.h"
#include "workspace/workspace.h"
#include "world/vocabulary.h"

#include <QListView>

#include <filesystem>

namespace korvane::testing {

/// The row of the unit line that starts with `number`; -1 when not listed.
inline int RowOfUnit(const QListView* view, int number)
{
    const Lines lines = LineTexts(view);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        if (std::stoi(lines[row].substr(0, 6)) == number)
            return static_cast<int>(row);
    }
    return -1;
}

class UnitBrowserWorld : public ::testing::Test
{
protected:
    static constexpr std::int32_t kRed = 0x0000FF, kBlue = 0xFF0000;

    UnitBrowserWorld()
    {
        std::tie(ws.Settings.DataDir, ws.Settings.FactionNo, ws.Settings.CurrentTurn) = std::tuple(home.Path(), 3, 7);
        AddFaction(ws.Factions, 3, "Red Riders", kRed);
        AddFaction(ws.Factions, 12, "Blue Traders", kBlue);
        AddRaceTable(ws.TroopList);
        for (const char* key : {"COMB combat", "LBOW longbow", "XBOW crossbow", "FIRE fire"})
            ws.SkillList.AddKey(std::string(key, 4), key + 5, "");
        ws.EquipmentList.AddKey("SWOR", "sword", "swords");
        ws.Map.EnsureCell(0, 12, 8)->Terrain = ws.Map.TerrainIndex("plain");
        AddStructure(*ws.Map.Cell(0, 12, 8), 1, "Keep", "TOWER");
        AddStructure(*ws.Map.Cell(0, 12, 8), 2, "Sea Wolf", "GALLEON");
        TUnit& scouts = AddUnit(0, 12, 8, 101, 3, "Scouts", "LEAD", 2);
        std::tie(scouts.Silver, scouts.Structure, scouts.Flags) = std::tuple(300, 1, kFlagAvoiding | kFlagBehind);
        std::tie(scouts.CombatSpell, scouts.Description, scouts.Turn) = std::tuple(Skill("FIRE"), "Look out", 7);
        scouts.AddSkill({Skill("COMB"), 95});
        scouts.AddEquipment({ws.EquipmentList.IndexOfKey("SWOR"), 2});
        scouts.AddCanStudy({Skill("LBOW"), 0});
        TUnit& soldiers = AddUnit(0, 12, 8, 102, 3, "Soldiers", "VIKI", 10);
        std::tie(soldiers.Silver, soldiers.Flags) = std::tuple(1050, kFlagGuard | kFlagTaxing);
        AddUnit(0, 12, 8, 201, 12, "Traders", "VIKI", 1).Structure = 2;
        AddUnit(0, 12, 8, 301, -1, "Strangers", "VIKI", 3);
        AddUnit(1, 12, 8, 103, 3, "Miners", "VIKI", 5);
        // Every unit shown has its record in the map's list, as an import leaves them.
        ws.Map.ForEachCell([this](const TMapCell& cell) {
            cell.Units.ForEach([this](const TUnit& unit) { ws.Map.UnitFileList.Add(std::make_unique<TUnit>(unit)); });
        });
        Record(102)->OrdersDone = Record(201)->OrdersDone = true;
    }

    int Skill(const char* key) const { return ws.SkillList.IndexOfKey(key); }
    void AddStructure(TMapCell& hex, int number, const char* name, const char* type)
    {
        auto structure = std::make_unique<TStructure>();
        std::tie(structure->Number, structure->Name) = std::tuple(number, name);
        structure->Type = ws.Map.StructureTypes.IndexOf(type);
        hex.AddStructure(std::move(structure));
    }
    /// A unit shown in a hex, last seen one hex further on, so the blinking hex differs from the shown one.
    TUnit& AddUnit(int level, int x, int y, int number, int faction, const char* name, const char* race, int men)
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Faction, unit->Name) = std::tuple(number, faction, name);
        std::tie(unit->Level, unit->X, unit->Y) = std::tuple(level, x, y);
        std::tie(unit->LastLevel, unit->LastX, unit->LastY) = std::tuple(level, x + 2, y);
        unit->AddTroops({ws.TroopList.IndexOfKey(race), men});
        return *ws.Map.EnsureCell(level, x, y)->Units.Add(std::move(unit));
    }
    TUnit* Record(int number) { return ws.Map.UnitFileList.Find(number); }
    /// What the player's orders may name, as the main window hands it to the unit windows.
    const OrderVocabulary& Vocabulary() { return vocabularyCache.For(ws); }

    TempDir home;
    Workspace ws{home.Path()};
    ScriptedInteraction ui;
    OrderVocabularyCache vocabularyCache;
};

/// The world with a unit window of type W over it, whose widgets it finds by name.
template <typename W>
class UnitWindowTest : public UnitBrowserWorld
{
protected:
    template <typename T = QPushButton>
    T* Get(const char* name) const
    {
        return Child<T>(*window, name);
    }
    QListView* Units() const { return Get<QListView>("lstUnits"); }
    QComboBox* Factions() const { return Get<QComboBox>("lstFactions"); }
    QString Panel(const char* name) const { return Get<QLabel>(name)->text(); }
    /// Chooses the line of `unit` as a click would.
    void Choose(int unit) const { Units()->setCurrentIndex(Units()->model()->index(RowOfUnit(Units(), unit), 0)); }

    std::unique_ptr<W> window;
};

/// Faction 3's real reports of turns 1 to 9 imported in order; the caller checks KORVANE_REQUIRE_FIXTURES first.
inline void ImportFixtureTurns(Workspace& ws, UserInteraction& ui)
{
    ws.Settings.ReadSettings();
    ws.Settings.FactionNo = 3;
    std::filesystem::create_directories(ws.Settings.DataDir);
    ws.LoadKeywordLists();
    for (int turn = 1; turn <= 9; ++turn)
        ASSERT_TRUE(ImportTurnReport(ws, FixturesDir() + "/report-f3-t" + std::to_string(turn) + ".txt", ui)) << turn;
}

}  // namespace korvane::testing
