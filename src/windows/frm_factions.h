// TfrmFactions ("Factions"): the faction registry listed, each faction's details edited, the
// list searched and the game's faction list imported; also the picker of a faction.
#pragma once

#include "windows/colour_choice.h"

#include <QDialog>

#include <cstdint>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace korvane {

class TFaction;
class TFactionList;
class TfrmFind;
class TrecINI;
class UserInteraction;

class TfrmFactions : public QDialog
{
    Q_OBJECT

public:
    /// Lists `factions` in ascending number, nothing selected; centred over `parent`.
    TfrmFactions(TFactionList& factions, const TrecINI& settings, UserInteraction& ui, QWidget* parent = nullptr);

    /// Set by an opener that wants a faction chosen, before exec(): shows "Cancel", and a
    /// double click on a line picks that faction and closes the window.
    bool PickMode = false;
    /// Asks for the colour of "Set"; the colour dialog unless replaced.
    ColourChooser chooseColour = AskColourWithDialog;

    /// After the window closed: the faction selected when it closed with "OK" or a double
    /// click; null when none was selected, or it closed with "Cancel", Escape or its frame.
    TFaction* PickedFaction() const { return pickedFaction_; }
    /// True once "Save" changed a faction or an import went in: the registry needs saving.
    bool FactionsChanged() const { return factionsChanged_; }

    /// The first line the list shows, so that a picker can reopen scrolled to the same place.
    int TopLine() const;
    /// Scrolls the list so that `line` is its first visible line, now or when it is shown.
    void SetTopLine(int line);

    /// Selects and shows the next line, from the selected one on and round to the top, that
    /// holds `text` in any letter case; the same text as last time starts after the selected
    /// line, so repeating a search steps through the matches. No match changes nothing.
    void SearchList(const std::string& text);

    /// Keeps the pick and the first visible line, however the window is closed.
    void done(int result) override;

    /// Opens the window as a picker over `parent`, scrolled to `topLine`, and returns the
    /// faction picked (null for none), keeping in `topLine` where the list was left.
    static TFaction* Pick(TFactionList& factions, const TrecINI& settings, UserInteraction& ui, int& topLine,
                          QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildWidgets();
    /// Empties the list and lists every faction again, nothing selected.
    void RefreshList();
    QLayout* BuildDetails();
    void lstFactionsSelectionChange(int row);
    /// Fills the detail boxes from `faction`, or empties and disables them for none.
    void ShowFaction(const TFaction* faction);
    void SetSampleColour(std::int32_t colour);
    void cmdSetColourClick();
    void cmdSaveClick();
    void cmdImportClick();
    void cmdFindClick();
    void cmdCancelClick();
    /// The selected line, -1 for none.
    int SelectedRow() const;
    /// Selects `row` and shows its faction as a click would, scrolled into view.
    void SelectRow(int row);

    TFactionList& factions_;
    const TrecINI& settings_;
    UserInteraction& ui_;

    std::int32_t shownNumber_ = -1;
    int shownRow_ = -1;
    std::int32_t sampleColour_ = 0;
    std::string lastSearchText_;
    std::string lastImportFile_;
    int pendingTopLine_ = 0;
    TFaction* pickedFaction_ = nullptr;
    bool factionsChanged_ = false;
    TfrmFind* find_ = nullptr;

    QListWidget* lstFactions;
    QLabel* pnlFacNo;
    QLineEdit* txtFacName;
    QLineEdit* txtPlayer;
    QLineEdit* txtEMail;
    QLineEdit* txtComments;
    QLabel* shapeCol;
    QPushButton* cmdSetColour;
    QPushButton* cmdSave;
    QPushButton* cmdImport;
    QPushButton* cmdFind;
    QPushButton* cmdClose;
    QPushButton* cmdCancel;
};

}  // namespace korvane
