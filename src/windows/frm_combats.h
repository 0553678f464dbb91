// TfrmCombats ("Combat Simulations"): the two sides of a simulated battle set up by hand, the
// conditions of the field, the battle itself and the battle files that keep a set-up.
#pragma once

#include "combat/battle.h"
#include "combat/battle_file.h"
#include "combat/combat_unit.h"
#include "combat/fort_list.h"

#include <QDialog>

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QFileDialog;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace korvane {

class UserInteraction;

class TfrmCombats : public QDialog
{
    Q_OBJECT

public:
    /// An empty set-up, no fortification on either side. The file dialogs start in
    /// `programDir`; messages and questions go through `ui`. Centred over `parent`.
    TfrmCombats(const std::string& programDir, UserInteraction& ui, QWidget* parent);

    /// Loads the battle file `fileName` in place of the set-up, as "Load Battle" does with the
    /// file chosen (fortifications and the last report stay). A damaged file loads as far as it
    /// is readable and the player is told what was not. A missing or unreadable file is
    /// reported and leaves the set-up as it was; the result is then false.
    bool LoadBattle(const std::string& fileName);

    /// Whether the set-up differs from the battle file last saved or loaded in full.
    bool BattleChanged() const { return battleChanged_; }

    /// "Close", Escape and the window's close button: with changes, asks first.
    void reject() override;

private:
    /// The controls and units of one side; both sides work alike.
    struct Side
    {
        std::vector<TCombatUnit> Units;
        QGroupBox* Frame = nullptr;
        QListWidget* lst = nullptr;
        QPushButton* cmdAdd = nullptr;
        QPushButton* cmdEdit = nullptr;
        QPushButton* cmdRemove = nullptr;
        QComboBox* lstFort = nullptr;
        QLabel* pnlManCount = nullptr;
    };

    void CreateSide(TCombatSide side);
    void CreateControls(const std::string& programDir);
    void LayOutControls();
    void ConnectControls();
    Side& SideOf(TCombatSide side);
    Side& OtherSide(TCombatSide side);
    int SelectedRow(TCombatSide side);

    void RefreshSide(TCombatSide side);
    void ClearSide(TCombatSide side);
    void lstSideSelectionChange(TCombatSide side);
    void cmdAddClick(TCombatSide side);
    void cmdEditClick(TCombatSide side);
    void cmdRemoveClick(TCombatSide side);
    void lstFortChange(TCombatSide side, int position);
    void chkTacClick(QCheckBox* ticked, QCheckBox* other);
    void cmdStartCombatClick();
    void cmdViewResultsClick();
    void cmdClearAllClick();
    void cmdLoadClick();
    void cmdSaveClick();
    bool SaveBattle(const std::string& fileName);
    TCombatSide TacticalAdvantage() const;
    BattleSetup CurrentSetup();
    void ShowSetup(BattleSetup setup);

    UserInteraction& ui_;
    const TFortList forts_;
    std::vector<std::string> report_;
    bool battleChanged_ = false;
    std::array<Side, 2> sides_;

    QLabel* lblTactical;
    QCheckBox* chkTacL;
    QCheckBox* chkTacR;
    QCheckBox* chkUseHorses;
    QPushButton* cmdStartCombat;
    QPushButton* cmdViewResults;
    QPushButton* cmdLoad;
    QPushButton* cmdSave;
    QPushButton* cmdClearAll;
    QPushButton* cmdClose;
    QFileDialog* dlgLoad;
    QFileDialog* dlgSave;
};

}  // namespace korvane
