// The "Export Data" window driven as a player would: its preset from the map view, the gate
// switches, the refusals, and the file written with the details and level chosen.
#include "windows/frm_export_data.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/map_viewport.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/map_rectangle_boxes.h"
#include "windows/modal_driver.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <vector>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;

/// Field 7 (the gate) of every hex line of an exchange file, with its position.
std::vector<std::string> GateFields(const std::string& text)
{
    std::vector<std::string> gates;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);  // the version
    while (std::getline(lines, line)) {
        std::vector<std::string> fields;
        std::istringstream split(line);
        for (std::string field; std::getline(split, field, ',');)
            fields.push_back(field);
        gates.push_back(fields.size() > 7 ? fields[0] + ":" + fields[1] + "," + fields[2] + "=" + fields[7] : line);
    }
    return gates;
}

class ExportDataWindow : public ::testing::Test
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

    template <typename T = QPushButton>
    T* Get(const char* name) const
    {
        T* widget = window->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* button) const { QTest::mouseClick(Get(button), Qt::LeftButton); }
    void Tick(const char* box, bool on) const { Get<QCheckBox>(box)->setChecked(on); }
    bool Ticked(const char* box) const { return Get<QCheckBox>(box)->isChecked(); }
    QString Text(const char* edit) const { return Get<QLineEdit>(edit)->text(); }
    void Type(const char* edit, const QString& text) const { Get<QLineEdit>(edit)->setText(text); }
    void Rectangle(const QString& left, const QString& top, const QString& right, const QString& bottom) const
    {
        Type("txtLeft", left);
        Type("txtTop", top);
        Type("txtRight", right);
        Type("txtBottom", bottom);
    }
    QString Focused() const { return window->focusWidget() ? window->focusWidget()->objectName() : QString(); }

    testing::TempDir dir;
    Workspace workspace{dir.Path()};
    testing::ScriptedInteraction ui;
    std::unique_ptr<TfrmExportData> window;
};

TEST_F(ExportDataWindow, PresetTakesTheViewsDetailsLevelAndRectangle)
{
    Tick("chkComments", true);
    MapViewport view;
    view.ViewLevel = 1;
    view.ViewLeft = 8;
    view.ViewTop = 2;
    view.ViewCols = 12;
    view.ViewRows = 10;
    window->Preset(PresetFromView(view, doTownIcons | doTownNames | doGates | doOther | doHexCoords));
    EXPECT_EQ(Text("txtLeft"), "8");
    EXPECT_EQ(Text("txtTop"), "2");
    EXPECT_EQ(Text("txtRight"), "18");
    EXPECT_EQ(Text("txtBottom"), "10");
    EXPECT_TRUE(Get<QRadioButton>("optunderworld")->isChecked());
    EXPECT_TRUE(Ticked("chkTownNames"));
    EXPECT_TRUE(Ticked("chkGates"));
    EXPECT_TRUE(Ticked("chkOther"));
    EXPECT_FALSE(Ticked("chkShafts"));
    EXPECT_FALSE(Ticked("chkGateNos"));
    EXPECT_TRUE(Ticked("chkComments")) << "the map view has no comments switch";

    // Numbers need their gates.
    Tick("chkGates", false);
    Tick("chkGateNos", true);
    EXPECT_TRUE(Ticked("chkGates"));
    Tick("chkGates", false);
    EXPECT_FALSE(Ticked("chkGateNos"));

    Click("cmdSelAllMap");
    EXPECT_EQ(QStringList({Text("txtLeft"), Text("txtTop"), Text("txtRight"), Text("txtBottom")}),
              QStringList({"0", "0", "320", "192"}));
}

