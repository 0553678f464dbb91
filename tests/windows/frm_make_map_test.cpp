// The "Generate Map" window: file name, preset, coupled switches, refusals and the bitmap written.
#include "windows/frm_make_map.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/map_viewport.h"
#include "windows/workspace_window_test.h"

#include <QImage>
#include <QProgressDialog>

namespace korvane {
namespace {

class MakeMapWindow : public testing::WorkspaceWindowTest<TfrmMakeMap>
{
protected:
    MakeMapWindow()
    {
        std::filesystem::create_directory(dir.File("maps"));
        workspace.Settings.MapDir = dir.File("maps");
        Open();
    }
};

TEST_F(MakeMapWindow, PresetFromTheMapViewTheSwitchesThatGoTogetherAndRefusalsThatPointAtTheBoxAndWriteNothing)
{
    MapViewport view{.ViewLevel = 1, .Zoom = 7, .ViewLeft = 30, .ViewTop = 12, .ViewCols = 20, .ViewRows = 16};
    Toggle("chkGateNos");
    // The map window has no gate numbers to hand over: those ticked here stay with their gates.
    window->Preset(PresetFromView(view, doHexCoords | doTownNames | doGates | doShafts | doTroops | doUnconfirmed));
    EXPECT_EQ(std::tuple(RectangleShown(), Text("txtScale")), std::tuple(QStringList({"30", "12", "48", "26"}), "7"));
    EXPECT_EQ(TickedNames(),
              "chkHexCoords chkTownIcons chkTownNames chkGates chkGateNos chkShafts chkShowUnconfirmed optunderworld")
        << "names come with their icons";
    // Icons switched off take their names with them, gates their numbers.
    Toggle("chkTownIcons");
    Toggle("chkGates");
    EXPECT_EQ(TickedNames(), "chkHexCoords chkShafts chkShowUnconfirmed optunderworld");
    view.ViewLevel = 0;
    window->Preset(PresetFromView(view, doOther));
    EXPECT_EQ(TickedNames(), "chkOther optOverworld");

    // Refusals say what is wrong once, point at the box and write nothing.
    const QString name = Text("txtFilename");
    Type("txtScale", "3");
    // File name ("" keeps the window's), left, top, what is said, the box to correct.
    for (auto [file, left, top, said, focus] :
         {std::tuple{"   ", "0", "0", "error: Bad file name ... bad, BAD file name.", "txtFilename"},
          {"", "9", "0", "warning: Errr, I think you want to make Left <= Right.", "txtLeft"},
          {"", "0", "9", "warning: Sadly, my coordinate system requires Top <= Bottom. Try again.", "txtTop"}}) {
        SCOPED_TRACE(said);
        Type("txtFilename", *file ? file : name);
        TypeRectangle(left, top, "4", "4");
        EXPECT_EQ(Said("cmdMakeMap"), Lines{said});
        EXPECT_EQ(Focused(), focus);
    }
    // The rectangle is corrected into the grid before the scale is checked.
    TypeRectangle("-5", "-2", "400", "300");
    Type("txtScale", "");
    EXPECT_EQ(Said("cmdMakeMap"), Lines{"error: Jeeesh, you really want the map small. Sorry, 1 is as small as I go."});
    EXPECT_EQ(std::tuple(RectangleShown(), Focused()), std::tuple(QStringList({"0", "0", "320", "192"}), "txtScale"));
    EXPECT_FALSE(Exists("maps/MAP1.BMP"));
    // A file that cannot be written (no folder can be made where a plain file is) is reported.
    dir.Write("plain", "x");
    Type("txtFilename", QString::fromStdString(dir.File("plain/map.bmp")));
    TypeRectangle("0", "0", "2", "2");
    Type("txtScale", "1");
    Said("cmdMakeMap");
    ExpectOneError("Unable to write the map bitmap " + dir.File("plain/map.bmp"));
}

TEST_F(MakeMapWindow, CancelledMapLeavesNoFileAndAMapIsWrittenAtItsSize)
{
    EXPECT_EQ(Text("txtFilename").toStdString(), dir.File("maps") + "/MAP1.BMP") << "named in the map folder";
    // The whole world at the largest scale takes long enough for the progress to show.
    Click("cmdSelAllMap");
    Type("txtScale", "10");
    testing::WhenModalShown<QProgressDialog>([](QProgressDialog* progress) {
        QTest::mouseClick(progress->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    EXPECT_EQ(Said("cmdMakeMap"), Lines{}) << "no complaint";
    EXPECT_FALSE(Exists("maps/MAP1.BMP"));

    TypeRectangle("10", "10", "10", "10");
    Type("txtScale", "4");
    Type("txtTitle", "  Home  ");
    EXPECT_EQ(Said("cmdMakeMap"), Lines{});
    // Scale 4: side 24, hex height 21; 3.5 sides wide and 2.5 hex heights high, plus the margins.
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("maps/MAP1.BMP")), "BMP").size(), QSize(84 + 60, 52 + 5 + 68));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace korvane
