// The main window's tool windows opened from its menus, and files dropped on it.
#include "mapview/main_window_fixture.h"

#include "combat/battle_file.h"
#include "windows/frm_combats.h"
#include "windows/frm_export_data.h"
#include "windows/frm_import_data.h"
#include "windows/frm_make_map.h"

#include <QLineEdit>
#include <QListWidget>

namespace korvane::testing {
namespace {

class MapToolWindowsTest : public ShownMainWindow
{
protected:
    void SetUp() override
    {
        ShownMainWindow::SetUp();
        workspace.Settings.FactionNo = 1;
    }
    std::string Report(const std::string& name, int month) const
    {
        return files.Write(name, GenerateReport({.month = month, .columns = 3, .rows = 4, .unitsPerRegion = 1}));
    }
    // Opens a window of type T through `open` and answers it with `look`; whether it opened.
    template <typename T, typename Look>
    bool Opens(const std::function<void()>& open, Look look)
    {
        bool opened = false;
        WhenModalShown<T>([&](T* shown) {
            opened = true;
            look(*shown);
            shown->reject();
        });
        open();
        return opened;
    }

    TempDir files;
};

TEST_F(MapToolWindowsTest, MenusOpenTheirWindowsPresetFromTheView)
{
    window.ScrollView(37, 21);
    EXPECT_TRUE(M().mnuBulkImport->isEnabled() && M().mnuImportKvd->isEnabled());
    const auto corner = [](const QWidget& shown) {
        return Child<QLineEdit>(shown, "txtLeft")->text() + "," + Child<QLineEdit>(shown, "txtTop")->text();
    };
    QString makeMap, exportData;
    EXPECT_TRUE(
        Opens<TfrmMakeMap>([&] { M().mnuGenerateMap->trigger(); }, [&](auto& shown) { makeMap = corner(shown); }));
    EXPECT_TRUE(
        Opens<TfrmExportData>([&] { M().mnuExportKvd->trigger(); }, [&](auto& shown) { exportData = corner(shown); }));
    EXPECT_EQ(std::tuple(makeMap, exportData), std::tuple("37,21", "37,21"));
    EXPECT_TRUE(Opens<TfrmCombats>([&] { M().mnuCombat->trigger(); }, [](TfrmCombats&) {}));
}

TEST_F(MapToolWindowsTest, DroppedReportsAreImportedInTurnOrderAndSavedOnce)
{
    const std::string third = Report("c.txt", 3), first = Report("a.txt", 1);
    const std::string unknown = files.Write("notes.txt", "nothing the game wrote\n");
    window.SetDataChanged(true);
    window.DropFiles({third, unknown, first});
    EXPECT_EQ(std::tuple(workspace.Settings.CurrentTurn, workspace.Settings.MaxTurn), std::tuple(3, 3));
    EXPECT_TRUE(std::filesystem::exists(workspace.Settings.DataDir + "/Map.Dat"));
    EXPECT_FALSE(window.DataChanged());
    EXPECT_TRUE(workspace.Map.Cell(0, 2, 2));
    EXPECT_EQ(
        ui.Texts(Kind::Warning),
        Lines{unknown
              + " was not recognised: it is not a turn report, an exchange file, a battle file or a faction list."});
}

TEST_F(MapToolWindowsTest, DroppedBattleExchangeAndFactionFilesGoWhereTheyBelong)
{
    BattleSetup battle;
    battle.Left.resize(2);
    const std::string battleFile = files.File("fight.dat");
    ASSERT_TRUE(SaveBattleFile(battleFile, battle));
    int leftUnits = -1;
    Opens<TfrmCombats>([&] { window.DropFiles({battleFile}); },
                       [&](TfrmCombats& combats) { leftUnits = Child<QListWidget>(combats, "lstLeft")->count(); });
    EXPECT_EQ(leftUnits, 2);

    const std::string exchange = files.Write("allies.txt", "VERSION,2.31\r\n");
    QString preset;
    Opens<TfrmImportData>(
        [&] { window.DropFiles({exchange}); },
        [&](TfrmImportData& importData) { preset = Child<QLineEdit>(importData, "txtFilename")->text(); });
    EXPECT_EQ(preset.toStdString(), exchange);

    window.DropFiles({files.Write("factions", "The Seventh (7), seven@example.org\n")});
    EXPECT_NE(workspace.Factions.Find(7), nullptr);
}

}  // namespace
}  // namespace korvane::testing
