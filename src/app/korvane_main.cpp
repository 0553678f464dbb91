// Entry point of the Korvane window program.
#include "mapview/windows/frm_map.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    korvane::TfrmMAP window;
    window.show();
    return app.exec();
}
