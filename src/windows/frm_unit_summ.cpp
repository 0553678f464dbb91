// The unit summary window.
#include "windows/frm_unit_summ.h"

#include "core/text_helpers.h"
#include "mapview/render/display_text.h"
#include "people/unit_summary.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/widget_makers.h"
#include "workspace/workspace.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace korvane {

namespace {

constexpr int kSilverWidth = 10;

/// A grid whose first row and column are its headings, as wide and high as its cells need.
QTableWidget* Grid(const char* name, int rows, int columns, QWidget* parent)
{
    auto* grid = Named<QTableWidget>(name, rows, columns, parent);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            auto* item = new QTableWidgetItem;
            const bool heading = row == 0 || column == 0;
            // Row names to the left, column names centred over their numbers.
            const Qt::Alignment across = column == 0 ? Qt::AlignLeft : (row == 0 ? Qt::AlignHCenter : Qt::AlignRight);
            item->setTextAlignment(across | Qt::AlignVCenter);
            if (heading) {
                item->setBackground(grid->palette().button());
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            grid->setItem(row, column, item);
        }
    }
    return grid;
}

void SetRow(QTableWidget* grid, int row, std::initializer_list<QString> texts)
{
    int column = 0;
    for (const QString& text : texts)
        grid->item(row, column++)->setText(text);
}

void FitToCells(QTableWidget* grid)
{
    grid->resizeColumnsToContents();
    for (int column = 0; column < grid->columnCount(); ++column)
        grid->setColumnWidth(column, grid->columnWidth(column) + 16);
    grid->resizeRowsToContents();
    const int frame = 2 * grid->frameWidth();
    int width = frame, height = frame;
    for (int column = 0; column < grid->columnCount(); ++column)
        width += grid->columnWidth(column);
    for (int row = 0; row < grid->rowCount(); ++row)
        height += grid->rowHeight(row);
    grid->setFixedSize(width, height);
}

}  // namespace

TfrmUnitSumm::TfrmUnitSumm(Workspace& workspace, const TMapCell* cell, QWidget* parent)
    : QDialog(parent)
    , workspace_(workspace)
{
    setObjectName("frmUnitSumm");
    setModal(true);
    grdUnitCount = Grid("grdUnitCount", 4, 3, this);
    SetRow(grdUnitCount, 0, {QString(), "Units", "Troops"});
    pnlSilver = Named<QLabel>("pnlSilver", this);
    pnlSilver->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    pnlSilver->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnlSilver->setFont(FixedWidthFont());
    pnlSilver->setMinimumWidth(pnlSilver->fontMetrics().horizontalAdvance(QString(kSilverWidth + 2, '0')));
    grdSkills = Grid("grdSkills", 4, 6, this);
    SetRow(grdSkills, 0, {"LEAD/SERF", "Level 1", "Level 2", "Level 3", "Level 4", "Level 5"});
    auto* cmdClose = Named<QPushButton>("cmdClose", "Close", this);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* silver = new QVBoxLayout;
    silver->addWidget(new QLabel("Total Silver", this));
    silver->addWidget(pnlSilver);
    silver->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(grdUnitCount);
    top->addSpacing(16);
    top->addLayout(silver);
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdSkills);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    LoadSummary(cell);
    CentreWindow(parent, this);
}

bool TfrmUnitSumm::LoadSummary(const TMapCell* cell)
{
    setWindowTitle(cell ? ToDisplayText("Unit Summary: Hex (" + IntToStr(cell->X) + "," + IntToStr(cell->Y) + ")")
                        : QStringLiteral("Full Unit Summary"));
    const TUnitList& units = cell ? cell->Units : workspace_.Map.UnitFileList;
    const UnitSummary summary = SummariseUnits(units, workspace_.Settings.FactionNo, workspace_.SkillList,
                                               workspace_.TroopList);

    const auto number = [](std::int64_t value) { return QString::number(value); };
    if (const auto& forces = summary.Forces) {
        SetRow(grdUnitCount, 1, {"Leaders", number(forces->LeaderUnits), number(forces->LeaderMen)});
        SetRow(grdUnitCount, 2, {"Normal", number(forces->OtherUnits), number(forces->OtherMen)});
        SetRow(
            grdUnitCount, 3,
            {"Total", number(forces->LeaderUnits + forces->OtherUnits), number(forces->LeaderMen + forces->OtherMen)});
    } else {
        SetRow(grdUnitCount, 1, {"Leaders", {}, {}});
        SetRow(grdUnitCount, 2, {"Normal", {}, {}});
        SetRow(grdUnitCount, 3, {"Total", {}, {}});
    }
    if (summary.Silver) {
        // Grouped as the player's locale groups thousands; never cut, however large.
        QLocale grouping = locale();
        grouping.setNumberOptions({});
        pnlSilver->setText(grouping.toString(static_cast<qlonglong>(*summary.Silver)).rightJustified(kSilverWidth));
    } else {
        pnlSilver->clear();
    }
    for (std::size_t row = 0; row < kSummarySkills.size(); ++row) {
        const int gridRow = static_cast<int>(row) + 1;
        grdSkills->item(gridRow, 0)->setText(kSummarySkills[row]);
        for (int level = 0; level < 5; ++level)
            grdSkills->item(gridRow, level + 1)->setText(ToDisplayText(summary.SkillMen[row][level]));
    }
    FitToCells(grdUnitCount);
    FitToCells(grdSkills);
    return true;
}

}  // namespace korvane
