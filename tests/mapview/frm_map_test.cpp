// The main window as the program opens it.
#include "mapview/windows/frm_map.h"

#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "workspace/workspace.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace korvane
