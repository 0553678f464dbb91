// The "Hex Details" window: what it shows of a hex, what it writes back, and how it closes.
#include "windows/frm_hex_info.h"

#include "people/unit.h"
#include "storage/map_cell_line.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <tuple>

namespace korvane {
namespace {

using testing::ScriptedInteraction;

class HexInfoTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const int grain = map.ProductList.Add("GRAI", "grain");
        const int horses = map.ProductList.Add("HORS", "horses");
        map.RegionList.Add("Lavan");
        lavan = map.RegionList.Add("Sunset Coast");
        map.RaceList.Add("vikings");
        elves = map.RaceList.Add("high elves");
        map.WeatherList.Add("clear");
        winter = map.WeatherList.Add("winter");

        hex = map.EnsureCell(0, 12, 4);
        std::tie(hex->Terrain, hex->Region, hex->Race, hex->Population) =
            std::tuple(map.TerrainIndex("forest"), lavan, elves, 4300);
        std::tie(hex->PopCenter, hex->PopCenterType) = std::tuple("Kelsey", kTown);
        std::tie(hex->Silver, hex->Wages, hex->MaxWages, hex->Entertainment) = std::tuple(1720, 13, 1500, 86);
        std::tie(hex->Gate, hex->Shaft, hex->Other, hex->Comments) = std::tuple(17, "Shaft", "Lair", "ask first");
        std::tie(hex->FactionNo, hex->Unconfirmed, hex->LastUpdate) = std::tuple(42, false, 14);
        std::tie(hex->WeatherWas, hex->WeatherNext) = std::tuple(0, winter);
        hex->Wanted = {{grain, 12, 40}};
        hex->ForSale = {{horses, -1, 65}};
        hex->Products = {{grain, 30, 0}, {horses, 12, 0}};
    }

    void Open(int level, int x, int y)
    {
        window = std::make_unique<TfrmHexInfo>(map, level, x, y, ui, nullptr);
    }

