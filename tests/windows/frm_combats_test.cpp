// The battle set-up window driven as a player would: units added, edited and removed through
// the unit dialog, the field's conditions, battles run and their reports shown, and set-ups
// saved and loaded through the file dialogs, damaged files included.
#include "windows/frm_combats.h"

#include "support/file_dialog_answer.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/frm_combat_results.h"
#include "windows/frm_combat_unit.h"
#include "windows/window_test_helpers.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <functional>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;
using testing::Lines;

// One man who cannot hurt anyone: no skill, no weapon.
constexpr const char* kPeasant = "1,Peasant,1,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1";
constexpr const char* kCavalry = "-1,Heavy Cavalry,25,Y,2,0,0,3,0,0,25,0,0,0,0,0,0,0,25,1,1";
constexpr const char* kScout = "7,Scout,1,N,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1";

class CombatsWindow : public testing::WindowTest
{
protected:
    CombatsWindow() { window.show(); }
    const QWidget& Window() const override { return window; }

    QString Panel(const char* name) const { return Get<QLabel>(name)->text(); }
    QString Fort(const char* side) const { return Get<QComboBox>(side)->currentText(); }
    void ChooseFort(const char* side, const char* fort) const
    {
        auto* list = Get<QComboBox>(side);
        list->setCurrentIndex(list->findText(fort));
    }
    void SelectLine(const char* list, int row) const
    {
        auto* box = Get<QListWidget>(list);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
    }

    /// Answers the next unit dialog: `change` acts on it, then OK (or Cancel) is clicked.
    static void InUnitDialog(std::function<void(TfrmCombatUnit*)> change, const char* button = "cmdOK")
    {
        testing::WhenModalShown<TfrmCombatUnit>([change = std::move(change), button](TfrmCombatUnit* dialog) {
            change(dialog);
            QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        });
    }
    /// Adds the unit of a battle file `line` to `side` ("Left" or "Right") through the unit dialog.
    void AddUnit(const std::string& side, const std::string& line) const
    {
        InUnitDialog([line](TfrmCombatUnit* dialog) {
            TCombatUnit unit;
            unit.FromLine(line);
            dialog->ShowUnit(unit);
        });
        Click(("cmdAdd" + side).c_str());
    }
    static void TypeQuantity(TfrmCombatUnit* dialog, const QString& quantity)
    {
        testing::TypeOver(testing::Child<QLineEdit>(*dialog, "txtQty"), quantity);
    }

