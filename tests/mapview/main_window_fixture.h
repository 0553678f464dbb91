// The main window on a fresh program folder: what every main-window test starts from.
#pragma once

#include "mapview/map_builders.h"
#include "mapview/render/hex_geometry.h"
#include "mapview/windows/frm_map.h"
#include "support/file_dialog_answer.h"
#include "support/generated_report.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/window_test_helpers.h"
#include "workspace/workspace.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace korvane::testing {

using Kind = ScriptedInteraction::Kind;

/// A mouse event at `at` on `widget`, as the pointer would send it.
inline void SendMouse(QWidget& widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button = Qt::NoButton,
                      Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

class MainWindowTest : public ::testing::Test
{
protected:
    /// Reads the program folder as the program does at its start; no database is an empty world.
    void Start() { ASSERT_TRUE(window.StartUp()); }
    /// Shown at the size the tests are drawn for; `active` when keys or the cursor matter.
    void Show(bool active = false, int width = 900, int height = 650)
    {
        window.resize(width, height);
        window.show();
        if (active) {
            window.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        }
    }

    const FrmMapWidgets& W() const { return window.Widgets(); }
    const FrmMapMenus& M() const { return window.Menus(); }
    const MapViewport& View() const { return window.Canvas().View(); }
    HexPosition HexAt(const QPoint& at) const { return HexAtPoint(View(), at.x(), at.y()); }
    QPoint CentreOf(int x, int y) const
    {
        const HexGeometry hex = HexGeometry::ForZoom(View().Zoom);
        return {hex.BoxLeft(x, View().ViewLeft, 4) + hex.S / 2, hex.BoxTop(y, View().ViewTop, 4) + hex.Hh};
    }
    /// Whether hex (x, y) lies inside the view, away from its edges.
    bool InView(int x, int y) const
    {
        return x > View().ViewLeft && x < View().ViewLeft + View().ViewCols && y > View().ViewTop
            && y < View().ViewTop + View().ViewRows;
    }
    const std::string& Last() const { return ui.shown.back().text; }
    bool LastHas(const std::string& part) const { return Last().find(part) != std::string::npos; }
    bool Written(const std::string& line) const { return home.Read("ATLANTIS.INI").find(line) != std::string::npos; }
    TMapCell& Hex(int x, int y, const char* terrain = "plain")
    {
        return Land(workspace.Map, x, y, workspace.Map.TerrainIndex(terrain));
    }
    /// Imports a generated report of `month` through the window, the faction number known.
    void Import(const std::string& name, int month = 1, int columns = 4, int rows = 6)
    {
        window.ImportTurnFile(home.Write(name, GenerateReport({.month = month, .columns = columns, .rows = rows})));
    }

    TempDir home;
    Workspace workspace{home.Path()};
    ScriptedInteraction ui;
    TfrmMAP window{workspace, ui};
};

/// Started on its folder; shown when `shown`, and active when keys or the cursor matter.
template <bool shown, bool active = false>
class OpenMainWindow : public MainWindowTest
{
protected:
    void SetUp() override
    {
        Start();
        if (shown)
            Show(active);
    }
};
using StartedMainWindow = OpenMainWindow<false>;
using ShownMainWindow = OpenMainWindow<true>;
using ActiveMainWindow = OpenMainWindow<true, true>;

}  // namespace korvane::testing
