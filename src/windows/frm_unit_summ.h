// TfrmUnitSumm ("Unit Summary Report"): the player's units and men with and without leaders,
// their silver, and the men at each level of the fighting skills, in one hex or the world.
#pragma once

#include <QDialog>

class QLabel;
class QTableWidget;

namespace korvane {

class TMapCell;
class Workspace;

class TfrmUnitSumm : public QDialog
{
    Q_OBJECT

public:
    /// The summary of `cell`'s units, or of every unit known when it is null; loaded and
    /// centred over `parent`.
    TfrmUnitSumm(Workspace& workspace, const TMapCell* cell, QWidget* parent);

    /// Builds the caption and both grids; true.
    bool LoadSummary(const TMapCell* cell);

private:
    Workspace& workspace_;
    QTableWidget* grdUnitCount;
    QLabel* pnlSilver;
    QTableWidget* grdSkills;
};

}  // namespace korvane
