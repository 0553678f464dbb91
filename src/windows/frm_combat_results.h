// TfrmCombatResults ("Combat Summary"): the report of the last battle, line by line.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace korvane {

class TfrmCombatResults : public QDialog
{
    Q_OBJECT

public:
    /// Lists `report`; centred over `parent`.
    TfrmCombatResults(const std::vector<std::string>& report, QWidget* parent);

private:
    QListWidget* lstCombats;
    QPushButton* cmdClose;
};

}  // namespace korvane
