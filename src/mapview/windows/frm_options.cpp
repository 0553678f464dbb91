// The faction information window and the about box.
#include "mapview/windows/frm_options.h"

#include "core/settings.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "core/version.h"
#include "mapview/render/display_text.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

QLabel* Shown(const char* name, std::int32_t value)
{
    auto* panel = new QLabel(QString::number(value));
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

QDialogButtonBox* OkCancel(QDialog& dialog, bool withCancel)
{
    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(withCancel ? "OK" : "&OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    if (withCancel) {
        QPushButton* cancel = buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
        cancel->setObjectName("cmdCancel");
        QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    }
    return buttons;
}

}  // namespace

TfrmOptions::TfrmOptions(TrecINI& settings, UserInteraction& ui, QWidget* parent)
    : QDialog(parent)
    , settings_(settings)
    , ui_(ui)
    , txtFacNo_(new QLineEdit)
{
    setObjectName("frmOptions");
    setWindowTitle("Faction Information");
    txtFacNo_->setObjectName("txtFacNo");
    if (settings.FactionNo > 0)
        txtFacNo_->setText(QString::number(settings.FactionNo));
    auto* form = new QFormLayout(this);
    form->addRow("Faction Number", txtFacNo_);
    form->addRow("War", Shown("pnlWar", settings.FacPoints[0]));
    form->addRow("Trade", Shown("pnlTrade", settings.FacPoints[1]));
    form->addRow("Magic", Shown("pnlMagic", settings.FacPoints[2]));
    form->addRow("Unclaimed Silver", Shown("pnlUnclaimed", settings.Unclaimed));
    QDialogButtonBox* buttons = OkCancel(*this, true);
    connect(buttons->findChild<QPushButton*>("cmdOK"), &QPushButton::clicked, this, &TfrmOptions::Confirm);
    form->addRow(buttons);
}

void TfrmOptions::Confirm()
{
    const std::int32_t number = StrToIntLenient(FromUserText(txtFacNo_->text()));
    if (number < 1 || number > 1000) {
        ui_.Warning("Invalid faction number. Please re-enter.");
        txtFacNo_->setFocus();
        return;
    }
    settings_.FactionNo = number;
    accept();
}

TfrmAbout::TfrmAbout(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmAbout");
    setWindowTitle("About ...");
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(kProgramName);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    layout->addWidget(name, 0, Qt::AlignHCenter);
    layout->addWidget(new QLabel("A map keeper for Atlantis turn reports."), 0, Qt::AlignHCenter);
    auto* version = new QLabel(QString("Version %1").arg(kFormatVersion, 0, 'f', 2));
    version->setObjectName("lblVersion");
    layout->addWidget(version, 0, Qt::AlignHCenter);
    QDialogButtonBox* buttons = OkCancel(*this, false);
    connect(buttons->findChild<QPushButton*>("cmdOK"), &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(buttons);
}

}  // namespace korvane
