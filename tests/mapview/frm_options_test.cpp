// The faction information window.
#include "core/settings.h"
#include "mapview/windows/frm_options.h"

#include "support/scripted_interaction.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

namespace korvane {
namespace {

TEST(FactionInformation, ShowsTheLastReportsFiguresAndTakesOnlyAFactionNumberOf1To1000)
{
    TrecINI settings("/nonexistent");
    settings.FacPoints = {2, 3, 1};
    settings.Unclaimed = 4500;
    testing::ScriptedInteraction ui;
    TfrmOptions window(settings, ui);
    auto* number = window.findChild<QLineEdit*>("txtFacNo");
    ASSERT_NE(number, nullptr);
    EXPECT_TRUE(number->text().isEmpty()) << "no faction number yet";
    EXPECT_EQ(window.findChild<QLabel*>("pnlTrade")->text(), "3");
    EXPECT_EQ(window.findChild<QLabel*>("pnlUnclaimed")->text(), "4500");

    for (const char* refused : {"", "0", "-5", "1001"}) {
        number->setText(refused);
        window.Confirm();
        EXPECT_EQ(ui.shown.back().text, "Invalid faction number. Please re-enter.") << refused;
        EXPECT_EQ(settings.FactionNo, 0);
        EXPECT_NE(window.result(), QDialog::Accepted);
    }
    for (const int accepted : {1, 1000}) {
        number->setText(QString::number(accepted));
        window.Confirm();
        EXPECT_EQ(settings.FactionNo, accepted);
        EXPECT_EQ(window.result(), QDialog::Accepted);
    }
    TfrmOptions again(settings, ui);
    EXPECT_EQ(again.findChild<QLineEdit*>("txtFacNo")->text(), "1000");
}

}  // namespace
}  // namespace korvane
