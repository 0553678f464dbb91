// The order window: the unit shown, each way of closing, untouched orders, problems shown as typed.
#include "windows/frm_give_orders.h"

#include "windows/order_problem_look.h"
#include "windows/order_vocabulary_cache.h"
#include "windows/window_test_helpers.h"
#include "workspace/workspace.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

#include <gmock/gmock.h>

namespace korvane {
namespace {

using testing::Lines;

class GiveOrdersWindow : public testing::WindowTest
{
protected:
    const QWidget& Window() const override { return *window; }
    GiveOrdersWindow()
    {
        auto unit = std::make_unique<TUnit>();
        std::tie(unit->Number, unit->Name, unit->Faction) = std::tuple(1234, "Red Scouts", 3);
        unit->SetOrders({"work", "give 81 10 silver"});
        // Shown on the map this turn, with 5 silver: the map's warnings look at it.
        std::tie(unit->Turn, unit->X, unit->Y, unit->Silver) = std::tuple(5, 10, 10, 5);
        unit->AddTroops({0, 2});
        map.EnsureCell(0, 10, 10)->Units.Add(std::make_unique<TUnit>(*unit));
        record = map.UnitFileList.Add(std::move(unit));
        std::tie(ws.Settings.FactionNo, ws.Settings.CurrentTurn) = std::tuple(3, 5);
    }
    TfrmGiveOrders* New(QWidget* parent = nullptr) { return new TfrmGiveOrders(ws, vocabulary.For(ws), parent); }

