// TfrmMAP: the main map window.
#pragma once

#include "mapview/render/map_scene.h"
#include "mapview/render/map_viewport.h"
#include "mapview/windows/frm_map_layout.h"
#include "mapview/windows/frm_map_menus.h"
#include "storage/turn_stepping.h"

#include <QImage>
#include <QMainWindow>

class QCheckBox;

#include <array>
#include <string>
#include <utility>

namespace korvane {

class TrecINI;
class UserInteraction;
class Workspace;

class TfrmMAP : public QMainWindow
{
    Q_OBJECT

public:
    /// The window works on `workspace` and talks to the player through `ui`; both outlive it.
    TfrmMAP(Workspace& workspace, UserInteraction& ui, QWidget* parent = nullptr);

    const FrmMapWidgets& Widgets() const { return w_; }
    const FrmMapMenus& Menus() const { return m_; }

    /// The session's start, as every front end takes it (the workspace's Open), then the
    /// window's part: switches from the settings, its place on the screen, the turn shown.
    /// False when the map database could not be loaded (the player has been told why).
    bool StartUp();

    /// The database differs from its file: closing asks first, and "Save database" is offered.
    bool DataChanged() const { return dataChanged_; }
    void SetDataChanged(bool changed) { dataChanged_ = changed; }

    /// The turn panel: the current turn, or "?" before the first.
    void UpdateTurnPanel();
    /// A turn button: shows the units of the turn it leads to (nothing while a step runs).
    void StepTurn(TurnButton button);

    /// The part of the grid shown; the scroll bars and the zoom bar follow it.
    const MapViewport& Viewport() const { return view_; }
    /// Fills the coordinate panel and the open page for the hex under a point of the paint box.
    void PointAt(int px, int py);

    /// The overview of the level shown drawn afresh (when " Update Global Map" is on), with the
    /// view's frame over it; every activation of the window does this.
    void RefreshOverview();
    const QImage& StoredGlobalMap() const { return storedGlobalMap_; }

    /// Go-to-coordinate once the player has typed x and y (game coordinates of the level
    /// shown): read leniently, then the checked jump, which says so when they are off the grid.
    void GoToCoordinate(const std::string& xText, const std::string& yText);
    /// A click on the overview at a point of its control: the view is centred there.
    void OverviewClicked(int px, int py);

    /// "Save database": refused without the player's faction number.
    void SaveDatabase();
    /// "Reload database", after the player's yes.
    void ReloadDatabase();
    /// "Import Turn File" once a file is chosen: the report is imported and the database saved.
    void ImportTurnFile(const std::string& fileName);

signals:
    /// The map has been painted on the screen (the screenshot waits for the first time).
    void MapPainted();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Asks first while data has changed; then keeps the window's place in the settings and
    /// writes what every session writes at its end (the workspace's SaveOnExit).
    void closeEvent(QCloseEvent* event) override;

private:
    /// The "Show" page's switches that write a setting and repaint the map.
    std::array<std::pair<QCheckBox*, bool TrecINI::*>, 9> DisplaySwitches() const;
    void ApplyDisplaySettings();
    void RestorePlacement();
    void ConnectDisplaySwitches();
    void RepaintMap();
    /// Repaints after the world itself changed: a buffered picture of it is stale.
    void RedrawMap();
    void ConnectNavigation();
    void ConnectMenus();
    void ChooseTurnFile();
    void AskCoordinate();
    /// True once the player's faction number is known; else shows `refusal` and how to give it.
    bool KnowsOwnFaction(const std::string& refusal);
    /// True, after saying that `consequence`, when the map database was refused at the start:
    /// the file must outlive this session untouched, and nothing may be built on the empty world.
    bool DatabaseRefused(const std::string& consequence);
    void SyncScrollBars();
    void ShowOverview();
    void PaintMap();
    int DrawOptions() const;
    void FillPages(int level, int x, int y);

    Workspace& workspace_;
    UserInteraction& ui_;
    FrmMapWidgets w_;
    FrmMapMenus m_;
    HexPosition lastHit_;
    QImage storedGlobalMap_;  // the overview without the view's frame
    QImage paintBuffer_;      // the hexes around the view, when the settings ask for buffered drawing
    bool forceRedraw_ = false;  // the next buffered paint draws the hexes afresh
    MapViewport view_;
    MapScene scene_;
    bool syncing_ = false;  // the scroll bars are being set from the view, not by the player
    bool turnBusy_ = false;
    bool dataChanged_ = false;
};

}  // namespace korvane
