// The list of the orders' problems shown before the orders file is written.
#include "windows/frm_order_problems.h"

#include "mapview/render/display_text.h"
#include "windows/centre_window.h"
#include "windows/order_problem_look.h"
#include "windows/widget_makers.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvane {

namespace {

enum Column { kUnitColumn, kLineColumn, kSeverityColumn, kMessageColumn };

}  // namespace

TfrmOrderProblems::TfrmOrderProblems(std::vector<OrdersFileProblem> problems, QWidget* parent)
    : QDialog(parent)
    , problems_(std::move(problems))
{
    setObjectName("frmOrderProblems");
    setWindowTitle("Problems in the Orders");
    setModal(true);

    lblSummary = Named<QLabel>("lblSummary", this);
    lblSummary->setWordWrap(true);

    lstProblems = Named<QTreeWidget>("lstProblems", this);
    lstProblems->setColumnCount(4);
    lstProblems->setHeaderLabels({"Unit", "Line", "Severity", "Message"});
    lstProblems->setRootIsDecorated(false);
    lstProblems->setUniformRowHeights(true);
    lstProblems->setAlternatingRowColors(true);
    lstProblems->setSelectionMode(QAbstractItemView::SingleSelection);
    lstProblems->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstProblems->header()->setStretchLastSection(true);
    // A double click, or Enter on a line, as the desktop activates lines.
    connect(lstProblems, &QTreeWidget::itemActivated, this, &TfrmOrderProblems::lstProblemsActivated);

    cmdWrite = DialogButton("cmdWrite", "Write Anyway", this);
    cmdCancel = DialogButton("cmdCancel", "Cancel", this);
    connect(cmdWrite, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdWrite);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(lstProblems, 1);
    layout->addLayout(buttons);

    ShowProblems();
    resize(760, 380);
    CentreWindow(parent, this);
}

void TfrmOrderProblems::ShowProblems()
{
    lstProblems->clear();
    int errors = 0;
    for (const OrdersFileProblem& problem : problems_) {
        const OrderSeverity severity = problem.Problem.Severity;
        errors += severity == OrderSeverity::Error;
        // A problem before the first unit is the file's own (its header line).
        auto* item = new QTreeWidgetItem(lstProblems,
                                         {problem.Unit > 0 ? QString::number(problem.Unit) : QString(),
                                          QString::number(problem.Problem.Line), SeverityName(severity),
                                          ToDisplayText(problem.Problem.Message)});
        item->setData(kUnitColumn, Qt::UserRole, problem.Unit);
        item->setTextAlignment(kUnitColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(kLineColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setIcon(kSeverityColumn,
                      style()->standardIcon(severity == OrderSeverity::Error ? QStyle::SP_MessageBoxCritical
                                                                             : QStyle::SP_MessageBoxWarning));
        item->setForeground(kSeverityColumn, ProblemTextColour(severity, lstProblems->palette().color(QPalette::Base)));
    }
    // A little air between the short columns, which would otherwise touch.
    for (const Column column : {kUnitColumn, kLineColumn, kSeverityColumn}) {
        lstProblems->resizeColumnToContents(column);
        lstProblems->setColumnWidth(column, lstProblems->columnWidth(column) + 12);
    }
    const int warnings = static_cast<int>(problems_.size()) - errors;
    if (problems_.empty()) {
        lblSummary->setText("No problems remain. Write the turn file?");
        cmdWrite->setText("Write");
    } else {
        lblSummary->setText("Checking the orders found " + ProblemCount(errors, warnings)
                            + ".\nDouble-click a problem to open that unit's orders. Write the turn file anyway?");
        cmdWrite->setText("Write Anyway");
    }
}

void TfrmOrderProblems::lstProblemsActivated(QTreeWidgetItem* item)
{
    const int unit = item ? item->data(kUnitColumn, Qt::UserRole).toInt() : 0;
    if (unit <= 0 || !openOrders) {
        QApplication::beep();
        return;
    }
    // An order window may outlive the dialog that opened it.
    QPointer<TfrmOrderProblems> self(this);
    openOrders(unit, this, [self] {
        if (self)
            self->OrderWindowClosed();
    });
}

void TfrmOrderProblems::OrderWindowClosed()
{
    if (!recheck)
        return;
    problems_ = recheck();
    ShowProblems();
}

void TfrmOrderProblems::done(int result)
{
    CloseOwnedWindows(*this);
    QDialog::done(result);
}

}  // namespace korvane
