// TfrmAllianceList ("Select Alliance"): picks one alliance of the registry.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace korvane {

class TAlliance;
class TAllianceList;

class TfrmAllianceList : public QDialog
{
    Q_OBJECT

public:
    /// Lists the alliance names, none selected; centred over `parent`.
    TfrmAllianceList(const TAllianceList& alliances, QWidget* parent);

    /// The alliance chosen with "Select" or a double click; null otherwise (Cancel included).
    TAlliance* PickedAlliance() const { return picked_; }

private:
    void cmdSelectClick();

    const TAllianceList& alliances_;
    TAlliance* picked_ = nullptr;
    QListWidget* lstAlliances;
    QPushButton* cmdSelect;
    QPushButton* cmdCancel;
};

}  // namespace korvane
