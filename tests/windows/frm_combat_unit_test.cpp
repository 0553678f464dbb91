// The battle unit dialog: each box to its own field, lenient numbers, descriptions safe in a file.
#include "windows/frm_combat_unit.h"

#include "combat/combat_unit.h"
#include "windows/window_test_helpers.h"

namespace korvane {
namespace {

/// The unit dialog over `unit`, shown as the battle set-up shows it.
class CombatUnitDialog : public testing::OwnedWindowTest<TfrmCombatUnit>
{
protected:
    CombatUnitDialog() { Reopen(); }
    void Reopen()
    {
        window = std::make_unique<TfrmCombatUnit>(unit, nullptr);
        window->show();
    }
    QLineEdit* Description() const { return Get<QComboBox>("lstDesc")->lineEdit(); }
    /// Types over each box named with its text.
    void Enter(std::initializer_list<std::pair<const char*, QString>> boxes) const
    {
        for (const auto& [box, text] : boxes)
            testing::TypeOver(box == std::string("lstDesc") ? Description() : Get<QLineEdit>(box), text);
    }

    TCombatUnit unit;
};

// Every box typed with its own number, so a box wired to a wrong field shows in the line.
TEST_F(CombatUnitDialog, OKStoresEveryBoxInItsOwnFieldCancelKeepsTheUnitAndDescriptionsCannotBreakAFileLine)
{
    EXPECT_EQ(Text("txtUnitID"), "-1") << "a new unit";
    Enter({{"txtUnitID", "4711"}, {"txtQty", "25"}, {"lstDesc", "  Heavy Cavalry  "}});
    int value = 10;
    // In the order of a battle file line's numbers after the first four fields.
    for (const char* box : {"txtSkillCOMB", "txtSkillLBOW", "txtSkillXBOW", "txtSkillRIDI", "txtSkillHEAL", "txtMSWO",
                            "txtSWOR", "txtLBOW", "txtXBOW", "txtDBOW", "txtMARM", "txtPLAT", "txtCHAI", "txtHORS",
                            "txtHERB", "txtHits", "txtAttacks"})
        Enter({{box, QString::number(value++)}});
    Click("chkBehind");
    Click("cmdOK");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(unit.ToLine(), "4711,Heavy Cavalry,25,Y,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26");

    unit.FromLine("12,Ogre's band,5,N,1,0,0,0,0,0,5,0,0,0,0,0,0,0,0,1,1");
    const std::string before = unit.ToLine();
    Reopen();
    Description()->end(false);
    QTest::keyClicks(Description(), "s");
    EXPECT_EQ(Description()->text(), "Ogres bands") << "one from a hand-written file loses its quote at the first key";
    Enter({{"txtQty", " 12"},
           {"txtHits", ""},
           {"txtAttacks", "three"},
           {"txtSkillCOMB", "4 levels"},
           {"txtUnitID", "-7"}});
    Click("cmdCancel");
    EXPECT_EQ(std::pair(window->result(), unit.ToLine()), (std::pair<int, std::string>(QDialog::Rejected, before)));
    // A blank before the figure is read past; what is no figure counts 0.
    window->StoreUnit(unit);
    EXPECT_EQ(std::tuple(unit.Quantity, unit.Hits, unit.Attacks, unit.SkillCOMB, unit.UnitID, unit.Description),
              std::tuple(12, 0, 0, 4, -7, "Ogres bands"));
}

}  // namespace
}  // namespace korvane
