// The progress dialog of long work: hidden for quick work, shown for long work, and stopping it
// however the player cancels.
#include "windows/progress_dialog.h"

#include "windows/busy_cursor.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace korvane {
namespace {

using namespace std::chrono_literals;

class ProgressDialogTest : public ::testing::Test
{
protected:
    QProgressDialog* Dialog() const { return owner.findChild<QProgressDialog*>("dlgProgress"); }

    /// The first `steps` of work of `total` steps, a millisecond each; the steps answered "carry on".
    static int Run(ProgressDialog& progress, std::int64_t total, int steps)
    {
        for (int i = 0; i < steps; ++i) {
            if (!progress.Step(i, total))
                return i;
            QTest::qSleep(1);
        }
        return steps;
    }

    QWidget owner;
};

TEST_F(ProgressDialogTest, QuickWorkShowsNothing)
{
    ProgressDialog progress(&owner, "Importing ...");
    bool shown = false;
    for (int i = 0; i <= 2000; ++i) {
        EXPECT_TRUE(progress.Step(i, 2000));
        shown = shown || Dialog()->isVisible();
    }
    EXPECT_FALSE(shown);
    EXPECT_FALSE(progress.WasCancelled());
}

TEST_F(ProgressDialogTest, LongWorkShowsTheDialogAndEveryWayOfCancellingStopsIt)
{
    struct Row
    {
        const char* name;
        std::function<void(QProgressDialog&)> cancel;
    };
    const Row rows[] = {
        {"the Cancel button",
         [](QProgressDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>("cmdCancel"), Qt::LeftButton); }},
        {"Escape", [](QProgressDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        {"closing the dialog", [](QProgressDialog& d) { d.close(); }},
    };
    owner.show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // So long that the bar hardly moves: the player is heard all the same.
        constexpr std::int64_t kTotal = 1'000'000;
        constexpr int kSteps = 3000;  // three seconds when nobody cancels
        bool visible = false;
        Qt::CursorShape cursor = Qt::WaitCursor;
        {
            const BusyCursor busy;
            ProgressDialog progress(&owner, "Generating map ...", 0ms);
            // Runs only if the work lets events through while it goes on.
            QTimer::singleShot(150ms, [&] {
                QProgressDialog& dialog = *Dialog();
                visible = dialog.isVisible();
                cursor = QApplication::overrideCursor()->shape();
                row.cancel(dialog);
            });
            const int steps = Run(progress, kTotal, kSteps);
            EXPECT_TRUE(visible);
            EXPECT_EQ(cursor, Qt::ArrowCursor) << "the Cancel button does not look busy";
            EXPECT_LT(steps, 1000) << "the bar has not moved yet";
            EXPECT_TRUE(progress.WasCancelled());
            EXPECT_FALSE(progress.Step(steps + 1, kTotal)) << "stays cancelled";
            EXPECT_FALSE(Dialog()->isVisible());
            EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        EXPECT_EQ(Dialog(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
}

TEST_F(ProgressDialogTest, FinishedWorkClosesTheDialog)
{
    ProgressDialog progress(&owner, "Exporting ...", 0ms);
    bool shown = false;
    for (int i = 0; i < 100; ++i) {
        EXPECT_TRUE(progress.Step(i, 100));
        shown = shown || Dialog()->isVisible();
        QTest::qSleep(1);
    }
    EXPECT_TRUE(shown);
    EXPECT_TRUE(progress.Step(100, 100));
    EXPECT_FALSE(Dialog()->isVisible());
    EXPECT_FALSE(progress.WasCancelled());
}

}  // namespace
}  // namespace korvane
