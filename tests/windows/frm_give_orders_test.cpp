// The order window driven as a player would: the unit shown, "Complete" and "Not complete",
// the title bar, and edits that are no change.
#include "windows/frm_give_orders.h"

#include "windows/modal_driver.h"
#include "world/map.h"

#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace korvane {
namespace {

class GiveOrdersWindow : public ::testing::Test
{
protected:
    GiveOrdersWindow()
    {
        auto unit = std::make_unique<TUnit>();
        unit->Number = 1234;
        unit->Name = "Red Scouts";
        unit->Faction = 3;
        unit->SetOrders({"work", "give 81 10 silver"});
        record = map.UnitFileList.Add(std::move(unit));
    }

    /// A window loaded with the unit and shown, as a unit window opens it.
    TfrmGiveOrders* Open()
    {
        auto* window = new TfrmGiveOrders(map);
        EXPECT_TRUE(window->LoadUnit(1234));
        QObject::connect(window, &TfrmGiveOrders::Closed, [this] { ++closed; });
        window->show();
        return window;
    }

    static QPlainTextEdit* Memo(TfrmGiveOrders* w) { return w->findChild<QPlainTextEdit*>("txtOrders"); }
    static QPushButton* Button(TfrmGiveOrders* w, const char* name) { return w->findChild<QPushButton*>(name); }

    /// Types new lines at the end of the memo, as the player would.
    static void TypeLinesAtEnd(TfrmGiveOrders* w, const QStringList& lines)
    {
        Memo(w)->moveCursor(QTextCursor::End);
        for (const QString& line : lines) {
            QTest::keyClick(Memo(w), Qt::Key_Return);
            QTest::keyClicks(Memo(w), line);
        }
    }

    /// Closing deletes the window: true when it is gone once pending deletions ran.
    static bool Deleted(const QPointer<TfrmGiveOrders>& window)
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window.isNull();
    }

    TMap map;
    TUnit* record = nullptr;
    int closed = 0;
};

TEST_F(GiveOrdersWindow, ShowsTheUnitAndACopyOfItsOrders)
{
    QPointer<TfrmGiveOrders> window = Open();
    EXPECT_EQ(window->findChild<QLabel*>("pnlUnitNo")->text(), "1234");
    EXPECT_EQ(window->findChild<QLabel*>("pnlUnitName")->text(), " Red Scouts");
    EXPECT_EQ(Memo(window)->toPlainText(), "work\ngive 81 10 silver");
    EXPECT_EQ(window->UnitNumber(), 1234);

    TfrmGiveOrders unknown(map);
    EXPECT_FALSE(unknown.LoadUnit(99));
    EXPECT_EQ(unknown.UnitNumber(), -1);
    window->close();
}

TEST_F(GiveOrdersWindow, CompleteWithOnlyCaseChangedKeepsTheStoredLines)
{
    QPointer<TfrmGiveOrders> window = Open();
    Memo(window)->setPlainText("WORK  \n; a note for me\n\nGive 81 10 Silver\n");
    QTest::mouseClick(Button(window, "cmdDone"), Qt::LeftButton);
    EXPECT_TRUE(record->OrdersDone);
    EXPECT_EQ(record->Orders, (std::vector<std::string>{"work", "give 81 10 silver"}));
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(Deleted(window));
}

TEST_F(GiveOrdersWindow, NotCompleteClearsTheMarkAndKeepsAnAddedLine)
{
    record->OrdersDone = true;
    QPointer<TfrmGiveOrders> window = Open();
    TypeLinesAtEnd(window, {"; then east", "move e"});
    QTest::mouseClick(Button(window, "cmdClose"), Qt::LeftButton);
    EXPECT_FALSE(record->OrdersDone);
    EXPECT_EQ(record->Orders, (std::vector<std::string>{"work", "give 81 10 silver", "; then east", "move e"}));
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(Deleted(window));
}

TEST_F(GiveOrdersWindow, TheTitleBarKeepsTheMarkAndTheEdits)
{
    record->OrdersDone = true;
    QPointer<TfrmGiveOrders> window = Open();
    Memo(window)->setPlainText("study combat\n");
    window->close();  // as the title bar's close button does
    EXPECT_TRUE(record->OrdersDone);
    EXPECT_EQ(record->Orders, std::vector<std::string>{"study combat"}) << "no empty last line";
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(Deleted(window));
}

TEST_F(GiveOrdersWindow, UntouchedOrdersKeepTheirBytes)
{
    record->SetOrders({"name unit \"G\xE9nin\"", "  work"});  // Latin-1, and a leading indent
    QPointer<TfrmGiveOrders> window = Open();
    EXPECT_EQ(Memo(window)->toPlainText(), QString::fromUtf8("name unit \"G\xC3\xA9nin\"\n  work"));
    QTest::mouseClick(Button(window, "cmdDone"), Qt::LeftButton);
    EXPECT_EQ(record->Orders, (std::vector<std::string>{"name unit \"G\xE9nin\"", "  work"}));
    EXPECT_TRUE(record->OrdersDone);
}

TEST_F(GiveOrdersWindow, AUnitGoneWhileTheWindowWasOpenIsLeftAlone)
{
    QPointer<TfrmGiveOrders> window = Open();
    TypeLinesAtEnd(window, {"move n"});
    map.UnitFileList.Delete(map.UnitFileList.IndexOf(1234));  // a turn step removed it
    QTest::mouseClick(Button(window, "cmdDone"), Qt::LeftButton);
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(Deleted(window));
    EXPECT_EQ(map.UnitFileList.Find(1234), nullptr);
}

/// Follows whether a window is blocked by a modal one.
class BlockWatch : public QObject
{
public:
    bool blocked = false;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked)
            blocked = true;
        else if (event->type() == QEvent::WindowUnblocked)
            blocked = false;
        return QObject::eventFilter(watched, event);
    }
};

// The unit windows are shown modally; an order window opened from one must still take input.
TEST_F(GiveOrdersWindow, TakesInputWhileItsModalOpenerIsShown)
{
    QDialog opener;
    BlockWatch child, stray;
    testing::WhenModalShown<QDialog>([&](QDialog* dialog) {
        auto* fromOpener = new TfrmGiveOrders(map, dialog);
        auto* ofItsOwn = new TfrmGiveOrders(map);
        fromOpener->installEventFilter(&child);
        ofItsOwn->installEventFilter(&stray);
        fromOpener->show();
        ofItsOwn->show();
        QCoreApplication::processEvents();
        EXPECT_FALSE(child.blocked);
        EXPECT_TRUE(stray.blocked) << "a window without the opener as parent would not take input";
        fromOpener->close();
        ofItsOwn->close();
        dialog->accept();
    });
    opener.exec();
}

}  // namespace
}  // namespace korvane
