// The "Hex Details" window: what it shows of a hex, what it writes back, and how it closes.
#include "windows/frm_hex_info.h"

#include "people/unit.h"
#include "storage/map_cell_line.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "windows/window_test_helpers.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include <memory>
#include <tuple>

namespace korvane {
namespace {

using testing::Lines;
using testing::ScriptedInteraction;

class HexInfoTest : public testing::WindowTest
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
        std::tie(hex->Terrain, hex->Region, hex->Race, hex->Population) = std::tuple(map.TerrainIndex("forest"), lavan,
                                                                                     elves, 4300);
        std::tie(hex->PopCenter, hex->PopCenterType) = std::tuple("Kelsey", kTown);
        std::tie(hex->Silver, hex->Wages, hex->MaxWages, hex->Entertainment) = std::tuple(1720, 13, 1500, 86);
        std::tie(hex->Gate, hex->Shaft, hex->Other, hex->Comments) = std::tuple(17, "Shaft", "Lair", "ask first");
        std::tie(hex->FactionNo, hex->Unconfirmed, hex->LastUpdate) = std::tuple(42, false, 14);
        std::tie(hex->WeatherWas, hex->WeatherNext) = std::tuple(0, winter);
        hex->Wanted = {{grain, 12, 40}};
        hex->ForSale = {{horses, -1, 65}};
        hex->Products = {{grain, 30, 0}, {horses, 12, 0}};
    }

    void Open(int level, int x, int y) { window = std::make_unique<TfrmHexInfo>(map, level, x, y, ui, nullptr); }

    const QWidget& Window() const override { return *window; }
    /// A box's text, or a label's.
    QString Text(const char* name) const
    {
        auto* edit = window->findChild<QLineEdit*>(name);
        return edit ? edit->text() : Get<QLabel>(name)->text();
    }
    void Retype(const char* name, const QString& text) const { testing::TypeOver(Get<QLineEdit>(name), text); }

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
    EXPECT_EQ(Get<QComboBox>("lstTerrain")->currentText(), "Forest");
    EXPECT_EQ(Get<QComboBox>("lstProvince")->currentIndex(), lavan);
    EXPECT_EQ(Get<QComboBox>("lstRaces")->currentText(), "high elves");
    EXPECT_EQ(std::tuple(Text("txtPopCenter"), Text("txtNativeCount"), Text("txtSilver")),
              std::tuple("Kelsey", "4300", "1720"));
    EXPECT_EQ(std::tuple(Text("txtWages"), Text("pnlMaxWages"), Text("txtEntertain"), Text("txtGate")),
              std::tuple("13", "(1500)", "86", "17"));
    EXPECT_EQ(std::tuple(Text("txtOther"), Text("txtComments"), Text("txtFacNo")),
              std::tuple("Lair", "ask first", "42"));
    EXPECT_FALSE(Get<QLineEdit>("txtFacNo")->isVisibleTo(window.get()));
    EXPECT_TRUE(Ticked("optPopTown"));
    EXPECT_TRUE(Ticked("chkShaft"));
    EXPECT_FALSE(Ticked("chkUnsure"));
    EXPECT_EQ(std::tuple(Text("pnlLastWeather"), Text("pnlNextWeather")), std::tuple("clear", "winter"));
    EXPECT_EQ(Text("lblLastUpdate"), "Last import update - Turn 14");
    EXPECT_FALSE(Get<QWidget>("pnlShowUnder")->isVisibleTo(window.get()));

    // The products view is the one shown first; the speed buttons switch between the three.
    EXPECT_TRUE(Ticked("cmdShowProducts"));
    EXPECT_EQ(Shown("lstProds"), (Lines{"30    grain               ", "12    horses              "}));
    Click("cmdShowWanted");
    EXPECT_EQ(Shown("lstProds"), Lines{"12    grain                at $40"});
    Click("cmdShowForSale");
    EXPECT_EQ(Shown("lstProds"), Lines{"unlim horses               at $65"});
    EXPECT_FALSE(Ticked("cmdShowProducts")) << "one view at a time";

    EXPECT_FALSE(Enabled("cmdSave")) << "looking is not changing";
    EXPECT_FALSE(window->HexSaved());
}

TEST_F(HexInfoTest, SavingWhatWasShownKeepsTheHexAsItWas)
{
    const std::string before = CellLine(*hex);
    Open(0, 12, 4);
    Retype("txtComments", "ask first");
    ASSERT_TRUE(Enabled("cmdSave"));
    Click("cmdSave");
    EXPECT_TRUE(window->HexSaved());
    EXPECT_EQ(CellLine(*hex), before);
}

