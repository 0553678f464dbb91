// The main window's tool windows opened from its menus, and files dropped on it.
#include "mapview/windows/frm_map.h"

#include "combat/battle_file.h"
#include "support/generated_report.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/frm_bulk_turn_import.h"
#include "windows/frm_combats.h"
#include "windows/frm_export_data.h"
#include "windows/frm_import_data.h"
#include "windows/frm_make_map.h"
#include "windows/modal_driver.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>

#include <filesystem>

namespace korvane {
namespace {

class MapToolWindowsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.StartUp());
        workspace.Settings.FactionNo = 1;
        window.resize(900, 650);
        window.show();
    }

    std::string Report(const std::string& name, int month) const
    {
        return files.Write(name,
                           testing::GenerateReport({.month = month, .columns = 3, .rows = 4, .unitsPerRegion = 1}));
    }

    testing::TempDir home;
    testing::TempDir files;
    Workspace workspace{home.Path()};
    testing::ScriptedInteraction ui;
    TfrmMAP window{workspace, ui};
};

TEST_F(MapToolWindowsTest, MenusOpenTheirWindowsPresetFromTheView)
{
    window.ScrollView(37, 21);
    for (QAction* item : {window.Menus().mnuBulkImport, window.Menus().mnuImportKvd})
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
    bool opened = false;
    testing::WhenModalShown<TfrmMakeMap>([&](TfrmMakeMap* makeMap) {
        opened = true;
        EXPECT_EQ(makeMap->findChild<QLineEdit*>("txtLeft")->text(), "37");
        EXPECT_EQ(makeMap->findChild<QLineEdit*>("txtTop")->text(), "21");
        makeMap->reject();
    });
    window.Menus().mnuGenerateMap->trigger();
    EXPECT_TRUE(opened);
    opened = false;
    testing::WhenModalShown<TfrmExportData>([&](TfrmExportData* exportData) {
        opened = true;
        EXPECT_EQ(exportData->findChild<QLineEdit*>("txtLeft")->text(), "37");
        exportData->reject();
    });
    window.Menus().mnuExportKvd->trigger();
    EXPECT_TRUE(opened);
    opened = false;
    testing::WhenModalShown<TfrmCombats>([&](TfrmCombats* combats) {
        opened = true;
        combats->reject();
    });
    window.Menus().mnuCombat->trigger();
    EXPECT_TRUE(opened);
}

TEST_F(MapToolWindowsTest, DroppedReportsAreImportedInTurnOrderAndSavedOnce)
{
    const std::string third = Report("c.txt", 3);
    const std::string first = Report("a.txt", 1);
    const std::string unknown = files.Write("notes.txt", "nothing the game wrote\n");
    window.SetDataChanged(true);
    window.DropFiles({third, unknown, first});
    EXPECT_EQ(workspace.Settings.CurrentTurn, 3);
    EXPECT_EQ(workspace.Settings.MaxTurn, 3);
    EXPECT_TRUE(std::filesystem::exists(workspace.Settings.DataDir + "/Map.Dat"));
    EXPECT_FALSE(window.DataChanged());
    EXPECT_TRUE(workspace.Map.Cell(0, 2, 2));
    const auto warnings = ui.Texts(testing::ScriptedInteraction::Kind::Warning);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(warnings[0],
              unknown
                  + " was not recognised: it is not a turn report, an exchange file, a battle file "
                    "or a faction list.");
}

TEST_F(MapToolWindowsTest, DroppedBattleExchangeAndFactionFilesGoWhereTheyBelong)
{
    BattleSetup battle;
    battle.Left.resize(2);
    const std::string battleFile = files.File("fight.dat");
    ASSERT_TRUE(SaveBattleFile(battleFile, battle));
    int leftUnits = -1;
    testing::WhenModalShown<TfrmCombats>([&](TfrmCombats* combats) {
        leftUnits = combats->findChild<QListWidget*>("lstLeft")->count();
        combats->reject();
    });
    window.DropFiles({battleFile});
    EXPECT_EQ(leftUnits, 2);

    const std::string exchange = files.Write("allies.txt", "VERSION,2.31\r\n");
    QString preset;
    testing::WhenModalShown<TfrmImportData>([&](TfrmImportData* importData) {
        preset = importData->findChild<QLineEdit*>("txtFilename")->text();
        importData->reject();
    });
    window.DropFiles({exchange});
    EXPECT_EQ(preset.toStdString(), exchange);

    window.DropFiles({files.Write("factions", "The Seventh (7), seven@example.org\n")});
    EXPECT_NE(workspace.Factions.Find(7), nullptr);
}

}  // namespace
}  // namespace korvane
