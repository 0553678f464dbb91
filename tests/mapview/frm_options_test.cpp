// The faction information window.
#include "core/settings.h"
#include "mapview/windows/frm_options.h"

#include "support/scripted_interaction.h"
#include "windows/window_test_helpers.h"

#include <QLabel>

namespace korvane::testing {
namespace {

TEST(FactionInformation, ShowsTheLastReportsFiguresAndTakesOnlyAFactionNumberOf1To1000)
{
    TrecINI settings("/nonexistent");
    settings.FacPoints = {2, 3, 1};
    settings.Unclaimed = 4500;
    ScriptedInteraction ui;
    TfrmOptions window(settings, ui);
    auto* number = Child<QLineEdit>(window, "txtFacNo");
    EXPECT_TRUE(number->text().isEmpty()) << "no faction number yet";
    EXPECT_EQ(std::tuple(Child<QLabel>(window, "pnlTrade")->text(), Child<QLabel>(window, "pnlUnclaimed")->text()),
              std::tuple("3", "4500"));
    for (const char* refused : {"", "0", "-5", "1001"}) {
        number->setText(refused);
        window.Confirm();
        EXPECT_EQ(ui.shown.back().text, "Invalid faction number. Please re-enter.") << refused;
        EXPECT_EQ(std::tuple(settings.FactionNo, window.result() == QDialog::Accepted), std::tuple(0, false));
    }
    for (const int accepted : {1, 1000}) {
        number->setText(QString::number(accepted));
        window.Confirm();
        EXPECT_EQ(std::tuple(settings.FactionNo, window.result()), std::tuple(accepted, int(QDialog::Accepted)));
    }
    EXPECT_EQ(Child<QLineEdit>(TfrmOptions(settings, ui), "txtFacNo")->text(), "1000") << "shown again";
}

}  // namespace
}  // namespace korvane::testing