TEST_F(HexInfoTest, SaveWritesEveryEditedFieldBack)
{
    Open(0, 12, 4);
    window->show();
    const int mountain = map.TerrainIndex("mountain");
    Get<QComboBox>("lstTerrain")->setCurrentIndex(mountain);
    EXPECT_TRUE(Enabled("cmdSave"));
    Get<QComboBox>("lstProvince")->setCurrentIndex(0);
    Get<QComboBox>("lstRaces")->setCurrentIndex(1);
    Retype("txtPopCenter", "  Arnhold ");
    Click("optPopCity");
    Retype("txtNativeCount", "5000");
    Retype("txtSilver", "2500");
    Retype("txtWages", "14");
    Retype("txtEntertain", "99x");
    Retype("txtGate", "");
    Get<QCheckBox>("chkShaft")->setChecked(false);
    Retype("txtOther", "Cave");
    Retype("txtComments", " safe harbour ");
    Retype("txtFacNo", "-3");
    Get<QCheckBox>("chkUnsure")->setChecked(true);
    Click("cmdSave");

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
    EXPECT_FALSE(Get<QWidget>("pnlShowNormal")->isVisibleTo(window.get()));
    EXPECT_TRUE(Get<QWidget>("pnlShowUnder")->isVisibleTo(window.get()));
    auto* chkPathway = Get<QCheckBox>("chkPathway");
    EXPECT_EQ(chkPathway->text(), " Underworld pathway North East/South West Exists");
    EXPECT_FALSE(chkPathway->isChecked()) << "its own kind's mark, not another's";
    EXPECT_EQ(Get<QLabel>("lblCellType")->text(), "2");
    EXPECT_TRUE(Ticked("chkUnsure")) << "rock nobody has seen is unknown terrain";
    EXPECT_FALSE(Enabled("cmdSave"));

    chkPathway->setChecked(true);
    Get<QCheckBox>("chkUnsure")->setChecked(false);
    Click("cmdSave");
    EXPECT_TRUE(window->HexSaved());
    EXPECT_EQ(gap->Terrain, kTerrainSolid);
    EXPECT_EQ(gap->Pathway, (std::array<bool, 3>{true, true, false}));
    EXPECT_FALSE(gap->Unconfirmed);
    EXPECT_EQ(gap->Comments, "kept");
}

TEST_F(HexInfoTest, SettlementKindNeedsAName)
{
    Open(0, 12, 4);
    auto* panel = Get<QWidget>("pnlPopCenterType");
    Retype("txtPopCenter", "   ");
    EXPECT_FALSE(panel->isEnabled()) << "spaces are no name";
    Retype("txtPopCenter", "Arn");
    EXPECT_TRUE(panel->isEnabled());

    Get<QLineEdit>("txtPopCenter")->clear();
    Click("cmdSave");
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->PopCenterType), std::tuple("", kNoPopCenter))
        << "the town button was still checked";

    // Giving a kind where the name is blank names the settlement "Unknown".
    Open(0, 12, 4);
    Get<QLineEdit>("txtPopCenter")->clear();
    Get<QRadioButton>("optPopVillage")->setChecked(true);
    EXPECT_EQ(Text("txtPopCenter"), "Unknown");
    EXPECT_TRUE(Enabled("pnlPopCenterType"));
    Click("cmdSave");
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->PopCenterType), std::tuple("Unknown", kVillage));
}

TEST_F(HexInfoTest, FreeTextsRefuseQuotesAndCommasTypedOrPasted)
{
    Open(0, 12, 4);
    for (const char* name : {"txtPopCenter", "txtOther", "txtComments"}) {
        auto* edit = Get<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, "a,b'c\"d");
        EXPECT_EQ(edit->text(), "abcd") << name;
        QApplication::clipboard()->setText("e, \"f\" 'g'");
        edit->paste();
        edit->insert(",h");
        EXPECT_EQ(edit->text(), "abcde f gh") << name;
        EXPECT_EQ(edit->cursorPosition(), edit->text().size()) << name << ": typing goes on at the end";
    }
    QTest::keyClicks(Get<QLineEdit>("txtSilver"), ",");  // numbers are read leniently anyway
    Click("cmdSave");
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
        Click("cmdClose");
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
    EXPECT_FALSE(Enabled("cmdShowUnits")) << "no browser to open";

    QWidget* opener = nullptr;
    const auto browser = [&opener](QWidget* parent) { opener = parent; };
    Open(0, 12, 4);
    window->showUnits = browser;
    window->show();
    EXPECT_FALSE(Enabled("cmdShowUnits")) << "no units in the hex";

    auto unit = std::make_unique<TUnit>();
    unit->Number = 321;
    hex->Units.Add(std::move(unit));
    Open(0, 12, 4);
    window->showUnits = browser;
    window->show();
    ASSERT_TRUE(Enabled("cmdShowUnits"));
    Click("cmdShowUnits");
    EXPECT_EQ(opener, window.get()) << "opened over the hex window";
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace korvane
