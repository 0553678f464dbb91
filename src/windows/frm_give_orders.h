// TfrmGiveOrders ("Issue Orders"): edits the orders of one of the player's units and marks
// them complete or not; the orders' problems are shown under them as the player types.
#pragma once

#include "orders/order_check.h"

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace korvane {

class OrderVocabulary;
class Workspace;

class TfrmGiveOrders : public QWidget
{
    Q_OBJECT

public:
    /// How long typing must pause before the orders are checked again.
    static constexpr int kCheckDelayMs = 200;

    /// A window of its own that stays on top and takes input while `parent` (the unit window
    /// that opens it, shown modally) is open; centred over `parent`, or over the screen without
    /// one. It edits records of the workspace map's unit list, checks them with `vocabulary`
    /// (both outlive it) and deletes itself once closed.
    TfrmGiveOrders(Workspace& workspace, const OrderVocabulary& vocabulary, QWidget* parent = nullptr);

    /// Shows the unit with that number from the map's unit list: its number, name, a copy
    /// of its orders and their problems. False when the list has no such unit; the window is
    /// then to be deleted unshown.
    bool LoadUnit(std::int32_t unitNumber);
    /// The unit loaded, -1 before LoadUnit succeeded.
    std::int32_t UnitNumber() const { return unitNumber_; }

signals:
    /// The window has closed, the unit's record updated; it is deleted next.
    void Closed();

protected:
    /// However the window closes: the mark chosen by the button (none by the title bar) is set,
    /// and the memo replaces the unit's orders when it differs from them in what the game reads.
    void closeEvent(QCloseEvent* event) override;
    /// A marked line of the memo names its problems in a tooltip.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdDoneClick();
    void cmdCloseClick();
    void StoreOrders();
    std::vector<std::string> MemoLines() const;
    /// Checks the memo as it stands and shows what was found: the list, the marks, the count.
    void CheckMemo();
    void MarkLines();
    /// The messages of a memo line (from 1), one a line; empty when it has none.
    QString LineMessages(long line) const;
    void GoToLine(long line);

    Workspace& workspace_;
    const OrderVocabulary& vocabulary_;
    std::int32_t unitNumber_ = -1;
    QString shownOrders_;  // the memo as filled, to know whether it was edited at all
    std::optional<bool> done_;  // the mark the pressed button asks for
    bool stored_ = false;
    std::vector<OrderProblem> problems_;  // of the memo as last checked
    QTimer* tmrOrderCheck;
    QLabel* pnlUnitNo;
    QLabel* pnlUnitName;
    QPlainTextEdit* txtOrders;
    QListWidget* lstOrderProblems;
    QLabel* lblOrderCheck;
    QPushButton* cmdDone;
    QPushButton* cmdClose;
};

}  // namespace korvane
