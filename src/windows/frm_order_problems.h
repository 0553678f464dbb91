// TfrmOrderProblems ("Problems in the Orders"): what checking the orders file found before it is
// written, a line per problem with its unit; a double click opens that unit's orders, and the
// player writes the file anyway or not at all.
#pragma once

#include "orders/orders_in_world.h"
#include "windows/order_window_opener.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace korvane {

class TfrmOrderProblems : public QDialog
{
    Q_OBJECT

public:
    /// Lists `problems`, centred over `parent`. Accepted: write the file anyway.
    TfrmOrderProblems(std::vector<OrdersFileProblem> problems, QWidget* parent);

    /// Opens a unit's order window over this dialog; empty: a double click opens nothing.
    OrderWindowOpener openOrders;
    /// The problems of the orders as they are now, asked for again each time an order window
    /// opened from here closes; empty: the list stays as it was.
    std::function<std::vector<OrdersFileProblem>()> recheck;

    const std::vector<OrdersFileProblem>& Problems() const { return problems_; }

    /// However the dialog closes, the order windows it opened close first, so that what they
    /// hold is stored in the units before the file is written.
    void done(int result) override;

private:
    void ShowProblems();
    void lstProblemsActivated(QTreeWidgetItem* item);
    void OrderWindowClosed();

    std::vector<OrdersFileProblem> problems_;
    QLabel* lblSummary;
    QTreeWidget* lstProblems;
    QPushButton* cmdWrite;
    QPushButton* cmdCancel;
};

}  // namespace korvane