    /// What the results window lists when `button` opens it; closed again with its own button.
    Lines Results(const char* button = "cmdStartCombat") const
    {
        Lines lines;
        testing::WhenModalShown<TfrmCombatResults>([&lines](TfrmCombatResults* results) {
            lines = testing::LineTexts(*results->findChild<QListWidget*>("lstCombats"));
            QTest::mouseClick(results->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        Click(button);
        return lines;
    }

    testing::TempDir dir;
    testing::ScriptedInteraction ui;
    TfrmCombats window{dir.Path(), ui, nullptr};
};

TEST_F(CombatsWindow, UnitsAreAddedEditedAndRemovedThroughTheUnitDialog)
{
    InUnitDialog([](TfrmCombatUnit* dialog) { TypeQuantity(dialog, "9"); }, "cmdCancel");
    Click("cmdAddLeft");
    EXPECT_TRUE(Shown("lstLeft").empty());
    EXPECT_FALSE(window.BattleChanged()) << "a unit given up on changes nothing";

    AddUnit("Left", kCavalry);
    AddUnit("Left", kScout);
    AddUnit("Right", kScout);
    EXPECT_EQ(Shown("lstLeft"),
              (Lines{"-25   Heavy Cavalry                 ", " 1    Scout                         "}));
    EXPECT_EQ(Panel("pnlManCountL"), "26 men");
    EXPECT_EQ(Panel("pnlManCountR"), "1 man");
    EXPECT_TRUE(window.BattleChanged());
    // A unit typed with fewer than no men fields none and takes none from the others.
    AddUnit("Right", "3,Ghosts,-5,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1");
    EXPECT_EQ(Panel("pnlManCountR"), "1 man");
    EXPECT_EQ(Shown("lstRight")[1], " -5   Ghosts                        ");

    EXPECT_FALSE(Enabled("cmdEditLeft") || Enabled("cmdRemoveLeft"));
    SelectLine("lstLeft", 1);
    EXPECT_TRUE(Enabled("cmdEditLeft") && Enabled("cmdRemoveLeft"));
    EXPECT_FALSE(Enabled("cmdEditRight")) << "each side follows its own list";

    InUnitDialog([](TfrmCombatUnit* dialog) {
        EXPECT_EQ(dialog->findChild<QLineEdit*>("txtUnitID")->text(), "7") << "the selected unit is shown";
        TypeQuantity(dialog, "40");
    });
    Click("cmdEditLeft");
    EXPECT_EQ(Shown("lstLeft")[1], " 40   Scout                         ");
    EXPECT_EQ(Panel("pnlManCountL"), "65 men");
    EXPECT_TRUE(Enabled("cmdEditLeft")) << "the edited line stays selected";

    InUnitDialog([](TfrmCombatUnit* dialog) { TypeQuantity(dialog, "1000"); }, "cmdCancel");
    auto* left = Get<QListWidget>("lstLeft");
    emit left->itemDoubleClicked(left->item(1));
    EXPECT_EQ(Shown("lstLeft")[1], " 40   Scout                         ") << "cancelled";

    SelectLine("lstLeft", 0);
    Click("cmdRemoveLeft");
    EXPECT_EQ(Shown("lstLeft"), (Lines{" 40   Scout                         "}));
    EXPECT_EQ(Panel("pnlManCountL"), "40 men");
    EXPECT_FALSE(Enabled("cmdEditLeft") || Enabled("cmdRemoveLeft"));
}

TEST_F(CombatsWindow, OnlyOneSideHasTheAdvantageAndOnlyOneAFortification)
{
    Click("chkTacL");
    EXPECT_TRUE(window.BattleChanged());
    Click("chkTacR");
    EXPECT_EQ(TickedNames(), "chkTacR");
    Click("chkTacR");
    EXPECT_EQ(TickedNames(), "") << "neither is allowed too";

    ChooseFort("lstFortLeft", "Tower");
    ChooseFort("lstFortRight", "Castle");
    EXPECT_EQ(Fort("lstFortLeft"), "None");
    EXPECT_EQ(Fort("lstFortRight"), "Castle");
    ChooseFort("lstFortLeft", "None");
    EXPECT_EQ(Fort("lstFortRight"), "Castle") << "no fortification takes none from the other side";
}

TEST_F(CombatsWindow, ABattleIsFoughtOnTheFieldAsSetUp)
{
    AddUnit("Left", kPeasant);
    EXPECT_FALSE(Enabled("cmdViewResults"));
    EXPECT_TRUE(Results().empty()) << "no report before the first battle";
    EXPECT_EQ(ui.Texts(Kind::Info), Lines{"One side has no troops - no combat occurs."});
    EXPECT_TRUE(Enabled("cmdViewResults"));

    // Two men without skill or weapon can never wound each other...
    AddUnit("Right", kPeasant);
    const Lines stalemate = Results();
    ASSERT_FALSE(stalemate.empty());
    EXPECT_EQ(stalemate.front(), "Neither side can wound the other - battle ends undecided.");

    // ...until the Right stands in a castle: then only the Left's blows can find a way through
    // (an attack of 0 against a defence of 2), and only the Right can fall.
    ChooseFort("lstFortLeft", "Tower");
    ChooseFort("lstFortRight", "Castle");
    Click("chkTacL");
    const Lines fought = Results();
    ASSERT_GE(fought.size(), 3U);
    EXPECT_EQ(fought.front(), "# Left gets a free round of attacks #");
    EXPECT_EQ(Lines(fought.end() - 3, fought.end()), (Lines{"Battle results: ", "Left lost : 0", "Right lost: 1"}));
    EXPECT_EQ(Results("cmdViewResults"), fought) << "the last report again";

    // A horse gives a rider his chance on suitable ground only.
    ChooseFort("lstFortRight", "None");
    Click("chkTacL");
    SelectLine("lstLeft", 0);
    InUnitDialog([](TfrmCombatUnit* dialog) {
        dialog->findChild<QLineEdit*>("txtHORS")->setText("1");
        dialog->findChild<QLineEdit*>("txtSkillRIDI")->setText("1");
    });
    Click("cmdEditLeft");
    EXPECT_EQ(Results().front(), "Neither side can wound the other - battle ends undecided.");
    Click("chkUseHorses");
    EXPECT_EQ(Results().front(), "Round 1:");
}

TEST_F(CombatsWindow, AnArmyTooLargeToFieldIsRefusedTypedOrLoadedAndTheSetUpKept)
{
    const std::string horde = "1,Horde,2000000000,N,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1";
    auto refusal = [](const char* men) {
        return "No combat occurs: Left fields " + std::string(men)
            + " men, but a side can field at most 100000 men. Lower the number of men and run the battle again.";
    };
    AddUnit("Left", kScout);
    AddUnit("Right", kScout);
    const Lines report = Results();
    ASSERT_FALSE(report.empty());

    // Typed into the unit dialog...
    AddUnit("Left", horde);
    EXPECT_EQ(Results(), report) << "the last report is kept";
    EXPECT_EQ(ui.Texts(Kind::Error), Lines{refusal("2000000001")});
    EXPECT_EQ(Panel("pnlManCountL"), "2000000001 men") << "the set-up stays, to be mended";

    // ...or loaded from a file, as a file dropped on the map is.
    const std::string file = dir.Write("horde.BTL",
                                       "VERSION,2.31\r\nN,N\r\n1\r\n" + horde + "\r\n1\r\n" + kScout + "\r\n");
    ASSERT_TRUE(window.LoadBattle(file));
    EXPECT_EQ(Results(), report);
    EXPECT_EQ(ui.Texts(Kind::Error), (Lines{refusal("2000000001"), refusal("2000000000")}));
}

TEST_F(CombatsWindow, ClearAllEmptiesBothSidesAfterAskingAndKeepsTheField)
{
    AddUnit("Left", kCavalry);
    AddUnit("Right", kScout);
    Click("chkTacR");
    Click("chkUseHorses");
    ChooseFort("lstFortLeft", "Fort");
    const Lines report = Results();

    ui.yesNoAnswers = {false, true};
    Click("cmdClearAll");
    EXPECT_EQ(Shown("lstLeft").size(), 1U) << "No keeps everything";
    Click("cmdClearAll");
    EXPECT_EQ(ui.Texts(Kind::YesNo), Lines(2, "Are you sure you wish to clear all battle data ?"));
    EXPECT_TRUE(Shown("lstLeft").empty() && Shown("lstRight").empty());
    EXPECT_EQ(Panel("pnlManCountL"), "0 men");
    EXPECT_EQ(Panel("pnlManCountR"), "0 men");
    EXPECT_EQ(TickedNames(), "chkUseHorses");
    EXPECT_EQ(Fort("lstFortLeft"), "Fort");
    EXPECT_EQ(Results("cmdViewResults"), report);
}

TEST_F(CombatsWindow, ClosingAsksOnlyWhenTheSetUpChanged)
{
    Click("cmdClose");
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(ui.shown.empty());

    window.show();
    AddUnit("Left", kScout);
    ui.yesNoAnswers = {false, true};
    Click("cmdClose");
    EXPECT_TRUE(window.isVisible()) << "No keeps the window open";
    Click("cmdClose");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ui.Texts(Kind::YesNo),
              Lines(2, "You will lose the changes you have made. Do you wish to exit without saving ?"));
}

TEST_F(CombatsWindow, SetUpsAreSavedAndLoadedThroughTheFileDialogs)
{
    AddUnit("Left", kCavalry);
    AddUnit("Right", kScout);
    Click("chkTacL");
    testing::PickFileWhenAsked(dir.File("ford"));
    Click("cmdSave");
    const std::string saved = std::string("VERSION,2.31\r\nL,N\r\n1\r\n") + kCavalry + "\r\n1\r\n" + kScout + "\r\n";
    EXPECT_EQ(dir.Read("ford.BTL"), saved) << "named as a battle file";
    EXPECT_FALSE(window.BattleChanged());

    Click("chkTacL");
    Click("chkUseHorses");
    ui.yesNoAnswers = {false, true};
    testing::PickFileWhenAsked(dir.File("ford.BTL"));
    Click("cmdSave");
    EXPECT_EQ(dir.Read("ford.BTL"), saved) << "not overwritten on No";
    EXPECT_TRUE(window.BattleChanged());
    testing::PickFileWhenAsked(dir.File("ford.BTL"));
    Click("cmdSave");
    EXPECT_EQ(ui.Texts(Kind::YesNo), Lines(2, "File exists. Overwrite ?"));
    EXPECT_EQ(dir.Read("ford.BTL").substr(0, 18), "VERSION,2.31\r\nN,Y\r");

    // A hand-written file in lower case; the fortification chosen before loading stays.
    ChooseFort("lstFortLeft", "Citadel");
    const std::string hill = dir.Write(
        "hill.btl", "version,2.31\r\nr,y\r\n0\r\n2\r\n" + std::string(kScout) + "\r\n" + kPeasant + "\r\n");
    testing::PickFileWhenAsked(hill);
    Click("cmdLoad");
    EXPECT_TRUE(Shown("lstLeft").empty());
    EXPECT_EQ(Shown("lstRight").size(), 2U);
    EXPECT_EQ(Panel("pnlManCountR"), "2 men");
    EXPECT_EQ(TickedNames(), "chkTacR chkUseHorses");
    EXPECT_EQ(Fort("lstFortLeft"), "Citadel");
    EXPECT_FALSE(window.BattleChanged());
    EXPECT_EQ(Get<QFileDialog>("dlgSave")->selectedFiles().value(0).toStdString(), hill)
        << "saving proposes the file loaded";
    EXPECT_TRUE(ui.Texts(Kind::Warning).empty());
}

TEST_F(CombatsWindow, FailedSavesAndLoadsSaySoAndLoseNothingUnasked)
{
    AddUnit("Left", kCavalry);
    // A file where the folder would have to be: nothing can be written there.
    const std::string blocked = dir.Write("blocker", "a file") + "/ford.BTL";
    testing::PickFileWhenAsked(blocked);
    Click("cmdSave");
    const Lines errors = ui.Texts(Kind::Error);
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_EQ(errors[0].rfind("Unable to save the battle to " + blocked + ": ", 0), 0U) << errors[0];
    EXPECT_TRUE(window.BattleChanged());

    testing::PickFileWhenAsked(dir.File("ford.BTL"));
    Click("cmdSave");
    EXPECT_FALSE(window.LoadBattle(dir.File("missing.BTL")));
    EXPECT_EQ(ui.Texts(Kind::Info), Lines{"Failed to find specified file."});
    EXPECT_EQ(Shown("lstLeft").size(), 1U) << "the set-up is kept";
    EXPECT_FALSE(window.BattleChanged());

    // Two Left units promised, one short one given: what is there is loaded, the rest named.
    const std::string damaged = dir.Write("damaged.BTL", "VERSION,2.31\r\nN,N\r\n2\r\n4,Fighters,10,N,1\r\n");
    EXPECT_TRUE(window.LoadBattle(damaged));
    EXPECT_EQ(Shown("lstLeft"), (Lines{" 10   Fighters                      "}));
    EXPECT_TRUE(Shown("lstRight").empty());
    EXPECT_EQ(ui.Texts(Kind::Warning),
              Lines{"The battle file " + damaged
                    + " could not be read in full; what could be read is loaded."
                      "\nLine 4: the Left unit line has 5 fields instead of 21"
                      "\nLine 5: the file ends where a Left unit should be"});
    EXPECT_TRUE(window.BattleChanged()) << "what is shown is not what the file holds";
}

}  // namespace
}  // namespace korvane
