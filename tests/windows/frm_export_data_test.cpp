// The "Export Data" window driven as a player would: its preset from the map view, the gate
// switches, the refusals, and the file written with the details and level chosen.
#include "windows/frm_export_data.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/map_viewport.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/map_rectangle_boxes.h"
#include "windows/window_test_helpers.h"
#include "workspace/workspace.h"

#include <QRadioButton>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;
using testing::Lines;

/// "level:x,y=gate" for every hex line of an exchange file.
Lines GateFields(const std::string& text)
{
    Lines gates;
    for (const QString& line : QString::fromStdString(text).split("\r\n", Qt::SkipEmptyParts).mid(1)) {
        const QStringList f = line.split(',');
        gates.push_back(QString("%1:%2,%3=%4").arg(f[0], f[1], f[2], f.value(7)).toStdString());
    }
    return gates;
}

class ExportDataWindow : public testing::WindowTest
{
protected:
    ExportDataWindow()
    {
        for (auto [level, x, y, gate] : {std::tuple{0, 10, 20, 17}, {0, 11, 21, 0}, {0, 40, 40, 3}, {1, 10, 20, 0}}) {
            TMapCell& cell = *workspace.Map.EnsureCell(level, x, y);
            cell.Terrain = 2;
            cell.Gate = gate;
        }
        window = std::make_unique<TfrmExportData>(workspace, ui, nullptr);
        window->show();
    }
    const QWidget& Window() const override { return *window; }

    testing::TempDir dir;
    Workspace workspace{dir.Path()};
    testing::ScriptedInteraction ui;
    std::unique_ptr<TfrmExportData> window;
};

TEST_F(ExportDataWindow, PresetTakesTheViewsDetailsLevelAndRectangle)
{
    Toggle("chkComments");
    MapViewport view;
    std::tie(view.ViewLevel, view.ViewLeft, view.ViewTop, view.ViewCols, view.ViewRows) = std::tuple(1, 8, 2, 12, 10);
    window->Preset(PresetFromView(view, doTownIcons | doTownNames | doGates | doOther | doHexCoords));
    EXPECT_EQ(RectangleShown(), QStringList({"8", "2", "18", "10"}));
    EXPECT_EQ(TickedNames(), "chkTownNames chkGates chkOther chkComments optunderworld")
        << "the map view has no comments switch";

    // Numbers need their gates.
    Toggle("chkGates");
    Toggle("chkGateNos");
    EXPECT_TRUE(Ticked("chkGates"));
    Toggle("chkGates");
    EXPECT_FALSE(Ticked("chkGateNos"));

    Click("cmdSelAllMap");
    EXPECT_EQ(RectangleShown(), QStringList({"0", "0", "320", "192"}));
}

TEST_F(ExportDataWindow, RefusalsSayWhatIsWrongAndWriteNothing)
{
    Type("txtFilename", "  ");
    Click("cmdExport");
    EXPECT_EQ(ui.Texts(Kind::Error), Lines{"Bad file name ... bad, BAD file name."});

    ui.shown.clear();
    Type("txtFilename", QString::fromStdString(dir.Write("out.kvd", "keep me")));
    TypeRectangle("0", "0", "20", "20");
    Click("cmdExport");
    EXPECT_EQ(ui.Texts(Kind::YesNo), Lines{"File exist. Do you wish to overwrite it ?"});
    EXPECT_EQ(ui.shown.size(), 1u);

    // Corrected into the grid and written back before the order of the corners is checked;
    // either wrong order sends the player to Left.
    ui.defaultYesNo = true;
    ui.shown.clear();
    TypeRectangle("-4", "-9", "-2", "500");
    Click("cmdExport");
    EXPECT_EQ(RectangleShown(), QStringList({"0", "0", "-2", "192"}));
    EXPECT_EQ(Focused(), "txtLeft");
    Get<QLineEdit>("txtFilename")->setFocus();
    TypeRectangle("0", "30", "20", "10");
    Click("cmdExport");
    EXPECT_EQ(ui.Texts(Kind::Warning),
              Lines({"Errr, I think you want to make Left <= Right.",
                     "Sadly, my coordinate system requires Top <= Bottom. Try again."}));
    EXPECT_EQ(Focused(), "txtLeft");
    EXPECT_EQ(dir.Read("out.kvd"), "keep me");
}

TEST_F(ExportDataWindow, ExportWritesTheRectangleOfTheLevelChosenWithTheGateDetailsTicked)
{
    Type("txtFilename", " out.kvd ");  // beside the program, not wherever it was started from
    TypeRectangle("10", "20", "11", "21");
    Toggle("chkGates");
    Click("cmdExport");
    EXPECT_EQ(ui.Texts(Kind::Info), Lines{"Exported 2 hexes."});
    EXPECT_EQ(GateFields(dir.Read("out.kvd")), Lines({"0:10,20=999", "0:11,21="}));
    EXPECT_TRUE(window->isVisible());

    ui.defaultYesNo = true;
    Toggle("chkGateNos");
    Click("cmdExport");
    EXPECT_EQ(GateFields(dir.Read("out.kvd")), Lines({"0:10,20=17", "0:11,21=0"}));

    Get<QRadioButton>("optunderworld")->setChecked(true);
    Click("cmdSelAllMap");
    Click("cmdExport");
    EXPECT_EQ(GateFields(dir.Read("out.kvd")), Lines{"1:10,20=0"});
}

TEST_F(ExportDataWindow, FileThatCannotBeWrittenIsReported)
{
    dir.Write("plain", "x");
    Type("txtFilename", QString::fromStdString(dir.File("plain/out.kvd")));
    Click("cmdExport");
    const Lines errors = ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Unable to write the exchange file " + dir.File("plain/out.kvd"), 0), 0u) << errors[0];
    EXPECT_TRUE(ui.Texts(Kind::Info).empty()) << "no count of hexes that were not written";
}

TEST_F(ExportDataWindow, BrowseStartsBesideTheProgramAndAddsTheExtension)
{
    QString openedIn;
    testing::AnswerFileDialog(openedIn, "north");
    Click("cmdBrowse");
    EXPECT_EQ(openedIn.toStdString(), dir.Path());
    EXPECT_EQ(Text("txtFilename").toStdString(), dir.File("north.KVD"));
}

}  // namespace
}  // namespace korvane
