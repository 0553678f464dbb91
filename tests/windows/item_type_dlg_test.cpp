// The item-type dialog: what the player sees and which answer each way of leaving it gives.
#include "windows/frm_item_type_dlg.h"

#include "support/qt_printers.h"
#include "windows/qt_interaction.h"
#include "windows/window_test_helpers.h"

#include <QLabel>

namespace korvane {
namespace {

using testing::Child;

/// Runs Identify through the interaction, as the report reader does, and leaves the dialog
/// with `leave`; returns the answer, and the texts of the object and the warning in `seen`.
bool IdentifyAndLeave(const std::string& objectText, std::function<void(TfrmItemTypeDlg*)> leave, QStringList& seen)
{
    testing::WhenModalShown<TfrmItemTypeDlg>([&seen, leave](TfrmItemTypeDlg* dialog) {
        seen = {Child<QLabel>(*dialog, "lblItem")->text(), Child<QLabel>(*dialog, "lblWarning")->text()};
        leave(dialog);
    });
    QtInteraction ui;
    return ui.Identify(objectText);
}

void Click(TfrmItemTypeDlg* dialog, const char* button)
{
    QTest::mouseClick(Child(*dialog, button), Qt::LeftButton);
}

TEST(ItemTypeDialog, ShowsTheObjectAsTextAndTheWarning)
{
    QStringList seen;
    // A Latin-1 name stays readable, and angle brackets are not taken as markup.
    IdentifyAndLeave(
        "K\xE4"
        "fer <b> [KAEF]",
        [](TfrmItemTypeDlg* d) { Click(d, "cmdIsTroop"); }, seen);
    EXPECT_EQ(seen,
              (QStringList{QString::fromUtf8("K\u00e4fer <b> [KAEF]"),
                           "WARNING\nIt's important that you identify each object correctly."}));
}

TEST(ItemTypeDialog, OnlyTheTroopButtonAnswersTroop)
{
    QStringList seen;
    EXPECT_TRUE(IdentifyAndLeave(
        "wolf [WOLF]", [](TfrmItemTypeDlg* d) { Click(d, "cmdIsTroop"); }, seen));
    EXPECT_FALSE(IdentifyAndLeave(
        "sword [SWOR]", [](TfrmItemTypeDlg* d) { Click(d, "cmdIsItem"); }, seen));
    // Closing the window, by its close button or Escape, makes the object an item.
    EXPECT_FALSE(IdentifyAndLeave(
        "dye [DYE]", [](TfrmItemTypeDlg* d) { d->close(); }, seen));
    EXPECT_FALSE(IdentifyAndLeave(
        "wing [WING]", [](TfrmItemTypeDlg* d) { QTest::keyClick(d, Qt::Key_Escape); }, seen));
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
