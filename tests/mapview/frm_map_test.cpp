// The main window as the program opens it.
#include "mapview/windows/frm_map.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>

#include <tuple>

namespace korvane {
namespace {

TEST(MainWindow, OpensTitledKorvaneWithoutBotheringThePlayer)
{
    testing::TempDir home;
    Workspace workspace(home.Path());
    workspace.Settings.ReadSettings();
    testing::ScriptedInteraction ui;
    TfrmMAP window(workspace, ui);
    window.show();
    EXPECT_EQ(window.objectName(), "frmMAP");
    EXPECT_EQ(window.windowTitle(), "Korvane");
    // A first start in an empty folder has nothing to report.
    EXPECT_TRUE(ui.shown.empty());
}

TEST(MainWindow, HasTheNamedWidgetsOfItsLayout)
{
    testing::TempDir home;
    Workspace workspace(home.Path());
    testing::ScriptedInteraction ui;
    TfrmMAP window(workspace, ui);
    for (const char* name : {"pnlMain", "paintMap", "pnlRight", "imgSmallMap", "pnlZoom", "tabShow", "tsShow",
                             "tsHexInfo", "tsUnitInfo", "tsFaction", "pnlHexCoord", "pnlLastUpd", "pnlLEADUnits",
                             "pnlSERFMen", "pnlTOTUnits", "pnlMaint", "chkAllUnits", "lstHexFactions", "pnlCoords",
                             "cmdTurnD2", "cmdTurnD1", "pnlTurn", "cmdTurnU1", "cmdTurnU2", "lstTroopViews"})
        EXPECT_NE(window.findChild<QWidget*>(name), nullptr) << name;

    const FrmMapWidgets& w = window.Widgets();
    EXPECT_EQ(std::tuple(w.scrollH->minimum(), w.scrollH->maximum(), w.scrollV->maximum()), std::tuple(0, 320, 192));
    EXPECT_EQ(std::tuple(w.scrollScale->minimum(), w.scrollScale->maximum()), std::tuple(1, 10));
    EXPECT_EQ(std::tuple(w.udHintDelay->minimum(), w.udHintDelay->maximum()), std::tuple(1, 10));
    QStringList pages;
    for (int i = 0; i < w.tabShow->count(); ++i)
        pages << w.tabShow->tabText(i);
    EXPECT_EQ(pages, QStringList({"Show", "Hex", "Units", "Facs"}));
    EXPECT_EQ(w.chkShowHints->text(), " Show Hex Balloons");
    EXPECT_EQ(w.chkDrawGlobalMap->text(), " Update Global Map");
    EXPECT_EQ(w.pnlCoords->toolTip(), "Click to Jump to coordinate.");
    EXPECT_FALSE(w.lstTroopViews->isVisibleTo(&window)) << "hidden until the display lists come";
}

}  // namespace
}  // namespace korvane