    template <typename T>
    T* Control(const char* name) const
    {
        T* control = window->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QString Text(const char* name) const
    {
        if (auto* edit = window->findChild<QLineEdit*>(name))
            return edit->text();
        return Control<QLabel>(name)->text();
    }
    QStringList Lines() const
    {
        QStringList lines;
        auto* lstProds = Control<QListWidget>("lstProds");
        for (int i = 0; i < lstProds->count(); ++i)
            lines << lstProds->item(i)->text();
        return lines;
    }
    void Retype(const char* name, const QString& text) const
    {
        auto* edit = Control<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    bool SaveEnabled() const { return Control<QPushButton>("cmdSave")->isEnabled(); }

    TMap map;
    int lavan = 0, elves = 0, winter = 0;
    TMapCell* hex = nullptr;
    ScriptedInteraction ui;
    std::unique_ptr<TfrmHexInfo> window;
};

TEST_F(HexInfoTest, ShowsEveryFieldOfTheHex)
{
    Open(0, 12, 4);
    EXPECT_FALSE(window->PathwayMode());
    EXPECT_EQ(Text("pnlCoords"), "12 , 4");
    EXPECT_EQ(Control<QComboBox>("lstTerrain")->currentText(), "Forest");
    EXPECT_EQ(Control<QComboBox>("lstTerrain")->count(), map.TerrainList.Count());
    EXPECT_EQ(Control<QComboBox>("lstProvince")->currentIndex(), lavan);
    EXPECT_EQ(Control<QComboBox>("lstRaces")->currentText(), "high elves");
    EXPECT_EQ(std::tuple(Text("txtPopCenter"), Text("txtNativeCount"), Text("txtSilver")),
              std::tuple("Kelsey", "4300", "1720"));
    EXPECT_EQ(std::tuple(Text("txtWages"), Text("pnlMaxWages"), Text("txtEntertain"), Text("txtGate")),
              std::tuple("13", "(1500)", "86", "17"));
    EXPECT_EQ(std::tuple(Text("txtOther"), Text("txtComments"), Text("txtFacNo")),
              std::tuple("Lair", "ask first", "42"));
    EXPECT_FALSE(Control<QLineEdit>("txtFacNo")->isVisibleTo(window.get()));
    EXPECT_TRUE(Control<QRadioButton>("optPopTown")->isChecked());
    EXPECT_TRUE(Control<QWidget>("pnlPopCenterType")->isEnabled());
    EXPECT_TRUE(Control<QCheckBox>("chkShaft")->isChecked());
    EXPECT_FALSE(Control<QCheckBox>("chkUnsure")->isChecked());
    EXPECT_EQ(std::tuple(Text("pnlLastWeather"), Text("pnlNextWeather")), std::tuple("clear", "winter"));
    EXPECT_EQ(Text("lblLastUpdate"), "Last import update - Turn 14");
    EXPECT_FALSE(Control<QWidget>("pnlShowUnder")->isVisibleTo(window.get()));

    // The products view is the one shown first; the speed buttons switch between the three.
    EXPECT_TRUE(Control<QToolButton>("cmdShowProducts")->isChecked());
    EXPECT_EQ(Lines(), (QStringList{"30    grain               ", "12    horses              "}));
    QTest::mouseClick(Control<QToolButton>("cmdShowWanted"), Qt::LeftButton);
    EXPECT_EQ(Lines(), QStringList{"12    grain                at $40"});
    QTest::mouseClick(Control<QToolButton>("cmdShowForSale"), Qt::LeftButton);
    EXPECT_EQ(Lines(), QStringList{"unlim horses               at $65"});
    EXPECT_FALSE(Control<QToolButton>("cmdShowProducts")->isChecked()) << "one view at a time";

    EXPECT_FALSE(SaveEnabled()) << "looking is not changing";
    EXPECT_FALSE(window->HexSaved());
}

TEST_F(HexInfoTest, SavingWhatWasShownKeepsTheHexAsItWas)
{
    const std::string before = CellLine(*hex);
    Open(0, 12, 4);
    Retype("txtComments", "ask first");
    ASSERT_TRUE(SaveEnabled());
    QTest::mouseClick(Control<QPushButton>("cmdSave"), Qt::LeftButton);
    EXPECT_TRUE(window->HexSaved());
    EXPECT_EQ(CellLine(*hex), before);
}

TEST_F(HexInfoTest, SaveWritesEveryEditedFieldBack)
{
    Open(0, 12, 4);
    window->show();
    const int mountain = map.TerrainIndex("mountain");
    Control<QComboBox>("lstTerrain")->setCurrentIndex(mountain);
    EXPECT_TRUE(SaveEnabled());
    Control<QComboBox>("lstProvince")->setCurrentIndex(0);
    Control<QComboBox>("lstRaces")->setCurrentIndex(1);
    Retype("txtPopCenter", "  Arnhold ");
    QTest::mouseClick(Control<QRadioButton>("optPopCity"), Qt::LeftButton);
    Retype("txtNativeCount", "5000");
    Retype("txtSilver", "2500");
    Retype("txtWages", "14");
    Retype("txtEntertain", "99x");
    Retype("txtGate", "");
    Control<QCheckBox>("chkShaft")->setChecked(false);
    Retype("txtOther", "Cave");
    Retype("txtComments", " safe harbour ");
    Retype("txtFacNo", "-3");
    Control<QCheckBox>("chkUnsure")->setChecked(true);
    QTest::mouseClick(Control<QPushButton>("cmdSave"), Qt::LeftButton);

    EXPECT_TRUE(window->HexSaved());
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(std::tuple(hex->Terrain, hex->Region, hex->Race), std::tuple(mountain, 0, 1));
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->PopCenterType), std::tuple("Arnhold", kCity));
    EXPECT_EQ(std::tuple(hex->Population, hex->Silver, hex->Wages, hex->Entertainment, hex->Gate),
              std::tuple(5000, 2500, 14, 99, 0));
    EXPECT_EQ(std::tuple(hex->Shaft, hex->Other, hex->Comments, hex->FactionNo, hex->Unconfirmed),
              std::tuple("", "Cave", "safe harbour", 0, true));
    EXPECT_EQ(std::tuple(hex->MaxWages, hex->LastUpdate, hex->WeatherNext), std::tuple(1500, 14, winter))
        << "what is only shown stays";
    EXPECT_EQ(hex->Wanted.size(), 1u);
}

TEST_F(HexInfoTest, PathwayPositionEditsOnlyItsPassageAndMark)
{
    TMapCell* gap = map.EnsureCell(1, 1, 1);  // between underworld hexes, North East/South West
    gap->Pathway = {true, false, false};
    gap->Unconfirmed = false;
    gap->Comments = "kept";
    Open(1, 1, 1);
    EXPECT_TRUE(window->PathwayMode());
    EXPECT_EQ(Text("pnlCoords"), " - , - ");
    EXPECT_FALSE(Control<QWidget>("pnlShowNormal")->isVisibleTo(window.get()));
    EXPECT_TRUE(Control<QWidget>("pnlShowUnder")->isVisibleTo(window.get()));
    auto* chkPathway = Control<QCheckBox>("chkPathway");
    EXPECT_EQ(chkPathway->text(), " Underworld pathway North East/South West Exists");
    EXPECT_FALSE(chkPathway->isChecked()) << "its own kind's mark, not another's";
    EXPECT_EQ(Control<QLabel>("lblCellType")->text(), "2");
    EXPECT_TRUE(Control<QCheckBox>("chkUnsure")->isChecked()) << "rock nobody has seen is unknown terrain";
    EXPECT_FALSE(SaveEnabled());

    chkPathway->setChecked(true);
    Control<QCheckBox>("chkUnsure")->setChecked(false);
    QTest::mouseClick(Control<QPushButton>("cmdSave"), Qt::LeftButton);
    EXPECT_TRUE(window->HexSaved());
    EXPECT_EQ(gap->Terrain, kTerrainSolid);
    EXPECT_EQ(gap->Pathway, (std::array<bool, 3>{true, true, false}));
    EXPECT_FALSE(gap->Unconfirmed);
    EXPECT_EQ(gap->Comments, "kept");
}

