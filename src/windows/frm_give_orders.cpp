// The order window of one unit.
#include "windows/frm_give_orders.h"

#include "core/text_lines.h"
#include "mapview/render/display_text.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/widget_makers.h"
#include "world/map.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

namespace korvane {

namespace {

constexpr int kMemoColumns = 60;
constexpr int kMemoRows = 16;
constexpr int kMinColumns = 30;
constexpr int kMinRows = 5;

}  // namespace

TfrmGiveOrders::TfrmGiveOrders(TMap& map, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , map_(map)
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

    cmdDone = Named<QPushButton>("cmdDone", "Complete", this);
    cmdClose = Named<QPushButton>("cmdClose", "Not complete", this);
    connect(cmdDone, &QPushButton::clicked, this, &TfrmGiveOrders::cmdDoneClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmGiveOrders::cmdCloseClick);

    auto* unitRow = new QHBoxLayout;
    unitRow->addWidget(pnlUnitNo);
    unitRow->addWidget(pnlUnitName, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdDone);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(unitRow);
    layout->addWidget(txtOrders, 1);
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
    const TUnit* unit = map_.UnitFileList.Find(unitNumber);
    if (!unit)
        return false;
    unitNumber_ = unitNumber;
    pnlUnitNo->setText(QString::number(unit->Number));
    pnlUnitName->setText(" " + ToDisplayText(unit->Name));
    std::vector<std::string> orders;
    unit->GetOrders(orders);
    QStringList lines;
    for (const std::string& order : orders)
        lines << ToDisplayText(order);
    shownOrders_ = lines.join(QLatin1Char('\n'));
    txtOrders->setPlainText(shownOrders_);
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
        StoreOrders();
        emit Closed();
    }
    QWidget::closeEvent(event);
}

void TfrmGiveOrders::StoreOrders()
{
    // Found again: the record may have been replaced (a turn step) while the window was open.
    TUnit* unit = unitNumber_ >= 0 ? map_.UnitFileList.Find(unitNumber_) : nullptr;
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
