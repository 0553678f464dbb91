// TfrmGiveOrders ("Issue Orders"): edits the orders of one of the player's units and marks
// them complete or not.
#pragma once

#include <QWidget>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace korvane {

class TMap;

class TfrmGiveOrders : public QWidget
{
    Q_OBJECT

public:
    /// A window of its own that stays on top and takes input while `parent` (the unit window
    /// that opens it, shown modally) is open; centred over `parent`, or over the screen without
    /// one. It edits records of `map`'s unit list and deletes itself once closed.
    explicit TfrmGiveOrders(TMap& map, QWidget* parent = nullptr);

    /// Shows the unit with that number from the map's unit list: its number, name and a copy
    /// of its orders. False when the list has no such unit; the window is then to be deleted
    /// unshown.
    bool LoadUnit(std::int32_t unitNumber);
    /// The unit loaded, -1 before LoadUnit succeeded.
    std::int32_t UnitNumber() const { return unitNumber_; }

signals:
    /// The window has closed, the unit's record updated; it is deleted next.
    void Closed();

protected:
    /// However the window closes: the mark chosen by the button (none by the title bar) is set,
    /// and the memo replaces the unit's orders when it differs from them in what the game reads.
    void closeEvent(QCloseEvent* event) override;

private:
    void cmdDoneClick();
    void cmdCloseClick();
    void StoreOrders();
    std::vector<std::string> MemoLines() const;

    TMap& map_;
    std::int32_t unitNumber_ = -1;
    QString shownOrders_;  // the memo as filled, to know whether it was edited at all
    std::optional<bool> done_;  // the mark the pressed button asks for
    bool stored_ = false;
    QLabel* pnlUnitNo;
    QLabel* pnlUnitName;
    QPlainTextEdit* txtOrders;
    QPushButton* cmdDone;
    QPushButton* cmdClose;
};

}  // namespace korvane
