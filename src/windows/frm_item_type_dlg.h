// TfrmItemTypeDlg: asks the player whether a newly met object code is a troop or an item.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace korvane {

class TfrmItemTypeDlg : public QDialog
{
    Q_OBJECT

public:
    /// What exec() returns for each button; closing the dialog gives neither.
    enum Result { IsTroop = 1, IsItem = 2 };

    explicit TfrmItemTypeDlg(QWidget* parent = nullptr);

    /// Shows `objectText` (e.g. "wolves [WOLF]") modally, centred over the parent; true exactly
    /// when "Troop / Creature" was pressed, so closing the dialog makes the object an item.
    bool Identify(const std::string& objectText);

private:
    QLabel* lblItem;
    QLabel* lblWarning;
    QPushButton* cmdIsTroop;
    QPushButton* cmdIsItem;
};

}  // namespace korvane
