// The main map window.
#include "mapview/windows/frm_map.h"

#include "core/user_interaction.h"
#include "workspace/workspace.h"

namespace korvane {

TfrmMAP::TfrmMAP(Workspace& workspace, UserInteraction& ui, QWidget* parent)
    : QMainWindow(parent)
    , workspace_(workspace)
    , ui_(ui)
{
    setObjectName("frmMAP");
    setWindowTitle("Korvane");
    w_ = BuildFrmMapLayout(*this);
    resize(1000, 700);
}

}  // namespace korvane
