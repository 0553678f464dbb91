// The progress dialog: hidden for quick work, shown for long work, stopped when cancelled.
#include "windows/progress_dialog.h"

#include "windows/busy_cursor.h"
#include "windows/window_test_helpers.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>

namespace korvane {
namespace {

using namespace std::chrono_literals;

class ProgressDialogTest : public ::testing::Test
{
protected:
    QProgressDialog* Dialog() const { return owner.findChild<QProgressDialog*>("dlgProgress"); }
    /// Steps 0 to `last` of `total`, `pause` ms each; whether the dialog showed, and the steps answered "carry on".
    std::pair<bool, int> Run(ProgressDialog& progress, std::int64_t total, int last, int pause) const
    {
        bool shown = false;
        for (int i = 0; i <= last; ++i) {
            if (!progress.Step(i, total))
                return {shown, i};
            shown = shown || Dialog()->isVisible();
            QTest::qSleep(pause);
        }
        return {shown, last + 1};
    }

    QWidget owner;
};

TEST_F(ProgressDialogTest, QuickWorkShowsNothingLongWorkShowsTheDialogAndEveryWayOfCancellingStopsIt)
{
    {
        ProgressDialog quick(&owner, "Importing ...");
        EXPECT_EQ(Run(quick, 2000, 2000, 0), std::pair(false, 2001));
    }
    {
        ProgressDialog slow(&owner, "Exporting ...", 0ms);
        EXPECT_EQ(Run(slow, 100, 99, 1), std::pair(true, 100));
        EXPECT_TRUE(slow.Step(100, 100));
        EXPECT_FALSE(Dialog()->isVisible()) << "finished work closes it";
    }

    owner.show();
    // So long that the bar hardly moves: the player is heard all the same.
    constexpr std::int64_t kTotal = 1'000'000;
    bool visible = false;
    Qt::CursorShape cursor = Qt::WaitCursor;
    {
        const BusyCursor busy;
        ProgressDialog progress(&owner, "Generating map ...", 0ms);
        // Runs only if the work lets events through while it goes on.
        QTimer::singleShot(150ms, [&] {
            visible = Dialog()->isVisible();
            cursor = QApplication::overrideCursor()->shape();
            QTest::mouseClick(testing::Child(*Dialog(), "cmdCancel"), Qt::LeftButton);
        });
        const int steps = Run(progress, kTotal, 2999, 1).second;  // three seconds when nobody cancels
        EXPECT_LT(steps, 1000) << "the bar has not moved yet";
        EXPECT_EQ(std::tuple(visible, cursor, progress.WasCancelled()), std::tuple(true, Qt::ArrowCursor, true))
            << "the Cancel button does not look busy";
        EXPECT_FALSE(progress.Step(steps + 1, kTotal)) << "stays cancelled";
        EXPECT_EQ(std::pair(Dialog()->isVisible(), QApplication::overrideCursor()->shape()),
                  std::pair(false, Qt::WaitCursor));
    }
    EXPECT_TRUE(Dialog() == nullptr && QApplication::overrideCursor() == nullptr);
}

}  // namespace
}  // namespace korvane
