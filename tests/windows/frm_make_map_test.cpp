// The "Generate Map" window driven as a player would: its starting file name and preset, the
// switches that go together, the refusals with the box to correct, and the bitmap written.
#include "windows/frm_make_map.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/map_viewport.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/window_test_helpers.h"
#include "workspace/workspace.h"

#include <QImage>
#include <QProgressDialog>
#include <QPushButton>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <tuple>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;

class MakeMapWindow : public testing::WindowTest
{
protected:
    MakeMapWindow()
    {
        std::filesystem::create_directory(dir.File("maps"));
        workspace.Settings.MapDir = dir.File("maps");
        Open();
    }
    const QWidget& Window() const override { return *window; }

    void Open()
    {
        window = std::make_unique<TfrmMakeMap>(workspace, ui, nullptr);
        window->show();
    }
    void Rectangle(const QString& left, const QString& top, const QString& right, const QString& bottom,
                   const QString& scale) const
    {
        TypeRectangle(left, top, right, bottom);
        Type("txtScale", scale);
    }

    testing::TempDir dir;
    Workspace workspace{dir.Path()};
    testing::ScriptedInteraction ui;
    std::unique_ptr<TfrmMakeMap> window;
};

TEST_F(MakeMapWindow, FileNameStartsInTheMapFolderOrBesideTheProgram)
{
    EXPECT_EQ(Text("txtFilename").toStdString(), dir.File("maps") + "/MAP1.BMP");
    workspace.Settings.MapDir.clear();
    Open();
    EXPECT_EQ(Text("txtFilename").toStdString(), dir.File("MAP1.BMP"));
}

TEST_F(MakeMapWindow, PresetFromTheMapViewAndTheSwitchesThatGoTogether)
{
    MapViewport view;
    std::tie(view.ViewLevel, view.Zoom, view.ViewLeft, view.ViewTop, view.ViewCols,
             view.ViewRows) = std::tuple(1, 7, 30, 12, 20, 16);
    Toggle("chkGateNos");
    // The map window has no gate numbers to hand over: those ticked here stay with their gates.
    window->Preset(PresetFromView(view, doTownNames | doGates | doShafts | doTroops));
    EXPECT_EQ(RectangleShown(), QStringList({"30", "12", "48", "26"}));
    EXPECT_EQ(Text("txtScale"), "7");
    EXPECT_EQ(TickedNames(), "chkTownIcons chkTownNames chkGates chkGateNos chkShafts optunderworld")
        << "names come with their icons";

    // Gates switched off take their numbers with them.
    window->Preset(PresetFromView(view, doHexCoords | doOther | doUnconfirmed));
    EXPECT_EQ(TickedNames(), "chkHexCoords chkOther chkShowUnconfirmed optunderworld");
    view.ViewLevel = 0;
    window->Preset(PresetFromView(view, 0));
    EXPECT_EQ(TickedNames(), "optOverworld");

    // Names need their icons and numbers their gates; the base alone is fine.
    Toggle("chkTownNames");
    Toggle("chkGateNos");
    EXPECT_EQ(TickedNames(), "chkTownIcons chkTownNames chkGates chkGateNos optOverworld");
    Toggle("chkTownIcons");
    Toggle("chkGates");
    Toggle("chkTownIcons");
    EXPECT_EQ(TickedNames(), "chkTownIcons optOverworld");
}

struct Refusal
{
    const char* name;
    const char* fileName;  // "" keeps the window's
    const char* left;
    const char* top;
    const char* scale;
    Kind kind;
    const char* message;
    const char* focus;
};

class MakeMapRefusal : public MakeMapWindow, public ::testing::WithParamInterface<Refusal>
{
};

TEST_P(MakeMapRefusal, SaysWhatIsWrongOnceWritesNothingAndPointsAtTheBox)
{
    const Refusal& r = GetParam();
    if (*r.fileName)
        Type("txtFilename", r.fileName);
    Rectangle(r.left, r.top, "4", "4", r.scale);
    Click("cmdMakeMap");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, r.kind);
    EXPECT_EQ(ui.shown[0].text, r.message);
    EXPECT_EQ(Focused(), r.focus);
    EXPECT_FALSE(std::filesystem::exists(dir.File("maps/MAP1.BMP")));
    EXPECT_TRUE(window->isVisible());
}

