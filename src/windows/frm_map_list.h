// TfrmMapList: the gate list and the city search results, each item a place to centre the map on.
#pragma once

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace korvane {

class TrecINI;

/// Which list the window shows; each keeps its own window position in the settings.
enum class MapListMode { Gates = 1, Cities = 2 };

class TfrmMapList : public QDialog
{
    Q_OBJECT

public:
    /// A dialog that stays on top, listing `items` (texts ending in "(x,y)" or "(x,y,...)")
    /// sorted. It opens where it was last closed in this mode, else centred over `parent`.
    /// "Goto ..." calls `centreOn` with the selected item's grid position and leaves the window
    /// open; however the window is closed, its position is kept in `settings`.
    TfrmMapList(MapListMode mode, const QString& caption, const std::vector<std::string>& items, TrecINI& settings,
                std::function<void(int x, int y)> centreOn, QWidget* parent);

    MapListMode Mode() const { return mode_; }

    /// Keeps the window's position before any way of closing it.
    void done(int result) override;

private:
    void PlaceWindow(QWidget* parent);
    void lstItemsSelectionChange();
    void cmdGotoClick();

    MapListMode mode_;
    TrecINI& settings_;
    std::function<void(int x, int y)> centreOn_;
    QListWidget* lstItems;
    QPushButton* cmdGoto;
    QPushButton* cmdClose;
};

}  // namespace korvane
