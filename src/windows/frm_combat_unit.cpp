// The dialog that defines one unit line of a battle side.
#include "windows/frm_combat_unit.h"

#include "combat/combat_unit.h"
#include "core/text_helpers.h"
#include "mapview/render/display_text.h"
#include "windows/centre_window.h"
#include "windows/free_text_validator.h"
#include "windows/widget_makers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace korvane {

namespace {

constexpr int kNumberColumns = 8;
constexpr int kDescriptionColumns = 22;

// Labels for the player's own use: choosing one fills in nothing.
constexpr const char* kDescriptions[] = {
    "Fighters",      "Heavy Fighters",     "Very Heavy Fighters", "Cavalry",
    "Heavy Cavalry", "Very Heavy Cavalry", "Crossbow men",        "Heavy Crossbow men",
    "Longbow men",   "Heavy Longbow men",  "Doublebow men",       "Heavy Doublebow men",
    "Monsters",
};

QLineEdit* NumberBox(const char* name, QWidget* parent)
{
    auto* box = Named<QLineEdit>(name, parent);
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(box->fontMetrics().averageCharWidth() * kNumberColumns + 12);
    return box;
}

/// A column of captioned number boxes.
QGridLayout* NumberColumn(QWidget* parent, std::initializer_list<std::pair<const char*, QLineEdit*>> rows)
{
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(new QLabel(caption, parent), row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    grid->setRowStretch(row, 1);
    return grid;
}

}  // namespace

TfrmCombatUnit::TfrmCombatUnit(TCombatUnit& unit, QWidget* parent)
    : QDialog(parent)
    , unit_(unit)
{
    setObjectName("frmCombatUnit");
    setWindowTitle("Define Combat Unit");
    setModal(true);
    CreateControls();
    LayOutControls();
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCombatUnit::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    ShowUnit(unit);
    adjustSize();
    CentreWindow(parent, this);
}

void TfrmCombatUnit::CreateControls()
{
    txtUnitID = NumberBox("txtUnitID", this);
    lstDesc = Named<QComboBox>("lstDesc", this);
    lstDesc->setEditable(true);
    // A typed description stays this unit's own; it is not added to the offered labels.
    lstDesc->setInsertPolicy(QComboBox::NoInsert);
    lstDesc->setMinimumContentsLength(kDescriptionColumns);
    lstDesc->setMaxVisibleItems(static_cast<int>(std::size(kDescriptions)));
    for (const char* description : kDescriptions)
        lstDesc->addItem(description);
    lstDesc->setValidator(new FreeTextValidator(lstDesc));
    txtQty = NumberBox("txtQty", this);
    txtHits = NumberBox("txtHits", this);
    txtAttacks = NumberBox("txtAttacks", this);
    chkBehind = Named<QCheckBox>("chkBehind", "Behind", this);

    txtSkillCOMB = NumberBox("txtSkillCOMB", this);
    txtSkillLBOW = NumberBox("txtSkillLBOW", this);
    txtSkillXBOW = NumberBox("txtSkillXBOW", this);
    txtSkillRIDI = NumberBox("txtSkillRIDI", this);
    txtSkillHEAL = NumberBox("txtSkillHEAL", this);

    txtMSWO = NumberBox("txtMSWO", this);
    txtSWOR = NumberBox("txtSWOR", this);
    txtDBOW = NumberBox("txtDBOW", this);
    txtLBOW = NumberBox("txtLBOW", this);
    txtXBOW = NumberBox("txtXBOW", this);
    txtMARM = NumberBox("txtMARM", this);
    txtPLAT = NumberBox("txtPLAT", this);
    txtCHAI = NumberBox("txtCHAI", this);
    txtHORS = NumberBox("txtHORS", this);
    txtHERB = NumberBox("txtHERB", this);

    cmdOK = Named<QPushButton>("cmdOK", "OK", this);
    cmdOK->setDefault(true);
    cmdCancel = Named<QPushButton>("cmdCancel", "Cancel", this);
    cmdCancel->setAutoDefault(false);
}

void TfrmCombatUnit::LayOutControls()
{
    auto* general = new QGridLayout;
    int row = 0;
    for (const auto& [caption, field] :
         std::initializer_list<std::pair<const char*, QWidget*>>{{"Unit ID", txtUnitID},
                                                                 {"Description", lstDesc},
                                                                 {"Quantity", txtQty},
                                                                 {"Hits", txtHits},
                                                                 {"Attacks", txtAttacks}}) {
        general->addWidget(new QLabel(caption, this), row, 0);
        general->addWidget(field, row, 1, Qt::AlignLeft);
        ++row;
    }
    general->addWidget(chkBehind, row++, 1, Qt::AlignLeft);
    general->setRowStretch(row, 1);

    auto* skills = new QGroupBox("Skills", this);
    skills->setLayout(NumberColumn(skills,
                                   {{"Combat", txtSkillCOMB},
                                    {"Longbow", txtSkillLBOW},
                                    {"Crossbow", txtSkillXBOW},
                                    {"Riding", txtSkillRIDI},
                                    {"Healing", txtSkillHEAL}}));

    // Weapons on the left; what protects, carries and heals on the right.
    auto* equipment = new QGroupBox("Equipment", this);
    auto* items = new QHBoxLayout(equipment);
    items->addLayout(NumberColumn(equipment,
                                  {{"Mithril Swords", txtMSWO},
                                   {"Normal Swords", txtSWOR},
                                   {"Double Bows", txtDBOW},
                                   {"Long Bows", txtLBOW},
                                   {"Crossbows", txtXBOW}}));
    items->addSpacing(16);
    items->addLayout(NumberColumn(equipment,
                                  {{"Mithril Armour", txtMARM},
                                   {"Plate Armour", txtPLAT},
                                   {"Chain Armour", txtCHAI},
                                   {"Horses", txtHORS},
                                   {"Herbs", txtHERB}}));

    auto* top = new QHBoxLayout;
    top->addLayout(general, 1);
    top->addWidget(skills);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(equipment);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::vector<TfrmCombatUnit::NumberField> TfrmCombatUnit::NumberFields() const
{
    return {
        {txtUnitID, &TCombatUnit::UnitID},       {txtQty, &TCombatUnit::Quantity},
        {txtHits, &TCombatUnit::Hits},           {txtAttacks, &TCombatUnit::Attacks},
        {txtSkillCOMB, &TCombatUnit::SkillCOMB}, {txtSkillLBOW, &TCombatUnit::SkillLBOW},
        {txtSkillXBOW, &TCombatUnit::SkillXBOW}, {txtSkillRIDI, &TCombatUnit::SkillRIDI},
        {txtSkillHEAL, &TCombatUnit::SkillHEAL}, {txtMSWO, &TCombatUnit::ItemMSWO},
        {txtSWOR, &TCombatUnit::ItemSWOR},       {txtDBOW, &TCombatUnit::ItemDBOW},
        {txtLBOW, &TCombatUnit::ItemLBOW},       {txtXBOW, &TCombatUnit::ItemXBOW},
        {txtMARM, &TCombatUnit::ItemMARM},       {txtPLAT, &TCombatUnit::ItemPLAT},
        {txtCHAI, &TCombatUnit::ItemCHAI},       {txtHORS, &TCombatUnit::ItemHORS},
        {txtHERB, &TCombatUnit::ItemHERB},
    };
}

void TfrmCombatUnit::ShowUnit(const TCombatUnit& unit)
{
    for (const auto& [box, field] : NumberFields())
        box->setText(QString::number(unit.*field));
    lstDesc->setEditText(ToDisplayText(unit.Description));
    chkBehind->setChecked(unit.Behind);
}

void TfrmCombatUnit::StoreUnit(TCombatUnit& unit) const
{
    // A blank typed before a figure is no reason to read it as 0.
    for (const auto& [box, field] : NumberFields())
        unit.*field = StrToIntLenient(TrimmedView(FromUserText(box->text())));
    unit.Description = TrimSpaces(FromUserText(lstDesc->currentText()));
    unit.Behind = chkBehind->isChecked();
}

void TfrmCombatUnit::cmdOKClick()
{
    StoreUnit(unit_);
    accept();
}

}  // namespace korvane