constexpr const char* kTooSmall = "Jeeesh, you really want the map small. Sorry, 1 is as small as I go.";

// One refusal for each box the player can be sent back to.
INSTANTIATE_TEST_SUITE_P(, MakeMapRefusal,
                         ::testing::Values(Refusal{"BlankFileName", "   ", "0", "0", "3", Kind::Error,
                                                   "Bad file name ... bad, BAD file name.", "txtFilename"},
                                           Refusal{"LeftBeyondRight", "", "9", "0", "3", Kind::Warning,
                                                   "Errr, I think you want to make Left <= Right.", "txtLeft"},
                                           Refusal{"TopBelowBottom", "", "0", "9", "3", Kind::Warning,
                                                   "Sadly, my coordinate system requires Top <= Bottom. Try again.",
                                                   "txtTop"},
                                           Refusal{"ScaleZero", "", "0", "0", "0", Kind::Error, kTooSmall, "txtScale"}),
                         [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(MakeMapWindow, RectangleIsCorrectedIntoTheGridBeforeTheScaleIsChecked)
{
    Rectangle("-5", "-2", "400", "300", "");
    Click("cmdMakeMap");
    EXPECT_EQ(RectangleShown(), QStringList({"0", "0", "320", "192"}));
    EXPECT_EQ(ui.Texts(Kind::Error), testing::Lines{kTooSmall});
}

TEST_F(MakeMapWindow, MapIsWrittenAtItsSizeAndReplacedOnlyAfterYes)
{
    Rectangle("10", "10", "10", "10", "4");
    Type("txtTitle", "  Home  ");
    Click("cmdMakeMap");
    EXPECT_TRUE(ui.shown.empty());
    const QString file = QString::fromStdString(dir.File("maps/MAP1.BMP"));
    // Scale 4: side 24, hex height 21; 3.5 sides wide and 2.5 hex heights high, plus the margins.
    EXPECT_EQ(QImage(file, "BMP").size(), QSize(84 + 60, 52 + 5 + 68));
    EXPECT_TRUE(window->isVisible());

    Type("txtScale", "1");
    Click("cmdMakeMap");
    EXPECT_EQ(ui.Texts(Kind::YesNo), testing::Lines{"File exist. Do you wish to overwrite it ?"});
    EXPECT_EQ(QImage(file, "BMP").size(), QSize(144, 125)) << "kept on No";
    ui.yesNoAnswers.push_back(true);
    Click("cmdMakeMap");
    EXPECT_EQ(QImage(file, "BMP").size(), QSize(21 + 60, 12 + 73));
}

TEST_F(MakeMapWindow, FileThatCannotBeWrittenIsReported)
{
    // A folder cannot be made where a plain file is.
    dir.Write("plain", "x");
    Type("txtFilename", QString::fromStdString(dir.File("plain/map.bmp")));
    Rectangle("0", "0", "2", "2", "1");
    Click("cmdMakeMap");
    const testing::Lines errors = ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Unable to write the map bitmap " + dir.File("plain/map.bmp"), 0), 0u) << errors[0];
}

TEST_F(MakeMapWindow, CancelledMapLeavesNoFileAndNoComplaint)
{
    // The whole world at the largest scale takes long enough for the progress to show.
    Click("cmdSelAllMap");
    Type("txtScale", "10");
    testing::WhenModalShown<QProgressDialog>([](QProgressDialog* progress) {
        QTest::mouseClick(progress->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    });
    Click("cmdMakeMap");
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("maps/MAP1.BMP")));
}

TEST_F(MakeMapWindow, BrowseStartsAtTheFileNameAndTakesTheChoice)
{
    QString openedIn;
    testing::AnswerFileDialog(openedIn, dir.File("maps/world.bmp"));
    Click("cmdBrowse");
    EXPECT_EQ(openedIn.toStdString(), dir.File("maps"));
    EXPECT_EQ(Text("txtFilename").toStdString(), dir.File("maps/world.bmp"));

    // A bare name is looked for beside the program; cancelling keeps the name.
    Type("txtFilename", "bare.bmp");
    testing::AnswerFileDialog(openedIn, "");
    Click("cmdBrowse");
    EXPECT_EQ(openedIn.toStdString(), dir.Path());
    EXPECT_EQ(Text("txtFilename"), "bare.bmp");
}

}  // namespace
}  // namespace korvane
