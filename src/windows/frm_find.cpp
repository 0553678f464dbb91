// The faction window's find box.
#include "windows/frm_find.h"

#include "mapview/render/display_text.h"
#include "windows/frm_factions.h"
#include "windows/widget_makers.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace korvane {

TfrmFind::TfrmFind(TfrmFactions& owner)
    : QDialog(&owner)
    , owner_(owner)
{
    setObjectName("frmFind");
    setWindowTitle("Find ...");
    // A child window stays above the faction window and, unlike a separate one, still takes
    // input while that window is shown modally.
    setModal(false);

    auto* lblSrch = new QLabel("Search for", this);
    txtSrch = Named<QLineEdit>("txtSrch", this);
    txtSrch->setMinimumWidth(200);
    lblSrch->setBuddy(txtSrch);
    txtSrch->installEventFilter(this);

    cmdSearch = Named<QPushButton>("cmdSearch", "&Search", this);
    cmdSearch->setDefault(true);
    cmdClose = Named<QPushButton>("cmdClose", "Close", this);
    cmdClose->setAutoDefault(false);

    connect(cmdSearch, &QPushButton::clicked, this, &TfrmFind::cmdSearchClick);
    // Only hidden: the faction window shows it again with the text it had.
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(lblSrch);
    row->addWidget(txtSrch, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSearch);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
    adjustSize();
    setFixedHeight(height());
}

void TfrmFind::cmdSearchClick()
{
    owner_.SearchList(FromUserText(txtSrch->text()));
}

bool TfrmFind::eventFilter(QObject* watched, QEvent* event)
{
    // Entering the box selects its text, so a new search is simply typed over the old one.
    // Queued, as the mouse press that gave the focus would otherwise place the cursor after.
    if (watched == txtSrch && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, txtSrch, &QLineEdit::selectAll);
    return QDialog::eventFilter(watched, event);
}

void TfrmFind::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    txtSrch->setFocus();
    txtSrch->selectAll();
}

}  // namespace korvane
