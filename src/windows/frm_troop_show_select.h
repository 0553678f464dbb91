// TfrmTroopShowSelect: the "Show Troops" tool window, where the player keeps the display
// selection lists that say whose troops the map marks.
#pragma once

#include "windows/colour_choice.h"
#include "windows/pickers.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace korvane {

class TAllianceList;
class TFactionList;
class TShowTroopCollection;
class TrecINI;
class UserInteraction;

/// The line of a list entry: the number right-aligned in 4 characters (longer ones whole), and
/// " - " with the faction's or alliance's name when the registry knows it.
std::string DisplayListItem(const std::string& entry, bool allianceBased, const TFactionList& factions,
                            const TAllianceList& alliances);

class TfrmTroopShowSelect : public QWidget
{
    Q_OBJECT

public:
    /// A tool window of `owner`, so it stays above it; shows the list the settings name.
    TfrmTroopShowSelect(TShowTroopCollection& lists, TFactionList& factions, TAllianceList& alliances,
                        TrecINI& settings, UserInteraction& ui, QWidget* owner);

    FactionPicker pickFaction;
    AlliancePicker pickAlliance;
    ColourChooser chooseColour = AskColourWithDialog;

    /// Shows the lists as the collection holds them now (after it was loaded), the one the
    /// settings name selected.
    void RefreshLists();
    /// Selects the list of that name (the first list when there is none of it) and shows it.
    void SelectList(const std::string& name);
    /// The list being edited; empty when none.
    const std::string& EditedList() const { return edited_; }

    /// "Add New" once a name is typed: refused when empty, or taken, or holding a comma (which
    /// the lists' file would read as the end of the name).
    void AddNewList(const std::string& name);
    /// "Delete": the list shown, unless it is the last one.
    void DeleteList();
    /// "Add": a faction or alliance picked through the pickers joins the list shown.
    void AddEntry();
    /// "Remove": the selected entry leaves the list.
    void RemoveEntry();
    /// "Colour": the selected entry's faction or alliance gets a new colour in the registry.
    void ChangeColour();
    /// The radio buttons: the list is emptied and made faction- or alliance-based, after the
    /// player agreed to lose its entries.
    void MakeAllianceBased(bool allianceBased);

signals:
    /// Whose troops the map marks, or their colours, changed: it must be drawn afresh.
    void MapChanged();
    /// Lists were added or deleted.
    void ListsChanged();
    /// The player closed the window; it is only hidden.
    void Hidden();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FillLists();
    void ListChosen();
    void ShowList();
    void StoreList(bool allianceBased);
    void EnableEditing(bool enabled);
    bool AllianceBasedShown() const;
    void AskNewList();
    /// The colour square of an entry: its faction's or alliance's colour, grey when unknown.
    std::int32_t ItemColour(const std::string& entry) const;

    TShowTroopCollection& lists_;
    TFactionList& factions_;
    TAllianceList& alliances_;
    TrecINI& settings_;
    UserInteraction& ui_;
    std::string edited_;
    int pickerTopLine_ = 0;

    QComboBox* lstLists;
    QPushButton* cmdAddList;
    QPushButton* cmdDelList;
    QRadioButton* optShowAllies;
    QRadioButton* optShowFacts;
    QListWidget* lstSels;
    QPushButton* cmdAdd;
    QPushButton* cmdRemove;
    QPushButton* cmdColour;
};

}  // namespace korvane
