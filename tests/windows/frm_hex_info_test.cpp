// The "Hex Details" window: what it shows of a hex, what it writes back, and how it closes.
#include "windows/frm_hex_info.h"

#include "storage/map_cell_line.h"
#include "windows/window_test_helpers.h"
#include "world/map.h"
#include "world/vocabulary.h"

#include <QApplication>
#include <QClipboard>
#include <QRadioButton>

namespace korvane {
namespace {

using testing::Lines;

class HexInfoTest : public testing::OwnedWindowTest<TfrmHexInfo>
{
protected:
    void SetUp() override
    {
        const int grain = map.ProductList.Add("GRAI", "grain"), horses = map.ProductList.Add("HORS", "horses");
        map.RegionList.Add("Lavan");
        map.RaceList.Add("vikings");
        map.WeatherList.Add("clear");
        hex = map.EnsureCell(0, 12, 4);
        std::tie(hex->Region, hex->Race) = std::tuple(map.RegionList.Add("Sunset Coast"),
                                                      map.RaceList.Add("high elves"));
        std::tie(hex->Terrain, hex->Population) = std::tuple(map.TerrainIndex("forest"), 4300);
        std::tie(hex->PopCenter, hex->PopCenterType) = std::tuple("Kelsey", kTown);
        std::tie(hex->Silver, hex->Wages, hex->MaxWages, hex->Entertainment) = std::tuple(1720, 13, 1500, 86);
        std::tie(hex->Gate, hex->Shaft, hex->Other, hex->Comments) = std::tuple(17, "Shaft", "Lair", "ask first");
        std::tie(hex->FactionNo, hex->Unconfirmed, hex->LastUpdate) = std::tuple(42, false, 14);
        std::tie(hex->WeatherWas, hex->WeatherNext) = std::tuple(0, map.WeatherList.Add("winter"));
        hex->Wanted = {{grain, 12, 40}};
        hex->ForSale = {{horses, -1, 65}};
        hex->Products = {{grain, 30, 0}, {horses, 12, 0}};
    }

    TfrmHexInfo& Open(int level = 0, int x = 12, int y = 4)
    {
        window = std::make_unique<TfrmHexInfo>(map, level, x, y, ui, nullptr);
        return *window;
    }
    /// A box's text, or a label's.
    QString Text(const char* name) const
    {
        auto* edit = window->findChild<QLineEdit*>(name);
        return edit ? edit->text() : Get<QLabel>(name)->text();
    }
    void Retype(const char* name, const QString& text) const { testing::TypeOver(Get<QLineEdit>(name), text); }
    QString Combo(const char* name) const { return Get<QComboBox>(name)->currentText(); }
    bool Visible(const char* name) const { return Get<QWidget>(name)->isVisibleTo(window.get()); }

    TMap map;
    TMapCell* hex = nullptr;
    testing::ScriptedInteraction ui;
};

TEST_F(HexInfoTest, ShowsEveryFieldOfTheHexSavesItUnchangedWritesEveryEditBackAndAPathwayOnlyItsPassageAndMark)
{
    const std::string before = CellLine(*hex);
    Open();
    EXPECT_EQ(std::tuple(Text("pnlCoords"), Combo("lstTerrain"), Combo("lstProvince"), Combo("lstRaces")),
              std::tuple("12 , 4", "Forest", "Sunset Coast", "high elves"));
    EXPECT_EQ(std::tuple(Text("txtPopCenter"), Text("txtNativeCount"), Text("txtSilver"), Text("txtWages"),
                         Text("pnlMaxWages"), Text("txtEntertain"), Text("txtGate")),
              std::tuple("Kelsey", "4300", "1720", "13", "(1500)", "86", "17"));
    EXPECT_EQ(std::tuple(Text("txtOther"), Text("txtComments"), Text("txtFacNo"), Visible("txtFacNo")),
              std::tuple("Lair", "ask first", "42", false));
    EXPECT_EQ(TickedNames(), "optPopTown chkShaft");
    EXPECT_EQ(std::tuple(Text("pnlLastWeather"), Text("pnlNextWeather"), Text("lblLastUpdate")),
              std::tuple("clear", "winter", "Last import update - Turn 14"));
    EXPECT_FALSE(Visible("pnlShowUnder"));
    // The products view is the one shown first; the speed buttons switch between the three.
    EXPECT_TRUE(Ticked("cmdShowProducts"));
    EXPECT_EQ(Shown("lstProds"), (Lines{"30    grain               ", "12    horses              "}));
    Click("cmdShowWanted");
    EXPECT_EQ(Shown("lstProds"), Lines{"12    grain                at $40"});
    Click("cmdShowForSale");
    EXPECT_EQ(Shown("lstProds"), Lines{"unlim horses               at $65"});
    EXPECT_EQ(std::tuple(Ticked("cmdShowProducts"), Enabled("cmdSave")), std::tuple(false, false))
        << "one view at a time; looking is not changing";
    Retype("txtComments", "ask first");
    Click("cmdSave");
    EXPECT_EQ(std::pair(window->HexSaved(), CellLine(*hex)), std::pair(true, before));
    // Then every edited field is written back.
    Open().show();
    const int mountain = map.TerrainIndex("mountain");
    Get<QComboBox>("lstTerrain")->setCurrentIndex(mountain);
    EXPECT_TRUE(Enabled("cmdSave"));
    Get<QComboBox>("lstProvince")->setCurrentIndex(0);
    Get<QComboBox>("lstRaces")->setCurrentIndex(1);
    Click("optPopCity");
    for (const auto& [box, text] : {std::pair{"txtPopCenter", "  Arnhold "},
                                    {"txtNativeCount", "5000"},
                                    {"txtSilver", "2500"},
                                    {"txtWages", "14"},
                                    {"txtEntertain", "99x"},
                                    {"txtGate", ""},
                                    {"txtOther", "Cave"},
                                    {"txtComments", " safe harbour "},
                                    {"txtFacNo", "-3"}})
        Retype(box, text);
    Get<QCheckBox>("chkShaft")->setChecked(false);
    Get<QCheckBox>("chkUnsure")->setChecked(true);
    Click("cmdSave");
    EXPECT_EQ(std::tuple(window->HexSaved(), window->result()), std::tuple(true, int(QDialog::Accepted)));
    EXPECT_EQ(std::tuple(hex->Terrain, hex->Region, hex->Race), std::tuple(mountain, 0, 1));
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->PopCenterType), std::tuple("Arnhold", kCity));
    EXPECT_EQ(std::tuple(hex->Population, hex->Silver, hex->Wages, hex->Entertainment, hex->Gate),
              std::tuple(5000, 2500, 14, 99, 0));
    EXPECT_EQ(std::tuple(hex->Shaft, hex->Other, hex->Comments, hex->FactionNo, hex->Unconfirmed),
              std::tuple("", "Cave", "safe harbour", 0, true));
    EXPECT_EQ(std::tuple(hex->MaxWages, hex->LastUpdate, hex->WeatherNext, hex->Wanted.size()),
              std::tuple(1500, 14, 1, 1u))
        << "what is only shown stays";

