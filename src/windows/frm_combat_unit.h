// TfrmCombatUnit ("Define Combat Unit"): one unit line of a battle side, typed in by hand.
#pragma once

#include <QDialog>

#include <cstdint>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace korvane {

class TCombatUnit;

class TfrmCombatUnit : public QDialog
{
    Q_OBJECT

public:
    /// Shows `unit`; "OK" stores the boxes back into it and closes accepted, "Cancel" leaves
    /// it as it was. Centred over `parent`.
    TfrmCombatUnit(TCombatUnit& unit, QWidget* parent);

    /// Every field of `unit` into its box, numbers in plain decimal.
    void ShowUnit(const TCombatUnit& unit);
    /// Every box into `unit`: numbers as far as they are numbers (an empty box gives 0), the
    /// description trimmed.
    void StoreUnit(TCombatUnit& unit) const;

private:
    /// A number box and the field it edits.
    using NumberField = std::pair<QLineEdit*, std::int32_t TCombatUnit::*>;

    void CreateControls();
    void LayOutControls();
    void cmdOKClick();
    /// Every number box with its field, so that showing and storing cannot drift apart.
    std::vector<NumberField> NumberFields() const;

    TCombatUnit& unit_;

    QLineEdit* txtUnitID;
    QComboBox* lstDesc;
    QLineEdit* txtQty;
    QLineEdit* txtHits;
    QLineEdit* txtAttacks;
    QCheckBox* chkBehind;
    QLineEdit* txtSkillCOMB;
    QLineEdit* txtSkillLBOW;
    QLineEdit* txtSkillXBOW;
    QLineEdit* txtSkillRIDI;
    QLineEdit* txtSkillHEAL;
    QLineEdit* txtMSWO;
    QLineEdit* txtSWOR;
    QLineEdit* txtDBOW;
    QLineEdit* txtLBOW;
    QLineEdit* txtXBOW;
    QLineEdit* txtMARM;
    QLineEdit* txtPLAT;
    QLineEdit* txtCHAI;
    QLineEdit* txtHORS;
    QLineEdit* txtHERB;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace korvane
