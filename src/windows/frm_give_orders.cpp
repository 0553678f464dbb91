// The order window of one unit.
#include "windows/frm_give_orders.h"

#include "core/text_lines.h"
#include "mapview/render/display_text.h"
#include "orders/orders_in_world.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/order_problem_look.h"
#include "windows/widget_makers.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <map>

namespace korvane {

namespace {

constexpr int kMemoColumns = 60;
constexpr int kMemoRows = 16;
constexpr int kMinColumns = 30;
constexpr int kMinRows = 5;
constexpr int kProblemRows = 4;  // problems in sight under the memo

}  // namespace

TfrmGiveOrders::TfrmGiveOrders(Workspace& workspace, const OrderVocabulary& vocabulary, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , workspace_(workspace)
    , vocabulary_(vocabulary)
{
    setObjectName("frmGiveOrders");
    setWindowTitle("Issue Orders");
    setAttribute(Qt::WA_DeleteOnClose);

    pnlUnitNo = ValuePanel("pnlUnitNo", this);
    pnlUnitNo->setMargin(2);
    pnlUnitNo->setAlignment(Qt::AlignCenter);
    pnlUnitNo->setMinimumWidth(pnlUnitNo->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    pnlUnitName = ValuePanel("pnlUnitName", this);
    pnlUnitName->setMargin(2);

    txtOrders = Named<QPlainTextEdit>("txtOrders", this);
    // One order a line, as the game reads them; indented blocks (form ... end) line up.
    txtOrders->setFont(FixedWidthFont());
    txtOrders->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtOrders->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtOrders->setTabChangesFocus(true);
    const QFontMetrics metrics(txtOrders->font());
    txtOrders->setMinimumSize(metrics.horizontalAdvance(QString(kMinColumns, QLatin1Char('0'))),
                              metrics.lineSpacing() * kMinRows);

    txtOrders->viewport()->installEventFilter(this);
    // Checked once typing pauses: a keystroke never waits for the check.
    tmrOrderCheck = Named<QTimer>("tmrOrderCheck", this);
    tmrOrderCheck->setSingleShot(true);
    tmrOrderCheck->setInterval(kCheckDelayMs);
    connect(tmrOrderCheck, &QTimer::timeout, this, &TfrmGiveOrders::CheckMemo);
    connect(txtOrders, &QPlainTextEdit::textChanged, tmrOrderCheck, qOverload<>(&QTimer::start));

    lstOrderProblems = Named<QListWidget>("lstOrderProblems", this);
    lstOrderProblems->setSelectionMode(QAbstractItemView::SingleSelection);
    lstOrderProblems->setIconSize(QSize(16, 16));
    lstOrderProblems->setFocusPolicy(Qt::NoFocus);  // Tab goes from the memo to the buttons
    const int row = std::max(lstOrderProblems->fontMetrics().lineSpacing(), 16) + 4;
    lstOrderProblems->setFixedHeight(row * kProblemRows + 2 * lstOrderProblems->frameWidth());
    connect(lstOrderProblems, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { GoToLine(item->data(Qt::UserRole).toInt()); });
    lblOrderCheck = Named<QLabel>("lblOrderCheck", this);

    cmdDone = Named<QPushButton>("cmdDone", "Complete", this);
    cmdClose = Named<QPushButton>("cmdClose", "Not complete", this);
    connect(cmdDone, &QPushButton::clicked, this, &TfrmGiveOrders::cmdDoneClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmGiveOrders::cmdCloseClick);

    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(pnlUnitNo);
    unitRow->addWidget(pnlUnitName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblOrderCheck);
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(unitRow);
    layout->addWidget(txtOrders, 1);
    layout->addWidget(lstOrderProblems);
    layout->addLayout(buttons);

    // Room for a screenful of orders at first: the memo's own size hint is smaller.
    adjustSize();
    const int chrome = 2 * txtOrders->frameWidth() + 2 * static_cast<int>(txtOrders->document()->documentMargin());
    const QSize memo(metrics.horizontalAdvance(QString(kMemoColumns, QLatin1Char('0'))) + chrome
                         + txtOrders->verticalScrollBar()->sizeHint().width(),
                     metrics.lineSpacing() * kMemoRows + chrome);
    resize(size() + (memo - txtOrders->sizeHint()).expandedTo(QSize(0, 0)));
    CentreWindow(parent, this);
}

bool TfrmGiveOrders::LoadUnit(std::int32_t unitNumber)
{
    const TUnit* unit = workspace_.Map.UnitFileList.Find(unitNumber);
    if (!unit)
        return false;
    unitNumber_ = unitNumber;
    pnlUnitNo->setText(QString::number(unit->Number));
    pnlUnitName->setText(" " + ToDisplayText(unit->Name.Str()));
    std::vector<std::string> orders;
    unit->GetOrders(orders);
    QStringList lines;
    for (const std::string& order : orders)
        lines << ToDisplayText(order);
    shownOrders_ = lines.join(QLatin1Char('\n'));
    txtOrders->setPlainText(shownOrders_);
    tmrOrderCheck->stop();
    CheckMemo();
    return true;
}

void TfrmGiveOrders::CheckMemo()
{
    tmrOrderCheck->stop();
    problems_ = unitNumber_ < 0 ? std::vector<OrderProblem>()
                                : CheckUnitOrdersInWorld(FromUserText(txtOrders->toPlainText()), unitNumber_,
                                                         workspace_.Map, workspace_.Settings, vocabulary_);
    lstOrderProblems->clear();
    int errors = 0;
    for (const OrderProblem& problem : problems_) {
        errors += problem.Severity == OrderSeverity::Error;
        const bool error = problem.Severity == OrderSeverity::Error;
        auto* item = new QListWidgetItem(
            style()->standardIcon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning),
            "Line " + QString::number(problem.Line) + ": " + SeverityName(problem.Severity) + ": "
                + ToDisplayText(problem.Message),
            lstOrderProblems);
        item->setForeground(ProblemTextColour(problem.Severity, lstOrderProblems->palette().color(QPalette::Base)));
        item->setData(Qt::UserRole, static_cast<int>(problem.Line));
    }
    const int warnings = static_cast<int>(problems_.size()) - errors;
    lblOrderCheck->setText(ProblemCount(errors, warnings));
    QPalette palette = lblOrderCheck->palette();
    const QColor window = QApplication::palette().color(QPalette::Window);
    palette.setColor(QPalette::WindowText,
                     errors > 0         ? ProblemTextColour(OrderSeverity::Error, window)
                         : warnings > 0 ? ProblemTextColour(OrderSeverity::Warning, window)
                                        : QApplication::palette().color(QPalette::WindowText));
    lblOrderCheck->setPalette(palette);
    MarkLines();
}

void TfrmGiveOrders::MarkLines()
{
    // One mark a line, in the colour of its worst problem.
    std::map<long, OrderSeverity> worst;
    for (const OrderProblem& problem : problems_) {
        auto [at, added] = worst.emplace(problem.Line, problem.Severity);
        if (!added && problem.Severity == OrderSeverity::Error)
            at->second = OrderSeverity::Error;
    }
    QList<QTextEdit::ExtraSelection> marks;
    QTextDocument* document = txtOrders->document();
    for (const auto& [line, severity] : worst) {
        const QTextBlock block = document->findBlockByNumber(static_cast<int>(line) - 1);
        if (!block.isValid())
            continue;
        QTextEdit::ExtraSelection background;
        background.cursor = QTextCursor(block);
        background.format.setBackground(ProblemBackground(severity, txtOrders->palette().color(QPalette::Base)));
        background.format.setProperty(QTextFormat::FullWidthSelection, true);
        marks << background;
        // The words of the line, not its indent, are underlined.
        const QString text = block.text();
        qsizetype start = 0;
        while (start < text.size() && text[start].isSpace())
            ++start;
        if (start >= text.size())
            continue;
        QTextEdit::ExtraSelection words;
        words.cursor = QTextCursor(block);
        words.cursor.setPosition(block.position() + static_cast<int>(start));
        words.cursor.setPosition(block.position() + static_cast<int>(text.size()), QTextCursor::KeepAnchor);
        words.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        words.format.setUnderlineColor(ProblemTextColour(severity, txtOrders->palette().color(QPalette::Base)));
        marks << words;
    }
    txtOrders->setExtraSelections(marks);
}

QString TfrmGiveOrders::LineMessages(long line) const
{
    QStringList messages;
    for (const OrderProblem& problem : problems_)
        if (problem.Line == line)
            messages << SeverityName(problem.Severity) + ": " + ToDisplayText(problem.Message);
    return messages.join(QLatin1Char('\n'));
}

void TfrmGiveOrders::GoToLine(long line)
{
    const QTextBlock block = txtOrders->document()->findBlockByNumber(static_cast<int>(line) - 1);
    if (!block.isValid())
        return;
    QTextCursor cursor(block);
    txtOrders->setTextCursor(cursor);
    txtOrders->ensureCursorVisible();
    txtOrders->setFocus();
}

bool TfrmGiveOrders::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtOrders->viewport() || event->type() != QEvent::ToolTip)
        return QWidget::eventFilter(watched, event);
    const auto* help = static_cast<QHelpEvent*>(event);
    // The line under the pointer, not merely the nearest one: below the last line is none.
    const QTextBlock block = txtOrders->cursorForPosition(help->pos()).block();
    // The memo does not wrap: a line's cursor spans the line's height.
    const QRect area = txtOrders->cursorRect(QTextCursor(block));
    const QString messages = block.isValid() && area.top() <= help->pos().y() && help->pos().y() <= area.bottom()
        ? LineMessages(block.blockNumber() + 1)
        : QString();
    if (messages.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), messages, txtOrders->viewport(),
                           QRect(0, area.top(), txtOrders->viewport()->width(), area.height()));
    return true;
}

