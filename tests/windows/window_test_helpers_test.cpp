// The window tests' hands: a missing widget or a wrong dialog stops a test, never hangs it.
#include "windows/window_test_helpers.h"

#include <QProgressDialog>

#include <gtest/gtest-spi.h>

namespace korvane {
namespace {

TEST(WindowTestHelpers, AMissingWidgetOrAWrongDialogFailsTheTestWithoutHangingIt)
{
    QWidget window;
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW(testing::Child<QLabel>(window, "pnlNowhere"), testing::MissingWidget),
                            "no QLabel named pnlNowhere");
    // Inside a dialog's event loop it fails the test and closes the dialog.
    QDialog dialog;
    testing::WhenModalShown<QDialog>([](QDialog* d) { testing::Child(*d, "cmdNowhere"); });
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(dialog.exec(), QDialog::Rejected), "no QAbstractButton named cmdNowhere");
    // The dialog waited for is found past another; a wrong one is closed.
    QDialog first;
    QProgressDialog second;
    QString seen;
    testing::WhenModalShown<QProgressDialog>([&seen](QProgressDialog* d) {
        seen = d->labelText();
        d->reject();
    });
    QTimer::singleShot(100, &first, [&] {
        second.setLabelText("second");
        second.exec();
        first.reject();
    });
    first.exec();
    EXPECT_EQ(seen, "second");

    testing::WhenModalShown<QProgressDialog>([](QProgressDialog* d) { d->accept(); }, 200);
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(first.exec(), QDialog::Rejected), "no QProgressDialog appeared, only a QDialog");
}

}  // namespace
}  // namespace korvane
