// The item-type dialog.
#include "windows/frm_item_type_dlg.h"

#include "mapview/render/display_text.h"
#include "windows/centre_window.h"
#include "windows/widget_makers.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

QLabel* CentredLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = Named<QLabel>(name, text, parent);
    // Object names come straight from a report; never let one be read as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

}  // namespace

TfrmItemTypeDlg::TfrmItemTypeDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmItemTypeDlg");
    setWindowTitle("Identify Object");

    auto* lblPrompt = CentredLabel("lblPrompt",
                                   "The below object has been encountered and needs identification. "
                                   "Please press the button indicating the nature of this object.",
                                   this);

    lblItem = CentredLabel("lblItem", QString(), this);
    QFont itemFont = lblItem->font();
    itemFont.setBold(true);
    itemFont.setPointSizeF(itemFont.pointSizeF() * 1.25);
    lblItem->setFont(itemFont);

    lblWarning = CentredLabel("lblWarning", "WARNING\nIt's important that you identify each object correctly.", this);
    QPalette warningPalette = lblWarning->palette();
    warningPalette.setColor(QPalette::WindowText, Qt::red);
    lblWarning->setPalette(warningPalette);

    cmdIsTroop = Named<QPushButton>("cmdIsTroop", "Troop / Creature", this);
    cmdIsTroop->setToolTip("e.g. LEAD, SELF, UNDEAD, WOLF etc.");
    cmdIsItem = Named<QPushButton>("cmdIsItem", "Item / Equipment", this);
    cmdIsItem->setToolTip("e.g. HORS, DYE, WING, SWOR, PLAT etc.");
    // Neither answer is the safe one, so Enter must not pick one for the player.
    cmdIsTroop->setAutoDefault(false);
    cmdIsItem->setAutoDefault(false);

    connect(cmdIsTroop, &QPushButton::clicked, this, [this] { done(IsTroop); });
    connect(cmdIsItem, &QPushButton::clicked, this, [this] { done(IsItem); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdIsTroop);
    buttons->addWidget(cmdIsItem);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPrompt);
    layout->addSpacing(8);
    layout->addWidget(lblItem);
    layout->addSpacing(8);
    layout->addWidget(lblWarning);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    setMinimumWidth(360);
}

bool TfrmItemTypeDlg::Identify(const std::string& objectText)
{
    lblItem->setText(ToDisplayText(objectText));
    adjustSize();
    CentreWindow(parentWidget(), this);
    return exec() == IsTroop;
}

}  // namespace korvane
