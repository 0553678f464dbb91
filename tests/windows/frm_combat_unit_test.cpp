// The unit dialog of the battle set-up: every box reaches its own field, numbers are read
// leniently, and a description can never break a battle file line.
#include "windows/frm_combat_unit.h"

#include "combat/combat_unit.h"
#include "support/qt_printers.h"
#include "windows/window_test_helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::TypeOver;

// The number boxes in the order of a battle file line's numbers after the first four fields.
constexpr const char* kLineOrderBoxes[] = {
    "txtSkillCOMB", "txtSkillLBOW", "txtSkillXBOW", "txtSkillRIDI", "txtSkillHEAL", "txtMSWO",
    "txtSWOR",      "txtLBOW",      "txtXBOW",      "txtDBOW",      "txtMARM",      "txtPLAT",
    "txtCHAI",      "txtHORS",      "txtHERB",      "txtHits",      "txtAttacks"};

QLineEdit* Box(const QWidget& dialog, const char* name)
{
    return testing::Child<QLineEdit>(dialog, name);
}
QLineEdit* DescriptionBox(const QWidget& dialog)
{
    return testing::Child<QComboBox>(dialog, "lstDesc")->lineEdit();
}

// Every box typed with its own number, so a box wired to a wrong field shows in the line.
TEST(CombatUnitDialog, OKStoresEveryBoxInItsOwnField)
{
    TCombatUnit unit;
    TfrmCombatUnit dialog(unit, nullptr);
    dialog.show();
    EXPECT_EQ(Box(dialog, "txtUnitID")->text(), "-1") << "a new unit";
    TypeOver(Box(dialog, "txtUnitID"), "4711");
    TypeOver(Box(dialog, "txtQty"), "25");
    int value = 10;
    for (const char* name : kLineOrderBoxes)
        TypeOver(Box(dialog, name), QString::number(value++));
    TypeOver(DescriptionBox(dialog), "  Heavy Cavalry  ");
    QTest::mouseClick(dialog.findChild<QCheckBox*>("chkBehind"), Qt::LeftButton);
    EXPECT_EQ(unit.ToLine(), TCombatUnit().ToLine()) << "nothing is stored before OK";

    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(unit.ToLine(), "4711,Heavy Cavalry,25,Y,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26");

    // Shown again, the same line comes back out unchanged.
    TCombatUnit copy;
    TfrmCombatUnit again(unit, nullptr);
    again.StoreUnit(copy);
    EXPECT_EQ(copy.ToLine(), unit.ToLine());
}

TEST(CombatUnitDialog, CancelKeepsTheUnitAndNumbersAreReadAsFarAsTheyAreNumbers)
{
    TCombatUnit unit;
    unit.FromLine("12,Fighters,5,N,1,0,0,0,0,0,5,0,0,0,0,0,0,0,0,1,1");
    const std::string before = unit.ToLine();
    TfrmCombatUnit dialog(unit, nullptr);
    dialog.show();
    TypeOver(Box(dialog, "txtQty"), " 12");
    TypeOver(Box(dialog, "txtHits"), "");
    TypeOver(Box(dialog, "txtAttacks"), "three");
    TypeOver(Box(dialog, "txtSkillCOMB"), "4 levels");
    TypeOver(Box(dialog, "txtUnitID"), "-7");
    TypeOver(DescriptionBox(dialog), "Monsters");
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(unit.ToLine(), before);

    dialog.StoreUnit(unit);
    EXPECT_EQ(unit.Quantity, 12) << "a blank before the figure";
    EXPECT_EQ(unit.Hits, 0);
    EXPECT_EQ(unit.Attacks, 0);
    EXPECT_EQ(unit.SkillCOMB, 4);
    EXPECT_EQ(unit.UnitID, -7);
}

TEST(CombatUnitDialog, DescriptionRefusesWhatWouldBreakABattleFileLine)
{
    TCombatUnit unit;
    TfrmCombatUnit dialog(unit, nullptr);
    dialog.show();
    QLineEdit* description = DescriptionBox(dialog);
    QTest::keyClicks(description, "Ogre's \"big\", bad");
    EXPECT_EQ(description->text(), "Ogres big bad");

    // One that came in from a hand-written file stays editable and loses them at the first key.
    TCombatUnit handWritten;
    handWritten.Description = "Ogre's band";
    TfrmCombatUnit other(handWritten, nullptr);
    other.show();
    DescriptionBox(other)->end(false);
    QTest::keyClicks(DescriptionBox(other), "s");
    EXPECT_EQ(DescriptionBox(other)->text(), "Ogres bands");

    // A picked label is only a label: the numbers stay as they were.
    auto* descriptions = dialog.findChild<QComboBox*>("lstDesc");
    descriptions->setCurrentIndex(descriptions->findText("Very Heavy Cavalry"));
    dialog.StoreUnit(unit);
    EXPECT_EQ(unit.ToLine(), "-1,Very Heavy Cavalry,0,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1");
}

}  // namespace
}  // namespace korvane
