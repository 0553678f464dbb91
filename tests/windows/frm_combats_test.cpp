// The battle set-up window: units, the field, battles and their reports, set-ups saved and loaded.
#include "windows/frm_combats.h"

#include "support/file_dialog_answer.h"
#include "windows/frm_combat_results.h"
#include "windows/frm_combat_unit.h"
#include "windows/workspace_window_test.h"

namespace korvane {
namespace {

// One man who cannot hurt anyone: no skill, no weapon.
constexpr const char* kPeasant = "1,Peasant,1,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1";
constexpr const char* kCavalry = "-1,Heavy Cavalry,25,Y,2,0,0,3,0,0,25,0,0,0,0,0,0,0,25,1,1";
constexpr const char* kScout = "7,Scout,1,N,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1";

class CombatsWindow : public testing::WorkspaceWindowTest<TfrmCombats>
{
protected:
    CombatsWindow() { Open(); }

    /// Each side's units and men as shown, then the ticked boxes and both forts.
    std::string SetUp() const
    {
        QString shown;
        for (const QString side : {"Left", "Right"}) {
            for (const std::string& line : Shown(qPrintable("lst" + side)))
                shown += QString::fromStdString(line).simplified() + ", ";
            shown += "= " + Get<QLabel>(qPrintable("pnlManCount" + side.left(1)))->text() + " | ";
        }
        return (shown + TickedNames() + " | " + Fort("lstFortLeft") + "-" + Fort("lstFortRight")).toStdString();
    }
    QString Fort(const char* side) const { return Get<QComboBox>(side)->currentText(); }
    void ChooseFort(const char* side, const char* fort) const { Get<QComboBox>(side)->setCurrentText(fort); }
    /// Answers the next unit dialog: notes the unit offered, shows that of a battle file `line`, clicks `button`.
    void InUnitDialog(const std::string& line, const char* button = "cmdOK")
    {
        testing::WhenModalShown<TfrmCombatUnit>([this, line, button](TfrmCombatUnit* dialog) {
            TCombatUnit unit;
            dialog->StoreUnit(unit);
            offered = unit.ToLine();
            unit.FromLine(line);
            dialog->ShowUnit(unit);
            QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
        });
    }
    /// Adds the units of battle file lines to the Left and the Right through the unit dialog.
    void Field(std::initializer_list<std::string> left, std::initializer_list<std::string> right = {})
    {
        for (auto [side, lines] : {std::pair{"cmdAddLeft", left}, {"cmdAddRight", right}})
            for (const std::string& line : lines) {
                InUnitDialog(line);
                Click(side);
            }
    }
    /// What the results window lists when `button` opens it; closed again with its own button.
    Lines Results(const char* button = "cmdStartCombat") const
    {
        Lines lines;
        testing::WhenModalShown<TfrmCombatResults>([&lines](TfrmCombatResults* results) {
            lines = testing::LineTexts(results->findChild<QListWidget*>("lstCombats"));
            QTest::mouseClick(results->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        });
        Click(button);
        return lines;
    }

    std::string offered;
};

TEST_F(CombatsWindow, UnitsAreAddedEditedAndRemovedThroughTheUnitDialogAndClearAllEmptiesBothSides)
{
    // A unit typed with fewer than no men fields none and takes none from the others.
    Field({kCavalry, kScout}, {kScout, "3,Ghosts,-5,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1"});
    EXPECT_EQ(
        std::tuple(SetUp(), window->BattleChanged()),
        std::tuple(std::string("-25 Heavy Cavalry, 1 Scout, = 26 men | 1 Scout, -5 Ghosts, = 1 man |  | None-None"),
                   true));

    const auto buttons = {"cmdEditLeft", "cmdRemoveLeft", "cmdEditRight"};
    EXPECT_EQ(EnabledOf(buttons), "");
    ClickLine("lstLeft", 1);
    EXPECT_EQ(EnabledOf(buttons), "cmdEditLeft cmdRemoveLeft") << "each side follows its own list";
    InUnitDialog("7,Scout,40,N,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1");
    Click("cmdEditLeft");
    EXPECT_EQ(offered, kScout) << "the selected unit";
    EXPECT_EQ(SetUp(), "-25 Heavy Cavalry, 40 Scout, = 65 men | 1 Scout, -5 Ghosts, = 1 man |  | None-None");
    EXPECT_EQ(EnabledOf(buttons), "cmdEditLeft cmdRemoveLeft") << "the edited line stays selected";

    InUnitDialog(kPeasant, "cmdCancel");
    emit Get<QListWidget>("lstLeft")->itemDoubleClicked(Get<QListWidget>("lstLeft")->item(1));
    ClickLine("lstLeft", 0);
    Click("cmdRemoveLeft");
    EXPECT_EQ(SetUp(), "40 Scout, = 40 men | 1 Scout, -5 Ghosts, = 1 man |  | None-None") << "the edit cancelled";
    EXPECT_EQ(EnabledOf(buttons), "");
    // Clear All empties both sides after asking, and keeps the field and the last report.
    Click("chkTacR");
    Click("chkUseHorses");
    ChooseFort("lstFortLeft", "Fort");
    const Lines report = Results();
    ui.yesNoAnswers = {false, true};
    const Lines asked{"question: Are you sure you wish to clear all battle data ?"};
    EXPECT_EQ(Said("cmdClearAll"), asked);
    EXPECT_EQ(SetUp(), "40 Scout, = 40 men | 1 Scout, -5 Ghosts, = 1 man | chkTacR chkUseHorses | Fort-None")
        << "on No";
    EXPECT_EQ(Said("cmdClearAll"), asked);
    EXPECT_EQ(SetUp(), "= 0 men | = 0 men | chkUseHorses | Fort-None");
    EXPECT_EQ(Results("cmdViewResults"), report);
}

TEST_F(CombatsWindow, OnlyOneSideHasTheAdvantageAndOnlyOneAFortification)
{
    Click("chkTacL");
    Click("chkTacR");
    EXPECT_EQ(std::tuple(TickedNames(), window->BattleChanged()), std::tuple(QString("chkTacR"), true));
    Click("chkTacR");
    EXPECT_EQ(TickedNames(), "") << "neither is allowed too";

    ChooseFort("lstFortLeft", "Tower");
    ChooseFort("lstFortRight", "Castle");
    EXPECT_EQ(Fort("lstFortLeft") + "-" + Fort("lstFortRight"), "None-Castle");
    ChooseFort("lstFortLeft", "None");
    EXPECT_EQ(Fort("lstFortRight"), "Castle") << "no fortification takes none from the other side";
    ChooseFort("lstFortRight", "None");

    // Then a battle is fought on the field as set up.
    Field({kPeasant});
    EXPECT_FALSE(Enabled("cmdViewResults"));
    EXPECT_TRUE(Results().empty()) << "no report before the first battle";
    EXPECT_TRUE(Enabled("cmdViewResults"));
    EXPECT_EQ(ui.Texts(Kind::Info), Lines{"One side has no troops - no combat occurs."});

    // The Right in a castle: only the Left's blows (0 against a defence of 2) get through.
    Field({}, {kPeasant});
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
    ClickLine("lstLeft", 0);
    InUnitDialog("1,Peasant,1,N,0,0,0,1,0,0,0,0,0,0,0,0,0,1,0,1,1");  // riding skill 1, 1 horse
    Click("cmdEditLeft");
    EXPECT_EQ(Results().at(0), "Neither side can wound the other - battle ends undecided.");
    Click("chkUseHorses");
    EXPECT_EQ(Results().at(0), "Round 1:");
}

TEST_F(CombatsWindow, SetUpsAreSavedAndLoadedThroughTheFileDialogsAndClosingAsksOnlyAfterAChange)
{
    Field({kCavalry}, {kScout});
    Click("chkTacL");
    testing::PickFileWhenAsked(dir.File("ford"));
    Click("cmdSave");
    const std::string saved = std::string("VERSION,2.31\r\nL,N\r\n1\r\n") + kCavalry + "\r\n1\r\n" + kScout + "\r\n";
    EXPECT_EQ(std::tuple(dir.Read("ford.BTL"), window->BattleChanged()), std::tuple(saved, false)) << "a battle file";

    Click("chkTacL");
    Click("chkUseHorses");
    ui.yesNoAnswers = {false, true};
    for (bool overwrite : {false, true}) {
        testing::PickFileWhenAsked(dir.File("ford.BTL"));
        EXPECT_EQ(Said("cmdSave"), Lines{"question: File exists. Overwrite ?"});
        EXPECT_EQ(std::pair(dir.Read("ford.BTL") == saved, window->BattleChanged()), std::pair(!overwrite, !overwrite));
    }

    // A hand-written file in lower case, loaded without a warning; the fortification chosen stays.
    ChooseFort("lstFortLeft", "Citadel");
    const std::string hill = dir.Write(
        "hill.btl", "version,2.31\r\nr,y\r\n0\r\n2\r\n" + std::string(kScout) + "\r\n" + kPeasant + "\r\n");
    testing::PickFileWhenAsked(hill);
    EXPECT_EQ(Said("cmdLoad"), Lines{});
    EXPECT_EQ(
        std::tuple(SetUp(), window->BattleChanged()),
        std::tuple(std::string("= 0 men | 1 Scout, 1 Peasant, = 2 men | chkTacR chkUseHorses | Citadel-None"), false));
    EXPECT_EQ(Get<QFileDialog>("dlgSave")->selectedFiles().value(0).toStdString(), hill)
        << "saving proposes the file loaded";
    // Closing asks only when the set-up changed since it was loaded.
    EXPECT_EQ(Said("cmdClose"), Lines{});
    EXPECT_FALSE(window->isVisible());
    window->show();
    Field({kScout});
    ui.yesNoAnswers = {false, true};
    const Lines asked{"question: You will lose the changes you have made. Do you wish to exit without saving ?"};
    EXPECT_EQ(Said("cmdClose"), asked);
    EXPECT_TRUE(window->isVisible()) << "No keeps the window open";
    EXPECT_EQ(Said("cmdClose"), asked);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CombatsWindow, FailedSavesAndLoadsSaySoAndLoseNothingUnasked)
{
    Field({kCavalry});
    // A file where the folder would have to be: nothing can be written there.
    const std::string blocked = dir.Write("blocker", "a file") + "/ford.BTL";
    testing::PickFileWhenAsked(blocked);
    Click("cmdSave");
    ExpectOneError("Unable to save the battle to " + blocked + ": ");
    EXPECT_TRUE(window->BattleChanged());
    testing::PickFileWhenAsked(dir.File("ford.BTL"));
    Click("cmdSave");
    EXPECT_FALSE(window->LoadBattle(dir.File("missing.BTL")));
    EXPECT_EQ(ui.Texts(Kind::Info), Lines{"Failed to find specified file."});
    EXPECT_EQ(std::tuple(SetUp(), window->BattleChanged()),
              std::tuple(std::string("-25 Heavy Cavalry, = 25 men | = 0 men |  | None-None"), false))
        << "kept";

    // Two Left units promised, one short one given: what is there is loaded, the rest named.
    const std::string damaged = dir.Write("damaged.BTL", "VERSION,2.31\r\nN,N\r\n2\r\n4,Fighters,10,N,1\r\n");
    EXPECT_TRUE(window->LoadBattle(damaged));
    EXPECT_EQ(SetUp(), "10 Fighters, = 10 men | = 0 men |  | None-None");
    EXPECT_EQ(ui.Texts(Kind::Warning),
              Lines{"The battle file " + damaged
                    + " could not be read in full; what could be read is loaded."
                      "\nLine 4: the Left unit line has 5 fields instead of 21"
                      "\nLine 5: the file ends where a Left unit should be"});
    EXPECT_TRUE(window->BattleChanged()) << "what is shown is not what the file holds";
}

}  // namespace
}  // namespace korvane