TEST_F(ExportDataWindow, RefusalsSayWhatIsWrongAndWriteNothing)
{
    Type("txtFilename", "  ");
    Click("cmdExport");
    EXPECT_EQ(ui.Texts(Kind::Error), std::vector<std::string>{"Bad file name ... bad, BAD file name."});

    ui.shown.clear();
    const std::string file = dir.Write("out.kvd", "keep me");
    Type("txtFilename", QString::fromStdString(file));
    Rectangle("0", "0", "20", "20");
    Click("cmdExport");
    EXPECT_EQ(ui.Texts(Kind::YesNo), std::vector<std::string>{"File exist. Do you wish to overwrite it ?"});
    EXPECT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(dir.Read("out.kvd"), "keep me");

    // Corrected into the grid and written back before the order of the corners is checked;
    // either wrong order sends the player to Left.
    ui.defaultYesNo = true;
    ui.shown.clear();
    Rectangle("-4", "-9", "-2", "500");
    Click("cmdExport");
    EXPECT_EQ(QStringList({Text("txtLeft"), Text("txtTop"), Text("txtRight"), Text("txtBottom")}),
              QStringList({"0", "0", "-2", "192"}));
    EXPECT_EQ(ui.Texts(Kind::Warning), std::vector<std::string>{"Errr, I think you want to make Left <= Right."});
    EXPECT_EQ(Focused(), "txtLeft");

    ui.shown.clear();
    Get<QLineEdit>("txtFilename")->setFocus();
    Rectangle("0", "30", "20", "10");
    Click("cmdExport");
    EXPECT_EQ(ui.Texts(Kind::Warning),
              std::vector<std::string>{"Sadly, my coordinate system requires Top <= Bottom. Try again."});
    EXPECT_EQ(Focused(), "txtLeft");
    EXPECT_EQ(dir.Read("out.kvd"), "keep me");
}

TEST_F(ExportDataWindow, ExportWritesTheRectangleOfTheLevelChosenWithTheGateDetailsTicked)
{
    Type("txtFilename", QString::fromStdString(dir.File("out.kvd")));
    Rectangle("10", "20", "11", "21");
    Tick("chkGates", true);
    Click("cmdExport");
    EXPECT_EQ(ui.Texts(Kind::Info), std::vector<std::string>{"Exported 2 hexes."});
    EXPECT_EQ(GateFields(dir.Read("out.kvd")), (std::vector<std::string>{"0:10,20=999", "0:11,21="}));
    EXPECT_TRUE(window->isVisible());

    ui.defaultYesNo = true;
    Tick("chkGateNos", true);
    Click("cmdExport");
    EXPECT_EQ(GateFields(dir.Read("out.kvd")), (std::vector<std::string>{"0:10,20=17", "0:11,21=0"}));

    Get<QRadioButton>("optunderworld")->setChecked(true);
    Click("cmdSelAllMap");
    Click("cmdExport");
    EXPECT_EQ(GateFields(dir.Read("out.kvd")), std::vector<std::string>{"1:10,20=0"});
}

TEST_F(ExportDataWindow, FileThatCannotBeWrittenIsReported)
{
    dir.Write("plain", "x");
    Type("txtFilename", QString::fromStdString(dir.File("plain/out.kvd")));
    Click("cmdExport");
    const std::vector<std::string> errors = ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("Unable to write the exchange file " + dir.File("plain/out.kvd"), 0), 0u) << errors[0];
    EXPECT_TRUE(ui.Texts(Kind::Info).empty()) << "no count of hexes that were not written";
}

TEST_F(ExportDataWindow, BrowseStartsBesideTheProgramAndAddsTheExtension)
{
    QString startedIn;
    testing::WhenModalShown<QFileDialog>([&](QFileDialog* dialog) {
        startedIn = dialog->directory().absolutePath();
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText("north");
        QMetaObject::invokeMethod(dialog, "accept");
    });
    Click("cmdBrowse");
    EXPECT_EQ(startedIn.toStdString(), dir.Path());
    EXPECT_EQ(Text("txtFilename").toStdString(), dir.File("north.KVD"));
}

}  // namespace
}  // namespace korvane
