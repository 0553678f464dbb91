// TfrmMAP: the main map window.
#pragma once

#include <QMainWindow>

namespace korvane {

class TfrmMAP : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmMAP(QWidget* parent = nullptr);
};

}  // namespace korvane
