// TfrmMAP: the main map window.
#pragma once

#include "mapview/windows/frm_map_layout.h"

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

private:
    Workspace& workspace_;
    UserInteraction& ui_;
    FrmMapWidgets w_;
};

}  // namespace korvane
