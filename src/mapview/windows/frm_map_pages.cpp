// The main window's pages about the hex under the pointer, and the coordinate panel and
// status bar that name it.
#include "mapview/windows/frm_map.h"

#include "mapview/render/colour.h"
#include "mapview/render/display_text.h"
#include "mapview/windows/hex_pages.h"
#include "windows/colour_square_delegate.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>

#include <utility>
#include <vector>

namespace korvane {

namespace {

// A line of the "Facs" page keeps its faction's number beside its text.
constexpr int kFactionRole = Qt::UserRole;

}  // namespace

void TfrmMAP::ColourFactionList()
{
    // Each faction of the hex with its map colour; grey for a number the registry lacks.
    w_.lstHexFactions->setItemDelegate(new ColourSquareDelegate(
        [this](const QModelIndex& index) {
            const TFaction* faction = workspace_.Factions.Find(index.data(kFactionRole).toInt());
            return faction ? ToQColor(faction->Colour) : QColor(0x80, 0x80, 0x80);
        },
        w_.lstHexFactions));
}

void TfrmMAP::PointAt(int px, int py)
{
    const HexPosition hex = Canvas().HexAt(px, py);
    ShowPointedHex(Canvas().View().ViewLevel, hex.x, hex.y);
}

void TfrmMAP::ShowPointedHex(int level, int x, int y)
{
    if (x < 0 || y < 0) {
        PointAtNothing();
        if (w_.tabShow->currentIndex() == 1)
            FillPages(level, -1, -1);  // only the hex details go with the hex
        return;
    }
    w_.lblStatusHex->setText(ToDisplayText(StatusHexText(workspace_.Map, level, x, y)));
    w_.pnlCoords->setText(QString::fromStdString(PointerCoordText(level, x, y)));
    FillPages(level, x, y);
}

void TfrmMAP::PointAtNothing()
{
    w_.lblStatusHex->clear();
    w_.pnlCoords->clear();
}

void TfrmMAP::FillPages(int level, int x, int y)
{
    const std::string separator = FromUserText(locale().groupSeparator());
    const auto show = [](QLabel* panel, const std::string& text) { panel->setText(ToDisplayText(text)); };
    const QWidget* page = w_.tabShow->currentWidget();
    if (page == w_.tabShow->widget(1)) {
        const HexPageTexts texts = HexPage(workspace_.Map, level, x, y, separator);
        for (const auto& [panel, text] : {std::pair(w_.pnlHexCoord, &texts.Coord),
                                          {w_.pnlHexTerrain, &texts.Terrain},
                                          {w_.pnlHexNatives, &texts.Natives},
                                          {w_.pnlHexTaxes, &texts.Taxes},
                                          {w_.pnlHexWages, &texts.Wages},
                                          {w_.pnlHexPop, &texts.Pop},
                                          {w_.pnlHexGate, &texts.Gate},
                                          {w_.pnlHexWeatWas, &texts.WeatherWas},
                                          {w_.pnlHexWeatNext, &texts.WeatherNext},
                                          {w_.pnlLastUpd, &texts.LastUpdate}})
            show(panel, *text);
    } else if (page == w_.tabShow->widget(2)) {
        const TrecINI& settings = workspace_.Settings;
        const UnitsPageTexts texts = UnitsPage(workspace_.Map, workspace_.TroopList, settings.FactionNo,
                                               w_.chkAllUnits->isChecked(), level, x, y, separator);
        for (const auto& [panel, text] : {std::pair(w_.pnlSilver, &texts.Silver),
                                          {w_.pnlTaxes, &texts.Taxes},
                                          {w_.pnlWages, &texts.Wages},
                                          {w_.pnlTotIncome, &texts.TotalIncome},
                                          {w_.pnlLEADUnits, &texts.LeadUnits},
                                          {w_.pnlLEADMen, &texts.LeadMen},
                                          {w_.pnlSERFUnits, &texts.SerfUnits},
                                          {w_.pnlSERFMen, &texts.SerfMen},
                                          {w_.pnlTOTUnits, &texts.TotalUnits},
                                          {w_.pnlTOTMen, &texts.TotalMen},
                                          {w_.pnlMaint, &texts.Maintenance}})
            show(panel, *text);
    } else if (page == w_.tabShow->widget(3)) {
        w_.lstHexFactions->clear();
        std::vector<std::int32_t> numbers;
        const std::vector<std::string> lines = FactionsPage(workspace_.Map, workspace_.Factions,
                                                            workspace_.Settings.FactionNo, level, x, y, &numbers);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            auto* line = new QListWidgetItem(ToDisplayText(lines[i]), w_.lstHexFactions);
            line->setData(kFactionRole, numbers[i]);
        }
    }
}

}  // namespace korvane
