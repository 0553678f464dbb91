// The go-to-coordinate question.
#include "mapview/windows/frm_get_coord.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>

namespace korvane {

TfrmGetCoord::TfrmGetCoord(QWidget* parent)
    : QDialog(parent)
    , txtX_(new QLineEdit)
    , txtY_(new QLineEdit)
{
    setObjectName("frmGetCoord");
    setWindowTitle("Goto Coordinate");
    txtX_->setObjectName("txtX");
    txtY_->setObjectName("txtY");
    auto* form = new QFormLayout(this);
    form->addRow("&X", txtX_);
    form->addRow("&Y", txtY_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QString TfrmGetCoord::XText() const
{
    return txtX_->text();
}

QString TfrmGetCoord::YText() const
{
    return txtY_->text();
}

}  // namespace korvane
