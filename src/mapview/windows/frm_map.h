// TfrmMAP: the main map window.
#pragma once

#include "mapview/windows/frm_map_layout.h"
#include "storage/turn_stepping.h"

#include <QMainWindow>

namespace korvane {

class UserInteraction;
class Workspace;

class TfrmMAP : public QMainWindow
{
    Q_OBJECT

public:
    /// The window works on `workspace` and talks to the player through `ui`; both outlive it.
    TfrmMAP(Workspace& workspace, UserInteraction& ui, QWidget* parent = nullptr);

    const FrmMapWidgets& Widgets() const { return w_; }

    /// The turn panel: the current turn, or "?" before the first.
    void UpdateTurnPanel();
    /// A turn button: shows the units of the turn it leads to (nothing while a step runs).
    void StepTurn(TurnButton button);

private:
    void ApplyDisplaySettings();
    void ConnectDisplaySwitches();
    void RepaintMap();

    Workspace& workspace_;
    UserInteraction& ui_;
    FrmMapWidgets w_;
    bool turnBusy_ = false;
};

}  // namespace korvane
