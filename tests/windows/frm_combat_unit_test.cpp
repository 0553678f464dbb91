// The unit dialog of the battle set-up: every box reaches its own field, numbers are read
// leniently, and a description can never break a battle file line.
#include "windows/frm_combat_unit.h"

#include "combat/combat_unit.h"
#include "support/qt_printers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

// The number boxes in the order of a battle file line's numbers after the first four fields.
constexpr const char* kLineOrderBoxes[] = {"txtSkillCOMB", "txtSkillLBOW", "txtSkillXBOW", "txtSkillRIDI",
                                           "txtSkillHEAL", "txtMSWO",      "txtSWOR",      "txtLBOW",
                                           "txtXBOW",      "txtDBOW",      "txtMARM",      "txtPLAT",
                                           "txtCHAI",      "txtHORS",      "txtHERB",      "txtHits",
                                           "txtAttacks"};

QLineEdit* Box(const QWidget& dialog, const char* name)
{
    auto* box = dialog.findChild<QLineEdit*>(name);
    EXPECT_NE(box, nullptr) << name;
    return box;
}

void Type(QLineEdit* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

QLineEdit* DescriptionBox(const QWidget& dialog)
{
    return dialog.findChild<QComboBox*>("lstDesc")->lineEdit();
}

// Every box typed with its own number, so a box wired to a wrong field shows in the line.
TEST(CombatUnitDialog, OKStoresEveryBoxInItsOwnField)
{
    TCombatUnit unit;
    TfrmCombatUnit dialog(unit, nullptr);
    dialog.show();
    EXPECT_EQ(Box(dialog, "txtUnitID")->text(), "-1") << "a new unit";
    EXPECT_EQ(Box(dialog, "txtHits")->text(), "1");
    Type(Box(dialog, "txtUnitID"), "4711");
    Type(Box(dialog, "txtQty"), "25");
    int value = 10;
    for (const char* name : kLineOrderBoxes)
        Type(Box(dialog, name), QString::number(value++));
    Type(DescriptionBox(dialog), "  Heavy Cavalry  ");
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

TEST(CombatUnitDialog, NumbersAreReadAsFarAsTheyAreNumbers)
{
    TCombatUnit unit;
    TfrmCombatUnit dialog(unit, nullptr);
    dialog.show();
    Type(Box(dialog, "txtQty"), " 12");
    Type(Box(dialog, "txtHits"), "");
    Type(Box(dialog, "txtAttacks"), "three");
    Type(Box(dialog, "txtSkillCOMB"), "4 levels");
    Type(Box(dialog, "txtUnitID"), "-7");
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
    EXPECT_EQ(unit.Description, "Very Heavy Cavalry");
    EXPECT_EQ(unit.ToLine(), "-1,Very Heavy Cavalry,0,N,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,1");
}

TEST(CombatUnitDialog, CancelLeavesTheUnitAsItWas)
{
    TCombatUnit unit;
    unit.FromLine("12,Fighters,5,N,1,0,0,0,0,0,5,0,0,0,0,0,0,0,0,1,1");
    const std::string before = unit.ToLine();
    TfrmCombatUnit dialog(unit, nullptr);
    dialog.show();
    Type(Box(dialog, "txtQty"), "500");
    Type(DescriptionBox(dialog), "Monsters");
    QTest::mouseClick(dialog.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(unit.ToLine(), before);
}

}  // namespace
}  // namespace korvane
