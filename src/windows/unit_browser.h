// TUnitBrowser: what the two unit browsers share: the faction filter, the owner-drawn unit
// lines with the marks of complete orders and of orders with an error, the selected unit's
// details with its flag boxes and four views, "Mine", "Orders", "Summary", and the current
// turn's orders file written when the browser closes.
#pragma once

#include "windows/order_window_opener.h"

#include <QDialog>

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QListView;
class QListWidget;
class QPushButton;

namespace korvane {

class OrderVocabulary;
class TMapCell;
class TUnit;
class TUnitList;
class UnitLinesModel;
struct UnitLineKey;
class UserInteraction;
class Workspace;

class TUnitBrowser : public QDialog
{
    Q_OBJECT

public:
    ~TUnitBrowser() override;

    /// Empty: "Orders" stays disabled.
    OrderWindowOpener openOrders;

    /// The unit whose details are shown; null for none. It lives in the database's lists.
    TUnit* SelectedUnit() const { return selectedUnit_; }
    /// Order windows opened from this browser that are still open.
    int OpenOrderWindows() const { return openOrderWindows_; }

    /// However the browser closes, the order windows it opened (windows of its own children)
    /// are closed and the current turn's orders file is written; a failure is said through the
    /// interaction.
    void done(int result) override;

protected:
    /// The player's orders are checked with `vocabulary`, which outlives the browser.
    TUnitBrowser(Workspace& workspace, const OrderVocabulary& vocabulary, UserInteraction& ui, QWidget* parent);

    /// Refills the unit lines for the filters chosen (any change of a filter).
    virtual void ChangeSelection() = 0;
    /// The unit a line's number names, in the list this browser looks units up in.
    virtual TUnit* FindUnit(std::int32_t number) const = 0;
    /// The hex the "Summary" button counts; null for the whole world.
    virtual const TMapCell* SummaryCell() const = 0;
    /// A unit line was selected (`row`), or none was (-1); its unit is shown next.
    virtual void UnitLineSelected(int row) { (void)row; }
    /// The details now show `unit`, or none.
    virtual void UnitShown(const TUnit* unit) { (void)unit; }
    /// The browser is closing; the orders file is written after this.
    virtual void Closing() { }

    void showEvent(QShowEvent* event) override;

    /// The faction filter filled from `units`, its first line chosen; no selection applied.
    void FillFactions(const TUnitList& units);
    /// The code of the faction filter's choice.
    int FactionCode() const;
    /// Chooses a faction filter line and applies the selection, even when it was chosen already.
    void ChooseFaction(int position);
    /// Shows unit lines with their keys (one each) and their men, nothing selected; the
    /// player's units among them whose orders have an error are marked.
    void ShowUnitLines(std::vector<std::string> lines, std::vector<UnitLineKey> keys, std::int64_t men);
    int LineCount() const;
    /// The unit a line is about, and the hex it was listed in.
    const UnitLineKey& KeyAt(int row) const;
    /// The selected line; -1 for none.
    int SelectedLine() const;
    /// Selects a line (-1 for none) and shows its unit.
    void SelectLine(int row);
    void ShowUnitDetails(TUnit* unit);

    Workspace& workspace_;
    const OrderVocabulary& vocabulary_;
    UserInteraction& ui_;
    /// Where a browser adds its own filters and buttons.
    QHBoxLayout* filterRow_;
    QHBoxLayout* buttonRow_;

    QComboBox* lstFactions;
    QListView* lstUnits;
    QLabel* pnlManCount;

private:
    void BuildWidgets();
    QLayout* BuildDetails();
    void lstUnitsClick(int row);
    void RefreshView();
    void cmdOrdersClick();
    void cmdShowMineClick();
    void cmdSummaryClick();
    void OrderWindowClosed(std::int32_t unitNumber);
    bool IsOwnUnit(const TUnit& unit) const;
    /// The first error of a unit's orders as shown in its line's tooltip; empty when they have
    /// none, or the unit is not the player's. Kept: orders change only in an order window.
    const QString& FirstOrderError(std::int32_t unitNumber);
    void SaveTurnOrders();

    UnitLinesModel* lines_;
    std::unordered_map<std::int32_t, QString> orderErrors_;  // of the units checked so far
    TUnit* selectedUnit_ = nullptr;
    int openOrderWindows_ = 0;
    bool shown_ = false;

    QLabel* pnlSilver;
    QLabel* pnlCombSpell;
    QLabel* pnlDesc;
    QLabel* pnlLastSeen;
    std::vector<std::pair<QCheckBox*, std::uint32_t>> flagBoxes_;
    QButtonGroup* views_;
    QPushButton* cmdSkills;
    QPushButton* cmdEquipment;
    QPushButton* cmdTroops;
    QPushButton* cmdCanStudy;
    QListWidget* lstMisc;
    QPushButton* cmdOrders;
    QPushButton* cmdShowMine;
    QPushButton* cmdSummary;
    QPushButton* cmdClose;
};

}  // namespace korvane
