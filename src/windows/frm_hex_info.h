// TfrmHexInfo: the "Hex Details" window, where the player reads and corrects what the map
// knows of one hex, or whether an underworld pathway exists between two hexes.
#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace korvane {

class TMap;
class TMapCell;
class UserInteraction;
struct HexDetails;

class TfrmHexInfo : public QDialog
{
    Q_OBJECT

public:
    /// The window for the existing cell at (x, y) of `level`, loaded; messages and the save
    /// question go through `ui`. Without a cell there, nothing can be edited.
    TfrmHexInfo(TMap& map, int level, int x, int y, UserInteraction& ui, QWidget* parent);

    /// A save wrote the window's values into the cell.
    bool HexSaved() const { return hexSaved_; }
    /// The position lies between underworld hexes: only its pathway and unconfirmed mark show.
    bool PathwayMode() const { return pathwayMode_; }

    /// "&Unit Details": opens the hex's unit browser over `parent`. The button is disabled when
    /// this is empty or the hex has no units.
    std::function<void(QWidget* parent)> showUnits;

    /// Fills every control from the cell, as nothing edited yet.
    void LoadCell();
    /// Writes the controls back into the cell.
    void SaveCell();

    /// Every way of closing but Save: unsaved changes are asked about first, and Cancel keeps
    /// the window open.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Market { Wanted, ForSale, Products };

    void CreateControls();
    void LayOutControls();
    void ConnectControls();
    void FillLists();
    void LoadPathway(const HexDetails& details, int kind);
    void LoadHex(const HexDetails& details);
    void ShowDetails(const HexDetails& details);
    HexDetails ShownDetails() const;
    void CheckPopCenterType(int type);
    int CheckedPopCenterType() const;
    void UpdateUnitsButton();

    void DataChange();
    void txtPopCenterChange();
    void optPopCenterTypeClick(bool checked);
    void ShowMarket(Market market);
    void cmdShowUnitsClick();
    void cmdSaveClick();

    TMap& map_;
    const int level_, x_, y_;
    UserInteraction& ui_;
    TMapCell* cell_;
    bool hexSaved_ = false;
    bool pathwayMode_ = false;
    int pathwayKind_ = 0;
    bool loading_ = false;
    QButtonGroup* popCenterTypes_;

    QLabel* pnlCoords;
    QWidget* pnlShowNormal;
    QComboBox* lstTerrain;
    QComboBox* lstProvince;
    QLineEdit* txtPopCenter;
    QWidget* pnlPopCenterType;
    QRadioButton* optPopCity;
    QRadioButton* optPopTown;
    QRadioButton* optPopVillage;
    QComboBox* lstRaces;
    QLineEdit* txtNativeCount;
    QLineEdit* txtSilver;
    QLineEdit* txtWages;
    QLabel* pnlMaxWages;
    QLineEdit* txtEntertain;
    QLineEdit* txtGate;
    QCheckBox* chkShaft;
    QLineEdit* txtOther;
    QLineEdit* txtComments;
    QLineEdit* txtFacNo;
    QLabel* pnlLastWeather;
    QLabel* pnlNextWeather;
    QToolButton* cmdShowWanted;
    QToolButton* cmdShowForSale;
    QToolButton* cmdShowProducts;
    QListWidget* lstProds;
    QWidget* pnlShowUnder;
    QCheckBox* chkPathway;
    QLabel* lblCellType;
    QCheckBox* chkUnsure;
    QLabel* lblLastUpdate;
    QPushButton* cmdShowUnits;
    QPushButton* cmdSave;
    QPushButton* cmdClose;
};

}  // namespace korvane
