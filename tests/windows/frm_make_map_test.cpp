// The "Generate Map" window driven as a player would: its starting file name and preset, the
// switches that go together, the refusals with the box to correct, and the bitmap written.
#include "windows/frm_make_map.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/map_viewport.h"
#include "support/file_dialog_answer.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;

class MakeMapWindow : public ::testing::Test
{
protected:
    MakeMapWindow()
    {
        std::filesystem::create_directory(dir.File("maps"));
        workspace.Settings.MapDir = dir.File("maps");
        Open();
    }

    void Open()
    {
        window = std::make_unique<TfrmMakeMap>(workspace, ui, nullptr);
        window->show();
    }

    template <typename T = QPushButton>
    T* Get(const char* name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* button) const { QTest::mouseClick(Get(button), Qt::LeftButton); }
    /// A click on the box's tick, which wide boxes do not have in their middle.
    void Toggle(const char* box) const
    {
        QCheckBox* tick = Get<QCheckBox>(box);
        QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(8, tick->height() / 2));
    }
    bool Checked(const char* box) const { return Get<QCheckBox>(box)->isChecked(); }
    QString Text(const char* edit) const { return Get<QLineEdit>(edit)->text(); }
    void Type(const char* edit, const QString& text) const { Get<QLineEdit>(edit)->setText(text); }
    void Rectangle(const QString& left, const QString& top, const QString& right, const QString& bottom,
                   const QString& scale) const
    {
        Type("txtLeft", left);
        Type("txtTop", top);
        Type("txtRight", right);
        Type("txtBottom", bottom);
        Type("txtScale", scale);
    }
    /// The name of the box that got the focus last.
    QString Focused() const { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }

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

TEST_F(MakeMapWindow, PresetFromTheMapViewFillsSwitchesLevelRectangleAndScale)
{
    MapViewport view;
    view.ViewLevel = 1;
    view.Zoom = 7;
    view.ViewLeft = 30;
    view.ViewTop = 12;
    view.ViewCols = 20;
    view.ViewRows = 16;
    Toggle("chkGateNos");  // checks the gates too
    window->Preset(PresetFromView(view, doTownNames | doGates | doShafts | doTroops));

    EXPECT_EQ(Text("txtLeft"), "30");
    EXPECT_EQ(Text("txtTop"), "12");
    EXPECT_EQ(Text("txtRight"), "48");
    EXPECT_EQ(Text("txtBottom"), "26");
    EXPECT_EQ(Text("txtScale"), "7");
    EXPECT_TRUE(Get<QRadioButton>("optunderworld")->isChecked());
    EXPECT_TRUE(Checked("chkTownNames"));
    EXPECT_TRUE(Checked("chkTownIcons")) << "names come with their icons";
    EXPECT_TRUE(Checked("chkGates"));
    EXPECT_TRUE(Checked("chkGateNos")) << "the map window has no gate numbers to hand over";
    EXPECT_TRUE(Checked("chkShafts"));
    EXPECT_FALSE(Checked("chkOther"));

    // Gates switched off take their numbers with them.
    window->Preset(PresetFromView(view, doHexCoords | doOther | doUnconfirmed));
    EXPECT_FALSE(Checked("chkGates"));
    EXPECT_FALSE(Checked("chkGateNos"));
    EXPECT_FALSE(Checked("chkTownNames"));
    EXPECT_TRUE(Checked("chkHexCoords"));
    EXPECT_TRUE(Checked("chkShowUnconfirmed"));
    view.ViewLevel = 0;
    window->Preset(PresetFromView(view, 0));
    EXPECT_TRUE(Get<QRadioButton>("optOverworld")->isChecked());
}

TEST_F(MakeMapWindow, NamesNeedIconsAndNumbersNeedGates)
{
    Toggle("chkTownNames");
    EXPECT_TRUE(Checked("chkTownIcons"));
    Toggle("chkTownIcons");
    EXPECT_FALSE(Checked("chkTownNames"));
    Toggle("chkTownIcons");
    EXPECT_FALSE(Checked("chkTownNames")) << "icons alone are fine";

    Toggle("chkGateNos");
    EXPECT_TRUE(Checked("chkGates"));
    Toggle("chkGates");
    EXPECT_FALSE(Checked("chkGateNos"));
    Toggle("chkGates");
    EXPECT_FALSE(Checked("chkGateNos"));
}

