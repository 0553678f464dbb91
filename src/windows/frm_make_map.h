// TfrmMakeMap ("Generate Map"): a rectangle of one level written to a bitmap file with a
// title, at a chosen scale and with the chosen features shown.
#pragma once

#include "windows/map_rectangle_boxes.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvane {

struct MapViewport;
class UserInteraction;
class Workspace;

class TfrmMakeMap : public QDialog
{
    Q_OBJECT

public:
    /// A modal window over the workspace's world, centred over `parent`. The file name starts
    /// as "MAP1.BMP" in the map folder (the program's folder when none is set).
    TfrmMakeMap(Workspace& workspace, UserInteraction& ui, QWidget* parent = nullptr);

    /// Fills the switches, level, rectangle and scale; the gate numbers keep their state
    /// unless the gates are switched off.
    void Preset(const MapViewPreset& preset);

    /// "Whole Map": the rectangle of the whole grid.
    void cmdSelAllMapClick();
    /// "&Browse": a save dialog starting at the current file name.
    void cmdBrowseClick();
    /// "Create Map": checks the fields, asks before replacing a file, then writes the bitmap.
    /// The window stays open for the next one.
    void cmdMakeMapClick();

private:
    void BuildLayout();

    Workspace& workspace_;
    UserInteraction& ui_;

    QLineEdit* txtFilename;
    QPushButton* cmdBrowse;
    QLineEdit* txtTitle;
    RectangleBoxes rectangle_;
    QLineEdit* txtScale;
    QPushButton* cmdSelAllMap;
    QCheckBox* chkHexCoords;
    QCheckBox* chkTownIcons;
    QCheckBox* chkTownNames;
    QCheckBox* chkGates;
    QCheckBox* chkGateNos;
    QCheckBox* chkShafts;
    QCheckBox* chkOther;
    QCheckBox* chkShowUnconfirmed;
    QRadioButton* optOverworld;
    QRadioButton* optunderworld;
    QPushButton* cmdMakeMap;
    QPushButton* cmdClose;
};

}  // namespace korvane