    // A pathway position edits only its passage and mark.
    TMapCell* gap = map.EnsureCell(1, 1, 1);  // between underworld hexes, North East/South West
    std::tie(gap->Pathway, gap->Unconfirmed, gap->Comments) = std::tuple(std::array{true, false, false}, false, "kept");
    Open(1, 1, 1);
    EXPECT_EQ(std::tuple(Text("pnlCoords"), Visible("pnlShowNormal"), Visible("pnlShowUnder"), Text("lblCellType")),
              std::tuple(" - , - ", false, true, "2"));
    EXPECT_EQ(Get("chkPathway")->text(), " Underworld pathway North East/South West Exists");
    EXPECT_EQ(std::tuple(Ticked("chkPathway"), Ticked("chkUnsure"), Enabled("cmdSave")), std::tuple(false, true, false))
        << "its own kind's mark, not another's; rock nobody has seen is unknown terrain";
    Get("chkPathway")->setChecked(true);
    Get("chkUnsure")->setChecked(false);
    Click("cmdSave");
    EXPECT_EQ(std::tuple(window->HexSaved(), gap->Terrain, gap->Pathway, gap->Unconfirmed, gap->Comments),
              std::tuple(true, kTerrainSolid, std::array{true, true, false}, false, "kept"));
}

TEST_F(HexInfoTest, ClosingWithChangesAsksFirstASettlementKindNeedsANameAndFreeTextsRefuseQuotesAndCommas)
{
    Open().show();
    window->close();
    EXPECT_EQ(std::tuple(ui.shown.size(), window->isVisible(), window->HexSaved()), std::tuple(0u, false, false))
        << "nothing changed: nothing asked, nothing saved";
    for (const auto& [answer, closes, comments] : {std::tuple{Answer::Cancel, false, "ask first"},
                                                   {Answer::No, true, "ask first"},
                                                   {Answer::Yes, true, "changed"}}) {
        Open().show();
        Retype("txtComments", "changed");
        ui.yesNoCancelAnswers = {answer, answer};
        ui.shown.clear();
        Click("cmdClose");
        EXPECT_EQ(ui.Texts(testing::ScriptedInteraction::Kind::YesNoCancel),
                  Lines{"Do you wish to save your changes ?"});
        EXPECT_EQ(std::tuple(window->isVisible(), window->HexSaved(), hex->Comments),
                  std::tuple(!closes, answer == Answer::Yes, comments));
    }

    // A settlement kind needs a name; free texts refuse quotes and commas.
    Open();
    Retype("txtPopCenter", "   ");
    EXPECT_FALSE(Enabled("pnlPopCenterType")) << "spaces are no name";
    Retype("txtPopCenter", "Arn");
    EXPECT_TRUE(Enabled("pnlPopCenterType"));
    Get<QLineEdit>("txtPopCenter")->clear();
    Click("cmdSave");
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->PopCenterType), std::tuple("", kNoPopCenter))
        << "the town button was still checked";
    // Giving a kind where the name is blank names the settlement "Unknown".
    Open();
    Get<QLineEdit>("txtPopCenter")->clear();
    Get<QRadioButton>("optPopVillage")->setChecked(true);
    EXPECT_EQ(std::pair(Text("txtPopCenter"), Enabled("pnlPopCenterType")), std::pair(QString("Unknown"), true));
    Click("cmdSave");
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->PopCenterType), std::tuple("Unknown", kVillage));
    // Free texts refuse quotes and commas, typed or pasted.
    Open();
    QApplication::clipboard()->setText("e, \"f\" 'g'");
    for (const char* name : {"txtPopCenter", "txtOther", "txtComments"}) {
        auto* edit = Get<QLineEdit>(name);
        edit->clear();
        QTest::keyClicks(edit, "a,b'c\"d");
        edit->paste();
        edit->insert(",h");
        EXPECT_EQ(std::pair(edit->text(), edit->cursorPosition()), std::pair(QString("abcde f gh"), 10))
            << name << ": typing goes on at the end";
    }
    QTest::keyClicks(Get<QLineEdit>("txtSilver"), ",");  // numbers are read leniently anyway
    Click("cmdSave");
    EXPECT_EQ(std::tuple(hex->PopCenter, hex->Other, hex->Comments),
              std::tuple("abcde f gh", "abcde f gh", "abcde f gh"));
}

}  // namespace
}  // namespace korvane
