// The "Units in hex" browser.
#include "windows/frm_hex_units.h"

#include "core/text_helpers.h"
#include "mapview/render/display_text.h"
#include "windows/fixed_width_font.h"
#include "windows/widget_makers.h"
#include "workspace/workspace.h"
#include "world/unit_window_places.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace korvane {

TfrmHexUnits::TfrmHexUnits(Workspace& workspace, const OrderVocabulary& vocabulary, int level, int x, int y,
                           UserInteraction& ui, QWidget* parent)
    : TUnitBrowser(workspace, vocabulary, ui, parent)
    , level_(level)
    , x_(x)
    , y_(y)
    , cell_(workspace.Map.Cell(level, x, y))
{
    setObjectName("frmHexUnits");
    lstStructures = Named<QComboBox>("lstStructures", this);
    lstStructures->setFont(FixedWidthFont());
    lstStructures->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lstStructures->setMinimumContentsLength(20);
    connect(lstStructures, &QComboBox::currentIndexChanged, this, [this] { ChangeSelection(); });
    // Between the faction filter and "Mine", so both filters read as one row.
    filterRow_->insertWidget(2, new QLabel("Structure", this));
    filterRow_->insertWidget(3, lstStructures, 1);
    filterRow_->addWidget(pnlManCount);
    LoadHex();
}

void TfrmHexUnits::LoadHex()
{
    std::string caption = "Units in hex (" + IntToStr(x_) + "," + IntToStr(y_)
        + (level_ == TMap::kUnderworld ? ",underworld) " : ") ");
    if (cell_ && cell_->Terrain >= 0)
        caption += cell_->TerrainName(workspace_.Map.TerrainList);
    setWindowTitle(ToDisplayText(caption));

    const TUnitList none;
    FillFactions(cell_ ? cell_->Units : none);
    {
        const QSignalBlocker quiet(lstStructures);
        lstStructures->clear();
        if (cell_) {
            std::vector<std::int32_t> codes;
            const std::vector<std::string> lines = FillStructureList(*cell_, workspace_.Map.StructureTypes, &codes);
            for (std::size_t i = 0; i < lines.size(); ++i)
                lstStructures->addItem(ToDisplayText(lines[i]), codes[i]);
        }
        lstStructures->setCurrentIndex(lstStructures->count() > 0 ? 0 : -1);
    }
    ChangeSelection();
}

int TfrmHexUnits::StructureCode() const
{
    // Nothing chosen filters nothing.
    return lstStructures->currentIndex() < 0 ? -1 : lstStructures->currentData().toInt();
}

void TfrmHexUnits::ChangeSelection()
{
    std::int64_t men = 0;
    std::vector<std::string> lines;
    std::vector<UnitLineKey> keys;
    if (cell_)
        lines = cell_->Units.ListUnits(FactionCode(), StructureCode(), workspace_.TroopList, men, &keys);
    ShowUnitLines(std::move(lines), std::move(keys), men);
    ShowUnitDetails(nullptr);
}

TUnit* TfrmHexUnits::FindUnit(std::int32_t number) const
{
    return cell_ ? cell_->Units.Find(number) : nullptr;
}

}  // namespace korvane
