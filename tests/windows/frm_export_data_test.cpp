// The "Export Data" window: its preset, the gate switches, the refusals and the file written.
#include "windows/frm_export_data.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/map_viewport.h"
#include "windows/map_rectangle_boxes.h"
#include "windows/workspace_window_test.h"

namespace korvane {
namespace {

class ExportDataWindow : public testing::WorkspaceWindowTest<TfrmExportData>
{
protected:
    ExportDataWindow()
    {
        for (auto [level, x, y, gate] : {std::tuple{0, 10, 20, 17}, {1, 40, 40, 3}, {1, 10, 20, 5}}) {
            TMapCell& cell = *workspace.Map.EnsureCell(level, x, y);
            cell.Terrain = 2;
            cell.Gate = gate;
        }
        Open();
    }
};

TEST_F(ExportDataWindow, PresetTakesTheViewsDetailsLevelAndRectangleAndRefusalsWriteNothing)
{
    Toggle("chkComments");
    window->Preset(PresetFromView({.ViewLevel = 1, .ViewLeft = 8, .ViewTop = 2, .ViewCols = 12, .ViewRows = 10},
                                  doTownIcons | doTownNames | doGates | doOther | doHexCoords));
    EXPECT_EQ(RectangleShown(), QStringList({"8", "2", "18", "10"}));
    EXPECT_EQ(TickedNames(), "chkTownNames chkGates chkOther chkComments optunderworld")
        << "the map view has no comments switch";

    Toggle("chkGates");
    Toggle("chkGateNos");
    EXPECT_TRUE(Ticked("chkGates")) << "numbers need their gates";

    Click("cmdSelAllMap");
    EXPECT_EQ(RectangleShown(), QStringList({"0", "0", "320", "192"}));
    // Browse starts beside the program and adds the extension.
    QString openedIn;
    testing::AnswerFileDialog(openedIn, "north");
    Click("cmdBrowse");
    EXPECT_EQ(std::tuple(openedIn.toStdString(), Text("txtFilename").toStdString()),
              std::tuple(dir.Path(), dir.File("north.KVD")));
    // Refusals say what is wrong and write nothing.
    Type("txtFilename", "  ");
    EXPECT_EQ(Said("cmdExport"), Lines{"error: Bad file name ... bad, BAD file name."});
    Type("txtFilename", QString::fromStdString(dir.Write("out.kvd", "keep me")));
    TypeRectangle("0", "0", "20", "20");
    EXPECT_EQ(Said("cmdExport"), Lines{"question: File exist. Do you wish to overwrite it ?"});

    // Corrected into the grid and shown before the corners' order is checked; either wrong order goes to Left.
    ui.defaultYesNo = true;
    TypeRectangle("-4", "-9", "-2", "500");
    Click("cmdExport");
    EXPECT_EQ(RectangleShown(), QStringList({"0", "0", "-2", "192"}));
    EXPECT_EQ(Focused(), "txtLeft");
    Get<QLineEdit>("txtFilename")->setFocus();
    TypeRectangle("0", "30", "20", "10");
    Click("cmdExport");
    EXPECT_EQ(std::tuple(Focused(), dir.Read("out.kvd")), std::tuple(QString("txtLeft"), std::string("keep me")));
    // A file that cannot be written is reported, with no count of hexes.
    dir.Write("plain", "x");
    Type("txtFilename", QString::fromStdString(dir.File("plain/out.kvd")));
    TypeRectangle("0", "0", "20", "20");
    Said("cmdExport");
    ExpectOneError("Unable to write the exchange file " + dir.File("plain/out.kvd"));
    // Written: the hexes of the level chosen within the rectangle, gates with their numbers.
    Type("txtFilename", QString::fromStdString(dir.File("out.kvd")));
    Click("cmdExport");
    const QStringList lines = QString::fromStdString(dir.Read("out.kvd")).split("\r\n", Qt::SkipEmptyParts);
    const QStringList hex = lines.value(1).split(',');  // level, x, y, then the gate in the eighth field
    EXPECT_EQ(std::tuple(lines.size(), hex.mid(0, 3).join(','), hex.value(7)), std::tuple(2, "1,10,20", "5"));
}

}  // namespace
}  // namespace korvane
