// TfrmMAP: the main map window.
#pragma once

#include "mapview/render/map_viewport.h"
#include "mapview/windows/frm_map_layout.h"
#include "mapview/windows/frm_map_menus.h"
#include "mapview/windows/map_canvas.h"
#include "storage/turn_stepping.h"
#include "windows/order_vocabulary_cache.h"

#include <QImage>
#include <QMainWindow>

class QCheckBox;
class QDragEnterEvent;
class QDropEvent;

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace korvane {

class KeyToolWindow;
class TfrmColourKey;
class TfrmIconKey;
class TfrmTroopShowSelect;
class TrecINI;
class UserInteraction;
class Workspace;

class TfrmMAP : public QMainWindow
{
    Q_OBJECT

public:
    /// The window works on `workspace` and talks to the player through `ui`; both outlive it.
    TfrmMAP(Workspace& workspace, UserInteraction& ui, QWidget* parent = nullptr);

    const FrmMapWidgets& Widgets() const { return w_; }
    const FrmMapMenus& Menus() const { return m_; }

    /// The session's start, as every front end takes it (the workspace's Open), then the
    /// window's part: switches from the settings, its place on the screen, the turn shown.
    /// False when the map database could not be loaded (the player has been told why).
    bool StartUp();

    /// The database differs from its file: closing asks first, and "Save database" is offered.
    bool DataChanged() const { return dataChanged_; }
    /// "Save database" is offered (in the menu and by its key) only while data has changed.
    void SetDataChanged(bool changed);

    /// The turn panel: the current turn, or "?" before the first.
    void UpdateTurnPanel();
    /// A turn button: shows the units of the turn it leads to (nothing while a step runs).
    void StepTurn(TurnButton button);

    /// The map area, with the part of the grid shown; the scroll bars and the zoom bar follow it.
    MapCanvas& Canvas() const { return *w_.paintMap; }
    /// Fills the coordinate panel and the open page for the hex under a point of the paint box.
    void PointAt(int px, int py);

    /// The overview of the level shown drawn afresh (when " Update Global Map" is on), with the
    /// view's frame over it; every activation of the window does this.
    void RefreshOverview();
    const QImage& StoredGlobalMap() const { return storedGlobalMap_; }

    /// Go-to-coordinate once the player has typed x and y (game coordinates of the level
    /// shown): read leniently, then the checked jump, which says so when they are off the grid.
    void GoToCoordinate(const std::string& xText, const std::string& yText);
    /// A click on the overview at a point of its control: the view is centred there.
    void OverviewClicked(int px, int py);

    /// The tool windows of the terrain colours and the feature icons, hidden until asked for.
    TfrmColourKey& ColourKey() const { return *frmColourKey_; }
    TfrmIconKey& IconKey() const { return *frmIconKey_; }
    /// The tool window of the display selection lists.
    TfrmTroopShowSelect& TroopShowSelect() const { return *frmTroopShowSelect_; }

    /// The display list whose troops the map marks (the setting `UnitList`).
    void SetUnitList(const std::string& name);

    /// Makes grid hex (x, y) of `level` blink, or, with `on` false, stops the blinking once
    /// the hex is drawn normally again. Positions off the grid are ignored.
    void SetFlashHex(bool on, int x, int level, int y) { Canvas().SetFlashHex(on, x, level, y); }

    /// "Save database": refused without the player's faction number.
    void SaveDatabase();
    /// "Reload database", after the player's yes.
    void ReloadDatabase();
    /// "Import Data" once a file is chosen: its region descriptions go into the map.
    void ImportData(const std::string& fileName);
    /// "Import Faction List" once a file is chosen: the game's faction list goes into the registry.
    void ImportFactionList(const std::string& fileName);
    /// "Gate List": every known gate of the overworld, each a place to centre the view on.
    void ShowGateList();
    /// "Find City" once the player has typed what to look for: the settlements whose names
    /// hold it, on both levels. The text is offered again at the next search.
    void ShowCitySearch(const std::string& searchText);
    /// "Generate Turn File" once a file is chosen: the orders of the player's units for the
    /// game. When checking them finds problems, they are listed first and the file is written
    /// only if the player says so; then it asks before an existing file is replaced.
    void GenerateTurnFile(const std::string& fileName);
    /// "Find incomplete order": the view moves to the first hex whose own units are not all done.
    void FindIncompleteOrder();
    /// A double click on grid hex (x, y): the hex's details, editable, over `parent` (this
    /// window when null). A cell made only for the window is freed again when nothing was saved.
    void ShowHexDetails(int level, int x, int y, QWidget* parent = nullptr);
    /// "View Units", "View Unit Summary": the units of a hex, or their summary; a hex without a
    /// cell has nothing to show and says so.
    void ShowHexUnits(int level, int x, int y, QWidget* parent = nullptr);
    void ShowHexUnitSummary(int level, int x, int y);
    /// "Full Unit List", "Full Unit Summary": every unit known.
    void ShowAllUnits();
    void ShowAllUnitSummary();
    /// "Calculator": the desktop's calculator, started without waiting for it.
    void StartCalculator();

    /// "Import Turn File" once a file is chosen: the report is imported and the database saved.
    void ImportTurnFile(const std::string& fileName);

    /// "Combat Simulation": the battle set-up window, loaded with `battleFile` when one is given.
    void OpenCombats(const std::string& battleFile = {});

    /// "Bulk Turn File Import": the window where reports are picked and put in order; given
    /// `reports`, it imports them in that order at once and closes, saving the database once.
    void BulkImport(const std::vector<std::string>& reports);

    /// "Import Korvane Data": an ally's exchange file merged into the map, the name preset with
    /// `exchangeFile` when one is given.
    void OpenImportData(const std::string& exchangeFile);
    /// Files dropped on the window, told apart by what they hold: turn reports are imported in
    /// turn order, an exchange file or a battle file opens its window with it, a faction list
    /// goes into the registry; anything else is named as not recognised.
    void DropFiles(const std::vector<std::string>& fileNames);

    /// A passing message in the status bar, e.g. after an action completed.
    void ShowStatusMessage(const std::string& text);
    /// Moves the view by whole columns and y units, as far as the scroll bars go.
    void ScrollView(int columns, int rows);
    /// Zooms by `steps` of the zoom bar (positive: larger hexes), keeping the middle of the view.
    void ZoomBy(int steps);

signals:
    /// The map has been painted on the screen (the screenshot waits for the first time).
    void MapPainted();

protected:
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    /// Clicks on the overview and on the coordinate panel.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Asks first while data has changed; then keeps the window's place in the settings and
    /// writes what every session writes at its end (the workspace's SaveOnExit).
    void closeEvent(QCloseEvent* event) override;

private:
    /// The "Show" page's switches that write a setting and repaint the map.
    std::array<std::pair<QCheckBox*, bool TrecINI::*>, 9> DisplaySwitches() const;
    void ApplyDisplaySettings();
    void RestorePlacement();
    void CreateKeyWindows();
    void CreateTroopShowSelect();
    /// The drop-down of display lists, the one in use selected.
    void FillTroopViews();
    /// Puts a tool window where the settings kept it, or over the main window the first time.
    void PlaceToolWindow(QWidget& tool, int savedX, int savedY);
    void ConnectDisplaySwitches();
    /// The map's draw options follow the "Show" page's switches.
    void ApplyDrawOptions();
    void RepaintMap();
    /// Repaints after the world itself changed: a buffered picture of it is stale.
    void RedrawMap();
    void ConnectNavigation();
    /// What the map area reports: the hex pointed at, clicks, double clicks, the view moved.
    void ConnectCanvas();
    void ConnectMenus();
    void ChooseTurnFile();
    void ChooseDataFile();
    void ChooseFactionList();
    /// An open-file dialog for importing: the chosen file's name, or empty when cancelled.
    std::string ChooseImportFile(const QString& caption, const QString& start, const QString& filter);
    void AskCoordinate();
    void AskCitySearch();
    void ChooseTurnFileToGenerate();
    /// The checked jump to grid hex (x, y) of `level`: says so when it is off the grid.
    bool MoveViewTo(int level, int x, int y);
    /// The level buttons show the view's level.
    void ShowLevelChoice();
    /// The saved home view, the level buttons and the setting of the level shown with it.
    void ShowHome();
    /// "Save Position as Home": the view becomes the home, written to the settings file at once.
    void SaveViewAsHome();
    /// The pointer is over no hex, or has left the map: nothing is named as under it.
    void PointAtNothing();
    /// Opens the order window of an own unit over `parent` without waiting for it.
    void OpenOrderWindow(std::int32_t unit, QWidget* parent, std::function<void()> closed);
    /// Centres the view on grid hex (x, y) of the level shown, as the place lists ask.
    void CentreOn(int x, int y);
    void SyncScrollBars();
    void ShowOverview();
    /// The coordinate panel, the status bar and the open page name hex (x, y) of `level`, or
    /// nothing when x is -1.
    void ShowPointedHex(int level, int x, int y);
    int DrawOptions() const;
    /// The "Facs" page's lines show their faction's colour.
    void ColourFactionList();
    void FillPages(int level, int x, int y);
    void ConnectKeys();
    void ConnectToolWindows();

    Workspace& workspace_;
    UserInteraction& ui_;
    FrmMapWidgets w_;
    FrmMapMenus m_;
    HexPosition lastHit_;
    QImage storedGlobalMap_;  // the overview without the view's frame
    OverviewArea overviewArea_;  // the part of the grid it shows
    TfrmColourKey* frmColourKey_ = nullptr;
    TfrmIconKey* frmIconKey_ = nullptr;
    TfrmTroopShowSelect* frmTroopShowSelect_ = nullptr;
    std::string lastCitySearch_;
    std::string lastOrdersFile_;  // offered again by the next "Generate Turn File"
    OrderVocabularyCache orderVocabulary_;  // what the player's orders may name, for checking them
    bool syncing_ = false;  // the scroll bars are being set from the view, not by the player
    bool turnBusy_ = false;
    bool dataChanged_ = false;
};

}  // namespace korvane
