// TfrmAllUnits ("All Known Units"): every unit the world shows, filtered by faction, with the
// details of the unit chosen and the ways to its hex: the map blinks where it was last seen,
// "Map to Hex" moves the map there and "Show Hex" opens the hex window.
#pragma once

#include "windows/unit_browser.h"

#include <functional>

namespace korvane {

class TfrmAllUnits : public TUnitBrowser
{
    Q_OBJECT

public:
    /// The browser of the whole world, loaded with its first line chosen, centred over `parent`.
    /// The player's orders are checked with `vocabulary`.
    TfrmAllUnits(Workspace& workspace, const OrderVocabulary& vocabulary, UserInteraction& ui, QWidget* parent);

    /// "Map to &Hex": centres the main map on a hex.
    std::function<void(int level, int x, int y)> moveMapTo;
    /// The map's blinking of the chosen unit's last known hex; off when no unit is chosen and
    /// when the browser closes.
    std::function<void(bool on, int x, int level, int y)> setFlashHex;
    /// "Show He&x": the hex window for a hex that has a cell. Whoever opens it makes and drops
    /// cells and marks the database changed as the hex window needs.
    std::function<void(int level, int x, int y, QWidget* parent)> showHex;

    /// Fills the faction filter from the world's units, lists every unit and chooses the first.
    void LoadAll();

    /// Where an order window opened from here puts its top: level with the bottom of the unit
    /// list, so that the list stays in sight. In screen coordinates.
    int OrderWindowTop() const;

protected:
    void ChangeSelection() override;
    TUnit* FindUnit(std::int32_t number) const override;
    const TMapCell* SummaryCell() const override { return nullptr; }
    void UnitLineSelected(int row) override;
    void UnitShown(const TUnit* unit) override;
    void Closing() override;

private:
    void cmdShowAllClick();
    void cmdShowHexClick();
    void cmdMoveMaptoHexClick();

    QPushButton* cmdShowAll;
    QPushButton* cmdShowHex;
    QPushButton* cmdMoveMaptoHex;
};

}  // namespace korvane