struct Refusal
{
    const char* name;
    const char* fileName;  // relative to the test folder; "" keeps the window's
    const char* left;
    const char* top;
    const char* right;
    const char* bottom;
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
    Rectangle(r.left, r.top, r.right, r.bottom, r.scale);
    Click("cmdMakeMap");
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].kind, r.kind);
    EXPECT_EQ(ui.shown[0].text, r.message);
    EXPECT_EQ(Focused(), r.focus);
    EXPECT_FALSE(std::filesystem::exists(dir.File("maps/MAP1.BMP")));
    EXPECT_TRUE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    , MakeMapRefusal,
    ::testing::Values(
        Refusal{"BlankFileName", "   ", "0", "0", "4", "4", "3", Kind::Error, "Bad file name ... bad, BAD file name.",
                "txtFilename"},
        Refusal{"LeftBeyondRight", "", "9", "0", "4", "4", "3", Kind::Warning,
                "Errr, I think you want to make Left <= Right.", "txtLeft"},
        Refusal{"TopBelowBottom", "", "0", "9", "4", "4", "3", Kind::Warning,
                "Sadly, my coordinate system requires Top <= Bottom. Try again.", "txtTop"},
        Refusal{"ScaleZero", "", "0", "0", "4", "4", "0", Kind::Error,
                "Jeeesh, you really want the map small. Sorry, 1 is as small as I go.", "txtScale"},
        Refusal{"ScaleEmpty", "", "0", "0", "4", "4", "", Kind::Error,
                "Jeeesh, you really want the map small. Sorry, 1 is as small as I go.", "txtScale"},
        Refusal{"ScaleTwelve", "", "0", "0", "4", "4", "12", Kind::Error,
                "Whoa ... that's a little BIG. 10 is as large as I go.", "txtScale"}),
    [](const ::testing::TestParamInfo<Refusal>& info) { return std::string(info.param.name); });

TEST_F(MakeMapWindow, RectangleIsCorrectedIntoTheGridBeforeTheScaleIsChecked)
{
    Rectangle("-5", "-2", "400", "300", "0");
    Click("cmdMakeMap");
    const QStringList wholeGrid{"0", "0", "320", "192"};
    EXPECT_EQ(QStringList({Text("txtLeft"), Text("txtTop"), Text("txtRight"), Text("txtBottom")}), wholeGrid);
    EXPECT_EQ(ui.Texts(Kind::Error),
              std::vector<std::string>{"Jeeesh, you really want the map small. Sorry, 1 is as small as I go."});
}

TEST_F(MakeMapWindow, OneHexMapIsWrittenAtItsSizeAndTheWindowStaysOpen)
{
    Rectangle("10", "10", "10", "10", "4");
    Type("txtTitle", "  Home  ");
    Click("cmdMakeMap");
    EXPECT_TRUE(ui.shown.empty());
    const QImage written(QString::fromStdString(dir.File("maps/MAP1.BMP")), "BMP");
    // Scale 4: side 24, hex height 21; 3.5 sides wide and 2.5 hex heights high, plus the margins.
    EXPECT_EQ(written.size(), QSize(84 + 60, 52 + 5 + 68));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MakeMapWindow, ExistingFileIsReplacedOnlyAfterYes)
{
    const std::string file = dir.Write("maps/MAP1.BMP", "keep me");
    Rectangle("0", "0", "2", "2", "1");
    Click("cmdMakeMap");
    EXPECT_EQ(ui.Texts(Kind::YesNo), std::vector<std::string>{"File exist. Do you wish to overwrite it ?"});
    EXPECT_EQ(dir.Read("maps/MAP1.BMP"), "keep me");

    ui.yesNoAnswers.push_back(true);
    Click("cmdMakeMap");
    EXPECT_EQ(ui.Texts(Kind::YesNo).size(), 2u);
    EXPECT_FALSE(QImage(QString::fromStdString(file), "BMP").isNull());
}

TEST_F(MakeMapWindow, FileThatCannotBeWrittenIsReported)
{
    // A folder cannot be made where a plain file is.
    dir.Write("plain", "x");
    Type("txtFilename", QString::fromStdString(dir.File("plain/map.bmp")));
    Rectangle("0", "0", "2", "2", "1");
    Click("cmdMakeMap");
    const std::vector<std::string> errors = ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Unable to write the map bitmap " + dir.File("plain/map.bmp"), 0), 0u) << errors[0];
}

TEST_F(MakeMapWindow, CancelledMapLeavesNoFileAndNoComplaint)
{
    // The whole world at the largest scale takes long enough for the progress to show.
    Click("cmdSelAllMap");
    Type("txtScale", "10");
    testing::WhenModalShown<QProgressDialog>(
        [](QProgressDialog* progress) { QTest::mouseClick(progress->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton); });
    Click("cmdMakeMap");
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("maps/MAP1.BMP")));
}

TEST_F(MakeMapWindow, BrowseStartsAtTheFileNameAndTakesTheChoice)
{
    QString startedIn;
    const std::string chosen = dir.File("maps/world.bmp");
    testing::WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        startedIn = dialog->directory().absolutePath();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(chosen));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Click("cmdBrowse");
    EXPECT_EQ(startedIn.toStdString(), dir.File("maps"));
    EXPECT_EQ(Text("txtFilename").toStdString(), chosen);

    // A bare name is looked for beside the program; cancelling keeps the name.
    Type("txtFilename", "bare.bmp");
    testing::WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        startedIn = dialog->directory().absolutePath();
        QMetaObject::invokeMethod(dialog, "reject");
    });
    Click("cmdBrowse");
    EXPECT_EQ(startedIn.toStdString(), dir.Path());
    EXPECT_EQ(Text("txtFilename"), "bare.bmp");
}

}  // namespace
}  // namespace korvane