    /// The window loaded with the unit and shown, as a unit window opens it.
    void Open()
    {
        window = New();
        EXPECT_TRUE(window->LoadUnit(1234));
        QObject::connect(window, &TfrmGiveOrders::Closed, [this] { ++closed; });
        window->show();
    }
    /// The orders stored in the unit, and whether they are marked complete.
    std::pair<Lines, bool> Stored() const { return {record->Orders.View(), record->OrdersDone}; }
    QPlainTextEdit* Memo() const { return Get<QPlainTextEdit>("txtOrders"); }
    /// Types new lines at the end of the memo, as the player would.
    void TypeLinesAtEnd(const QStringList& lines) const
    {
        Memo()->moveCursor(QTextCursor::End);
        for (const QString& line : lines) {
            QTest::keyClick(Memo(), Qt::Key_Return);
            QTest::keyClicks(Memo(), line);
        }
    }
    /// The memo's marked lines (from 1), each with its background.
    std::vector<std::pair<int, QColor>> Marks() const
    {
        std::vector<std::pair<int, QColor>> marks;
        for (const QTextEdit::ExtraSelection& mark : Memo()->extraSelections())
            if (mark.format.hasProperty(QTextFormat::FullWidthSelection))
                marks.emplace_back(mark.cursor.blockNumber() + 1, mark.format.background().color());
        return marks;
    }
    /// The tooltip shown with the pointer resting on a memo line (from 1).
    QString TooltipOver(int line) const
    {
        const QPoint at = Memo()->cursorRect(QTextCursor(Memo()->document()->findBlockByNumber(line - 1))).center();
        QHelpEvent event(QEvent::ToolTip, at, Memo()->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(Memo()->viewport(), &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    /// Closed once, and deleted once pending deletions ran; the count starts again.
    void ExpectClosedAndDeleted()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(std::exchange(closed, 0), 1);
        EXPECT_TRUE(window.isNull());
    }

    testing::TempDir home;
    Workspace ws{home.Path()};
    TMap& map = ws.Map;
    OrderVocabularyCache vocabulary;
    TUnit* record = nullptr;
    QPointer<TfrmGiveOrders> window;
    int closed = 0;
};

TEST_F(GiveOrdersWindow, ShowsTheUnitAndEachWayOfClosingKeepsOrClearsTheMarkAndStoresTheEdits)
{
    // Complete with only case, blanks and comments changed keeps the stored lines.
    Open();
    Memo()->setPlainText("WORK  \n; a note for me\n\nGive 81 10 Silver\n");
    Click("cmdDone");
    EXPECT_EQ(Stored(), std::pair(Lines{"work", "give 81 10 silver"}, true));
    ExpectClosedAndDeleted();
    // Not complete clears the mark and keeps an added line.
    Open();
    TypeLinesAtEnd({"; then east", "move e"});
    Click("cmdClose");
    EXPECT_EQ(Stored(), std::pair(Lines{"work", "give 81 10 silver", "; then east", "move e"}, false));
    ExpectClosedAndDeleted();
    // No unit found: nothing to store on closing.
    QPointer<TfrmGiveOrders> unknown = New();
    EXPECT_EQ(std::pair(unknown->LoadUnit(99), unknown->UnitNumber()), std::pair(false, -1));
    unknown->close();
    // The unit windows are shown modally: an order window takes input only as the opener's own.
    QDialog opener;
    EXPECT_EQ(New(&opener)->parentWidget(), &opener);
    // The unit shown, and a copy of its orders whose bytes stay when untouched.
    record->SetOrders({"name unit \"G\xE9nin\"", "  work"});  // Latin-1, and a leading indent
    Open();
    EXPECT_EQ(std::tuple(Get<QLabel>("pnlUnitNo")->text(), Get<QLabel>("pnlUnitName")->text(), Memo()->toPlainText(),
                         window->UnitNumber()),
              std::tuple("1234", " Red Scouts", QString::fromUtf8("name unit \"G\xC3\xA9nin\"\n  work"), 1234));
    Click("cmdDone");
    EXPECT_EQ(Stored(), std::pair(Lines{"name unit \"G\xE9nin\"", "  work"}, true));
    ExpectClosedAndDeleted();
    // The title bar keeps the mark, set just now, and the edits.
    Open();
    Memo()->setPlainText("study combat\n");
    window->close();
    EXPECT_EQ(Stored(), std::pair(Lines{"study combat"}, true)) << "no empty last line";
    ExpectClosedAndDeleted();
    // A unit a turn step removed while the window was open is left alone.
    Open();
    TypeLinesAtEnd({"move n"});
    map.UnitFileList.Delete(map.UnitFileList.IndexOf(1234));
    Click("cmdDone");
    ExpectClosedAndDeleted();
    EXPECT_EQ(map.UnitFileList.Find(1234), nullptr);
    // The vocabulary the windows keep follows the keyword lists, a renamed skill too.
    const OrderVocabulary& kept = vocabulary.For(ws);
    ws.SkillList.AddKey("ZORP", "zorping", "");
    EXPECT_TRUE(vocabulary.For(ws).IsSkill("zorping"));
    ws.SkillList.AddKey("ZORP", "zapping", "");  // the list does not grow
    EXPECT_EQ(&vocabulary.For(ws), &kept);
    EXPECT_TRUE(kept.IsSkill("zapping"));
}

TEST_F(GiveOrdersWindow, ProblemsAreListedAndMarkedOnceTypingPausesAndCompleteStillWorks)
{
    using ::testing::StartsWith;
    Open();
    const QColor base = Memo()->palette().color(QPalette::Base);
    const QColor error = ProblemBackground(OrderSeverity::Error, base);
    const QColor warning = ProblemBackground(OrderSeverity::Warning, base);
    // Checked as loaded: 10 silver is more than the unit's 5, which the server could not know.
    EXPECT_THAT(Shown("lstOrderProblems"), ::testing::ElementsAre(StartsWith("Line 2: warning: GIVE")));
    EXPECT_EQ(Marks(), (std::vector<std::pair<int, QColor>>{{2, warning}}));

    TypeLinesAtEnd({"wrok"});
    EXPECT_TRUE(Get<QTimer>("tmrOrderCheck")->isActive());
    EXPECT_EQ(Shown("lstOrderProblems").size(), 1u) << "a keystroke does not wait for the check";
    QTRY_COMPARE(Shown("lstOrderProblems").size(), 2u);
    EXPECT_THAT(Shown("lstOrderProblems")[1], StartsWith("Line 3: error: "));
    EXPECT_EQ(Marks(), (std::vector<std::pair<int, QColor>>{{2, warning}, {3, error}}));
    EXPECT_EQ(Get<QLabel>("lblOrderCheck")->text(), "1 error, 1 warning");
    // A click on a problem takes the cursor to its line.
    ClickLine("lstOrderProblems", 0);
    EXPECT_EQ(Memo()->textCursor().blockNumber(), 1);
    EXPECT_EQ(TooltipOver(1), QString()) << "no tooltip over a line without a problem";
    EXPECT_EQ(TooltipOver(3).toStdString(), Shown("lstOrderProblems")[1].substr(std::string("Line 3: ").size()));

    // Mended, the marks and the list clear.
    Memo()->setPlainText("work\ngive 81 5 silver");
    QTRY_VERIFY(Shown("lstOrderProblems").empty());
    EXPECT_TRUE(Memo()->extraSelections().isEmpty());
    EXPECT_EQ(Get<QLabel>("lblOrderCheck")->text(), "No problems found");

    // An error does not stop the orders from being marked complete.
    TypeLinesAtEnd({"wrok"});
    Click("cmdDone");
    EXPECT_EQ(Stored(), std::pair(Lines{"work", "give 81 5 silver", "wrok"}, true));
    ExpectClosedAndDeleted();
}

}  // namespace
}  // namespace korvane
