// TfrmExportData ("Export Data"): a rectangle of one level of the map written to an exchange
// file for other players, with the optional details chosen.
#pragma once

#include "windows/map_rectangle_boxes.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvane {

class UserInteraction;
class Workspace;

class TfrmExportData : public QDialog
{
    Q_OBJECT

public:
    /// A modal window over the workspace's world, centred over `parent`, with no file name yet.
    TfrmExportData(Workspace& workspace, UserInteraction& ui, QWidget* parent = nullptr);

    /// Takes the town names, gates, shafts, other features, level and rectangle of the map
    /// view; gate numbers and comments stay as they are.
    void Preset(const MapViewPreset& preset);

    /// "Whole Map": the rectangle of the whole grid.
    void cmdSelAllMapClick();
    /// "&Browse": a save dialog starting at the current file name.
    void cmdBrowseClick();
    /// "E&xport": checks the name, asks before replacing a file, corrects the rectangle into
    /// the grid and writes the file. The window stays open.
    void cmdExportClick();

private:
    void BuildLayout();

    Workspace& workspace_;
    UserInteraction& ui_;

    QLineEdit* txtFilename;
    QPushButton* cmdBrowse;
    RectangleBoxes rectangle_;
    QPushButton* cmdSelAllMap;
    QCheckBox* chkTownNames;
    QCheckBox* chkGates;
    QCheckBox* chkGateNos;
    QCheckBox* chkShafts;
    QCheckBox* chkOther;
    QCheckBox* chkComments;
    QRadioButton* optOverworld;
    QRadioButton* optunderworld;
    QPushButton* cmdExport;
    QPushButton* cmdClose;
};

}  // namespace korvane