TEST_F(HexInfoTest, SettlementKindNeedsAName)
{
    Open(0, 12, 4);
    auto* panel = Control<QWidget>("pnlPopCenterType");
    Retype("txtPopCenter", "   ");
    EXPECT_FALSE(panel->isEnabled()) << "spaces are no name";
    Retype("txtPopCenter", "Arn");
    EXPECT_TRUE(panel->isEnabled());

    Control<QLineEdit>("txtPopCenter")->clear();
    QTest::mouseClick(Control<QPushButton>("cmdSave"), Qt::LeftButton);
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->PopCenterType), std::tuple("", kNoPopCenter))
        << "the town button was still checked";

    // Giving a kind where the name is blank names the settlement "Unknown".
    Open(0, 12, 4);
    Control<QLineEdit>("txtPopCenter")->clear();
    Control<QRadioButton>("optPopVillage")->setChecked(true);
    EXPECT_EQ(Text("txtPopCenter"), "Unknown");
    EXPECT_TRUE(Control<QWidget>("pnlPopCenterType")->isEnabled());
    QTest::mouseClick(Control<QPushButton>("cmdSave"), Qt::LeftButton);
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->PopCenterType), std::tuple("Unknown", kVillage));
}

TEST_F(HexInfoTest, FreeTextsRefuseQuotesAndCommasTypedOrPasted)
{
    Open(0, 12, 4);
    for (const char* name : {"txtPopCenter", "txtOther", "txtComments"}) {
        auto* edit = Control<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, "a,b'c\"d");
        EXPECT_EQ(edit->text(), "abcd") << name;
        QApplication::clipboard()->setText("e, \"f\" 'g'");
        edit->paste();
        edit->insert(",h");
        EXPECT_EQ(edit->text(), "abcde f gh") << name;
        EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << name << ": typing goes on at the end";
    }
    QTest::keyClicks(Control<QLineEdit>("txtSilver"), ",");  // numbers are read leniently anyway
    QTest::mouseClick(Control<QPushButton>("cmdSave"), Qt::LeftButton);
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->Other, hex->Comments),
              std::tuple("abcde f gh", "abcde f gh", "abcde f gh"));
}

TEST_F(HexInfoTest, ClosingWithChangesAsksFirst)
{
    const auto closeWith = [this](Answer answer) {
        Open(0, 12, 4);
        window->show();
        Retype("txtComments", "changed");
        ui.yesNoCancelAnswers = {answer};
        ui.shown.clear();
        QTest::mouseClick(Control<QPushButton>("cmdClose"), Qt::LeftButton);
        EXPECT_EQ(ui.Texts(ScriptedInteraction::Kind::YesNoCancel),
                  std::vector<std::string>{"Do you wish to save your changes ?"});
    };

    closeWith(Answer::Cancel);
    EXPECT_TRUE(window->isVisible()) << "Cancel stays";
    EXPECT_FALSE(window->HexSaved());
    EXPECT_EQ(hex->Comments, "ask first");
    QTest::keyClick(window.get(), Qt::Key_Escape);  // Escape and the title bar ask the same
    EXPECT_EQ(ui.shown.size(), 2u);
    EXPECT_TRUE(window->isVisible());

    closeWith(Answer::No);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->HexSaved());
    EXPECT_EQ(hex->Comments, "ask first");

    closeWith(Answer::Yes);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(window->HexSaved());
    EXPECT_EQ(hex->Comments, "changed");

    // Nothing changed: nothing to ask, and nothing saved.
    Open(0, 12, 4);
    window->show();
    ui.shown.clear();
    window->close();
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->HexSaved());
}

TEST_F(HexInfoTest, UnitDetailsOpensTheUnitBrowserOfAHexWithUnits)
{
    Open(0, 12, 4);
    window->show();
    auto* cmdShowUnits = Control<QPushButton>("cmdShowUnits");
    EXPECT_FALSE(cmdShowUnits->isEnabled()) << "no browser to open";

    QWidget* opener = nullptr;
    const auto browser = [&opener](QWidget* parent) { opener = parent; };
    Open(0, 12, 4);
    window->showUnits = browser;
    window->show();
    EXPECT_FALSE(Control<QPushButton>("cmdShowUnits")->isEnabled()) << "no units in the hex";

    auto unit = std::make_unique<TUnit>();
    unit->Number = 321;
    hex->Units.Add(std::move(unit));
    Open(0, 12, 4);
    window->showUnits = browser;
    window->show();
    cmdShowUnits = Control<QPushButton>("cmdShowUnits");
    ASSERT_TRUE(cmdShowUnits->isEnabled());
    QTest::mouseClick(cmdShowUnits, Qt::LeftButton);
    EXPECT_EQ(opener, window.get()) << "opened over the hex window";
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace korvane
