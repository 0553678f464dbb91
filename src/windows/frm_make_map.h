// TfrmMakeMap ("Generate Map"): a rectangle of one level written to a bitmap file with a
// title, at a chosen scale and with the chosen features shown. With it, the pieces every
// window over a rectangle of the map shares: the preset from the map view, the rectangle's
// boxes, switches that depend on each other, and where a file dialog starts.
#pragma once

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

/// What the map window hands over when it opens a window that works on a rectangle of the
/// map (the map bitmap, the exchange export): its own switches and view.
struct MapViewPreset
{
    int options = 0;  // draw option bits; each window takes those it has boxes for
    int level = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
    int scale = 5;
};

/// The preset of a map view: its switches, its level, the rectangle it shows (the last
/// column and row it draws only in part are left out) and its zoom as the scale.
MapViewPreset PresetFromView(const MapViewport& view, int drawOptions);

/// Ties a detail switch to the switch it depends on: ticking `detail` ticks `base`, unticking
/// `base` unticks `detail`.
void CoupleSwitches(QCheckBox* base, QCheckBox* detail);

/// An edit box for a grid coordinate or a scale: narrow, and long enough for any of them.
QLineEdit* NumberBox(const char* name, QWidget* parent);

/// The boxes "Left (X)", "Top (Y)", "Right" and "Bottom" of a rectangle of the grid, shared
/// by the windows that work on one.
struct RectangleBoxes
{
    /// The four boxes with their labels, in rows 0 to 3 of `layout`.
    static RectangleBoxes Add(QGridLayout* layout, QWidget* parent);
    void Show(int left, int top, int right, int bottom) const;
    /// "Whole Map": the rectangle of the whole grid.
    void ShowWholeMap() const;

    QLineEdit* txtLeft = nullptr;
    QLineEdit* txtTop = nullptr;
    QLineEdit* txtRight = nullptr;
    QLineEdit* txtBottom = nullptr;
};

/// Where a file dialog opened from a file name box starts: the name typed (trimmed), in the
/// program's folder when it names no folder; the program's folder when nothing is typed.
std::string FileDialogStart(const std::string& typedName, const std::string& programDir);

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
