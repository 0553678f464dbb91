// The alliance picker.
#include "windows/frm_alliance_list.h"

#include "mapview/render/display_text.h"
#include "people/alliance_list.h"
#include "windows/centre_window.h"
#include "windows/widget_makers.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

TfrmAllianceList::TfrmAllianceList(const TAllianceList& alliances, QWidget* parent)
    : QDialog(parent)
    , alliances_(alliances)
{
    setObjectName("frmAllianceList");
    setWindowTitle("Select Alliance");
    setModal(true);

    lstAlliances = Named<QListWidget>("lstAlliances", this);
    lstAlliances->setSelectionMode(QAbstractItemView::SingleSelection);
    lstAlliances->setMinimumSize(220, 12 * lstAlliances->fontMetrics().height());
    for (const std::string& name : alliances.ListNames())
        lstAlliances->addItem(ToDisplayText(name));

    cmdSelect = Named<QPushButton>("cmdSelect", "&Select", this);
    cmdSelect->setDefault(true);
    cmdSelect->setEnabled(false);
    cmdCancel = Named<QPushButton>("cmdCancel", "Cancel", this);
    cmdCancel->setAutoDefault(false);

    connect(lstAlliances, &QListWidget::itemSelectionChanged, this,
            [this] { cmdSelect->setEnabled(!lstAlliances->selectedItems().isEmpty()); });
    connect(lstAlliances, &QListWidget::itemDoubleClicked, this, &TfrmAllianceList::cmdSelectClick);
    connect(cmdSelect, &QPushButton::clicked, this, &TfrmAllianceList::cmdSelectClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSelect);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstAlliances);
    layout->addLayout(buttons);

    adjustSize();
    CentreWindow(parent, this);
}

void TfrmAllianceList::cmdSelectClick()
{
    const QList<QListWidgetItem*> selected = lstAlliances->selectedItems();
    if (selected.isEmpty())
        return;
    picked_ = alliances_.Items(lstAlliances->row(selected.front()));
    accept();
}

}  // namespace korvane
