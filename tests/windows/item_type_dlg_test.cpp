// The item-type dialog: what the player sees and which answer each way of leaving it gives.
#include "windows/frm_item_type_dlg.h"
#include "windows/modal_driver.h"
#include "windows/qt_interaction.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

using testing::WhenModalShown;

struct Seen
{
    QString item, warning, troopCaption, itemCaption, troopTip, itemTip;
};

/// Runs Identify through the interaction, as the report reader does, and leaves the dialog
/// with `leave`; returns the answer and fills `seen` with what the dialog showed.
bool IdentifyAndLeave(const std::string& objectText, std::function<void(TfrmItemTypeDlg*)> leave,
                      Seen& seen)
{
    WhenModalShown<TfrmItemTypeDlg>([&seen, leave](TfrmItemTypeDlg* dialog) {
        auto* lblItem = dialog->findChild<QLabel*>("lblItem");
        auto* lblWarning = dialog->findChild<QLabel*>("lblWarning");
        auto* cmdIsTroop = dialog->findChild<QPushButton*>("cmdIsTroop");
        auto* cmdIsItem = dialog->findChild<QPushButton*>("cmdIsItem");
        if (!lblItem || !lblWarning || !cmdIsTroop || !cmdIsItem) {
            ADD_FAILURE() << "a control is missing";
            dialog->reject();
            return;
        }
        seen = {lblItem->text(), lblWarning->text(), cmdIsTroop->text(), cmdIsItem->text(),
                cmdIsTroop->toolTip(), cmdIsItem->toolTip()};
        leave(dialog);
    });
    QtInteraction ui;
    return ui.Identify(objectText);
}

void Click(TfrmItemTypeDlg* dialog, const char* button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

TEST(ItemTypeDialog, ShowsTheObjectAsTextAndTheWarning)
{
    Seen seen;
    // A Latin-1 name stays readable, and angle brackets are not taken as markup.
    IdentifyAndLeave("K\xE4" "fer <b> [KAEF]", [](TfrmItemTypeDlg* d) { Click(d, "cmdIsTroop"); }, seen);
    EXPECT_EQ(seen.item, QString::fromUtf8("K\u00e4fer <b> [KAEF]"));
    EXPECT_EQ(seen.warning, "WARNING\nIt's important that you identify each object correctly.");
    EXPECT_EQ(seen.troopCaption, "Troop / Creature");
    EXPECT_EQ(seen.itemCaption, "Item / Equipment");
    EXPECT_EQ(seen.troopTip, "e.g. LEAD, SELF, UNDEAD, WOLF etc.");
    EXPECT_EQ(seen.itemTip, "e.g. HORS, DYE, WING, SWOR, PLAT etc.");
}

TEST(ItemTypeDialog, OnlyTheTroopButtonAnswersTroop)
{
    Seen seen;
    EXPECT_TRUE(IdentifyAndLeave("wolf [WOLF]", [](TfrmItemTypeDlg* d) { Click(d, "cmdIsTroop"); }, seen));
    EXPECT_FALSE(IdentifyAndLeave("sword [SWOR]", [](TfrmItemTypeDlg* d) { Click(d, "cmdIsItem"); }, seen));
    // Closing the window, by its close button or Escape, makes the object an item.
    EXPECT_FALSE(IdentifyAndLeave("dye [DYE]", [](TfrmItemTypeDlg* d) { d->close(); }, seen));
    EXPECT_FALSE(IdentifyAndLeave("wing [WING]", [](TfrmItemTypeDlg* d) { QTest::keyClick(d, Qt::Key_Escape); },
                                  seen));
    // Enter must not choose for the player: no button is the default.
    const auto enterThenItem = [](TfrmItemTypeDlg* d) {
        QTest::keyClick(d, Qt::Key_Return);
        if (d->isVisible())
            Click(d, "cmdIsItem");
    };
    EXPECT_FALSE(IdentifyAndLeave("horse [HORS]", enterThenItem, seen));
}

}  // namespace
}  // namespace korvane
