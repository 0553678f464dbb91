// TfrmGetCoord: asks for the x and y of a hex to go to.
#pragma once

#include <QDialog>

class QLineEdit;

namespace korvane {

class TfrmGetCoord : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmGetCoord(QWidget* parent = nullptr);

    QString XText() const;
    QString YText() const;

private:
    QLineEdit* txtX_;
    QLineEdit* txtY_;
};

}  // namespace korvane
