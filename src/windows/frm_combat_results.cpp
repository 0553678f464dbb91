// The battle report window.
#include "windows/frm_combat_results.h"

#include "mapview/render/display_text.h"
#include "windows/centre_window.h"
#include "windows/fixed_width_font.h"
#include "windows/widget_makers.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

// Wide enough for the longest line a battle writes, a rout.
constexpr int kReportColumns = 52;
constexpr int kReportRows = 24;

}  // namespace

TfrmCombatResults::TfrmCombatResults(const std::vector<std::string>& report, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmCombatResults");
    setWindowTitle("Combat Summary");
    setModal(true);

    lstCombats = Named<QListWidget>("lstCombats", this);
    // "Left lost : " and "Right lost: " are written to line up, which only a fixed pitch shows.
    lstCombats->setFont(FixedWidthFont());
    const QFontMetrics fixed(lstCombats->font());
    lstCombats->setMinimumSize(fixed.horizontalAdvance(QString(kReportColumns, u'0')) + 24,
                               kReportRows * fixed.height());
    for (const std::string& line : report)
        lstCombats->addItem(ToDisplayText(line));
    // The outcome is at the end; that is what the player opens the window for.
    lstCombats->scrollToBottom();

    cmdClose = Named<QPushButton>("cmdClose", "Close", this);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstCombats, 1);
    layout->addLayout(buttons);

    adjustSize();
    CentreWindow(parent, this);
}

}  // namespace korvane
