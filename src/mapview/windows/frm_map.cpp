// The main map window.
#include "mapview/windows/frm_map.h"

namespace korvane {

TfrmMAP::TfrmMAP(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("frmMAP");
    setWindowTitle("Korvane");
    resize(800, 600);
}

}  // namespace korvane
