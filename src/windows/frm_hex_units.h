// TfrmHexUnits ("Units in hex"): the units last seen in one hex, filtered by faction and by
// structure, with the details of the unit chosen.
#pragma once

#include "windows/unit_browser.h"

class QComboBox;

namespace korvane {

class TfrmHexUnits : public TUnitBrowser
{
    Q_OBJECT

public:
    /// The browser of the hex at that grid position, loaded and centred over `parent`; a
    /// position without a cell lists nothing. The player's orders are checked with `vocabulary`.
    TfrmHexUnits(Workspace& workspace, const OrderVocabulary& vocabulary, int level, int x, int y, UserInteraction& ui,
                 QWidget* parent);

    /// Builds the caption, fills both filters from the hex and lists its units.
    void LoadHex();

protected:
    void ChangeSelection() override;
    TUnit* FindUnit(std::int32_t number) const override;
    const TMapCell* SummaryCell() const override { return cell_; }

private:
    int StructureCode() const;

    int level_, x_, y_;
    TMapCell* cell_;
    QComboBox* lstStructures;
};

}  // namespace korvane
