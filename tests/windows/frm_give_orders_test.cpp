// The order window: the unit shown, Complete, Not complete, the title bar, untouched orders.
#include "windows/frm_give_orders.h"

#include "windows/window_test_helpers.h"
#include "world/map.h"

#include <QPlainTextEdit>
#include <QPointer>

namespace korvane {
namespace {

using testing::Lines;

class GiveOrdersWindow : public ::testing::Test
{
protected:
    GiveOrdersWindow()
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Name, unit->Faction) = std::tuple(1234, "Red Scouts", 3);
        unit->SetOrders({"work", "give 81 10 silver"});
        record = map.UnitFileList.Add(std::move(unit));
    }

    /// The window loaded with the unit and shown, as a unit window opens it.
    void Open()
    {
        window = new TfrmGiveOrders(map);
        EXPECT_TRUE(window->LoadUnit(1234));
        QObject::connect(window, &TfrmGiveOrders::Closed, [this] { ++closed; });
        window->show();
    }
    QPlainTextEdit* Memo() const { return testing::Child<QPlainTextEdit>(*window, "txtOrders"); }
    void Press(const char* button) const { QTest::mouseClick(testing::Child(*window, button), Qt::LeftButton); }
    /// Types new lines at the end of the memo, as the player would.
    void TypeLinesAtEnd(const QStringList& lines) const
    {
        Memo()->moveCursor(QTextCursor::End);
        for (const QString& line : lines) {
            QTest::keyClick(Memo(), Qt::Key_Return);
            QTest::keyClicks(Memo(), line);
        }
    }
    /// Closed once, and deleted once pending deletions ran.
    void ExpectClosedAndDeleted() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(closed, 1);
        EXPECT_TRUE(window.isNull());
    }

    TMap map;
    TUnit* record = nullptr;
    QPointer<TfrmGiveOrders> window;
    int closed = 0;
};

TEST_F(GiveOrdersWindow, ShowsTheUnitAndACopyOfItsOrders)
{
    Open();
    EXPECT_EQ(std::tuple(testing::Child<QLabel>(*window, "pnlUnitNo")->text(),
                         testing::Child<QLabel>(*window, "pnlUnitName")->text(), Memo()->toPlainText()),
              std::tuple("1234", " Red Scouts", "work\ngive 81 10 silver"));
    EXPECT_EQ(window->UnitNumber(), 1234);
    TfrmGiveOrders unknown(map);
    EXPECT_FALSE(unknown.LoadUnit(99));
    EXPECT_EQ(unknown.UnitNumber(), -1);
    window->close();
}

TEST_F(GiveOrdersWindow, EachWayOfClosingKeepsOrClearsTheMarkAndStoresTheEdits)
{
    // Complete with only case, blanks and comments changed keeps the stored lines.
    Open();
    Memo()->setPlainText("WORK  \n; a note for me\n\nGive 81 10 Silver\n");
    Press("cmdDone");
    EXPECT_TRUE(record->OrdersDone);
    EXPECT_EQ(record->Orders, (Lines{"work", "give 81 10 silver"}));
    ExpectClosedAndDeleted();
    // Not complete clears the mark and keeps an added line.
    closed = 0;
    Open();
    TypeLinesAtEnd({"; then east", "move e"});
    Press("cmdClose");
    EXPECT_FALSE(record->OrdersDone);
    EXPECT_EQ(record->Orders, (Lines{"work", "give 81 10 silver", "; then east", "move e"}));
    ExpectClosedAndDeleted();
    // The title bar keeps the mark and the edits.
    closed = 0;
    record->OrdersDone = true;
    Open();
    Memo()->setPlainText("study combat\n");
    window->close();
    EXPECT_TRUE(record->OrdersDone);
    EXPECT_EQ(record->Orders, Lines{"study combat"}) << "no empty last line";
    ExpectClosedAndDeleted();
}

TEST_F(GiveOrdersWindow, UntouchedOrdersKeepTheirBytes)
{
    record->SetOrders({"name unit \"G\xE9nin\"", "  work"});  // Latin-1, and a leading indent
    Open();
    EXPECT_EQ(Memo()->toPlainText(), QString::fromUtf8("name unit \"G\xC3\xA9nin\"\n  work"));
    Press("cmdDone");
    EXPECT_EQ(record->Orders, (Lines{"name unit \"G\xE9nin\"", "  work"}));
    EXPECT_TRUE(record->OrdersDone);
}

TEST_F(GiveOrdersWindow, AUnitGoneWhileTheWindowWasOpenIsLeftAlone)
{
    Open();
    TypeLinesAtEnd({"move n"});
    map.UnitFileList.Delete(map.UnitFileList.IndexOf(1234));  // a turn step removed it
    Press("cmdDone");
    ExpectClosedAndDeleted();
    EXPECT_EQ(map.UnitFileList.Find(1234), nullptr);
}

/// Follows whether a window is blocked by a modal one.
struct BlockWatch : QObject
{
    bool blocked = false;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowBlocked || event->type() == QEvent::WindowUnblocked)
            blocked = event->type() == QEvent::WindowBlocked;
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