void TfrmGiveOrders::cmdDoneClick()
{
    done_ = true;
    close();
}

void TfrmGiveOrders::cmdCloseClick()
{
    done_ = false;
    close();
}

void TfrmGiveOrders::closeEvent(QCloseEvent* event)
{
    if (!stored_) {
        stored_ = true;
        tmrOrderCheck->stop();
        StoreOrders();
        emit Closed();
    }
    QWidget::closeEvent(event);
}

void TfrmGiveOrders::StoreOrders()
{
    // Found again: the record may have been replaced (a turn step) while the window was open.
    TUnit* unit = unitNumber_ >= 0 ? workspace_.Map.UnitFileList.Find(unitNumber_) : nullptr;
    if (!unit)
        return;
    if (done_)
        unit->OrdersDone = *done_;
    // An untouched memo leaves the stored bytes alone, even those shown as Latin-1.
    if (txtOrders->toPlainText() == shownOrders_)
        return;
    const std::vector<std::string> lines = MemoLines();
    if (unit->OrdersChanged(lines))
        unit->SetOrders(lines);
}

std::vector<std::string> TfrmGiveOrders::MemoLines() const
{
    const std::string text = FromUserText(txtOrders->toPlainText());
    std::vector<std::string> lines;
    TextLines reader(text);
    std::string_view line;
    while (reader.Next(line))
        lines.emplace_back(line);
    return lines;
}

}  // namespace korvane
