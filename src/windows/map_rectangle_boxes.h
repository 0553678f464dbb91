// The pieces every window over a rectangle of the map shares (the map bitmap, the exchange
// export): the preset from the map view, the rectangle's boxes, switches that depend on each
// other, and where a file dialog starts.
#pragma once

#include <string>

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace korvane {

struct MapViewport;

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

/// The file a name typed into a file name box stands for: trimmed, and a name that does not
/// start at the root placed in the program's folder, where the file dialog starts too, rather
/// than in whatever folder the program was started from. Empty when nothing is typed.
std::string TypedFileName(const std::string& typedName, const std::string& programDir);

}  // namespace korvane
