// TfrmAlliances ("Alliances"): the player's alliances between factions, their names, comments,
// colours and member factions.
#pragma once

#include "people/alliance_editing.h"
#include "windows/colour_choice.h"
#include "windows/pickers.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvane {

class TAllianceList;
class TFactionList;
class TrecINI;
class UserInteraction;

class TfrmAlliances : public QDialog
{
    Q_OBJECT

public:
    /// Lists the alliances, none selected. Every change goes straight into `alliances` and
    /// `factions` (their alliance keys); "Cancel" puts back what they held at this moment.
    TfrmAlliances(TAllianceList& alliances, TFactionList& factions, const TrecINI& settings, UserInteraction& ui,
                  FactionPicker pickFaction, QWidget* parent);

    /// Asks for the colour "Set" gives; the standard colour dialog unless replaced.
    ColourChooser chooseColour = AskColourWithDialog;

    /// Whether the window changed the registry; false again once "Cancel" has put it back.
    bool AlliancesChanged() const { return changed_; }

    /// Makes the selected members of the shown alliance members of the alliance on line
    /// `allianceRow` too, which is then shown; what dropping member lines on that line does.
    void DropMembersOn(int allianceRow);

    /// "Cancel", Escape and the close button: with changes, asks first; "No" keeps the window
    /// open, "Yes" puts the registry back as it was at opening.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    void RefreshAlliances(int selectRow);
    void lstAlliancesClick();
    void ShowAlliance(const TAlliance* alliance);
    void RefreshMembers(const TAlliance* alliance);
    void SetSample(std::int32_t colour);
    void EditChanged();
    void cmdSetColourClick();
    void cmdAddAllianceClick();
    void cmdUpdateAllianceClick();
    void cmdDeleteAllianceClick();
    void cmdAddFactionClick();
    void cmdRemoveFactionClick();
    void cmdOKClick();
    TAlliance* SelectedAlliance() const;
    int SelectedRow() const;
    std::vector<std::int32_t> SelectedMembers() const;
    bool AcceptsDrop(QEvent* event) const;

    TAllianceList& alliances_;
    TFactionList& factions_;
    const TrecINI& settings_;
    UserInteraction& ui_;
    FactionPicker pickFaction_;
    const TAllianceRegistrySnapshot atOpening_;
    bool changed_ = false;
    int pickerTopLine_ = 0;
    std::int32_t sampleColour_ = 0;

    QListWidget* lstAlliances;
    QLineEdit* txtAlName;
    QLineEdit* txtAlComment;
    QFrame* shapeAlCol;
    QPushButton* cmdSetColour;
    QPushButton* cmdAddAlliance;
    QPushButton* cmdUpdateAlliance;
    QPushButton* cmdDeleteAlliance;
    QListWidget* lstFactions;
    QLabel* pnlFacCount;
    QPushButton* cmdAddFaction;
    QPushButton* cmdRemoveFaction;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
};

}  // namespace korvane
