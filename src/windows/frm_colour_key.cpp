// The terrain colour key.
#include "windows/frm_colour_key.h"

#include "mapview/render/display_text.h"
#include "mapview/render/hex_geometry.h"
#include "mapview/render/hex_painter.h"
#include "windows/widget_makers.h"
#include "world/map.h"
#include "world/map_cell.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvane {

namespace {

// Narrower than this, the window's title would not fit its title bar.
constexpr int kMinimumWidth = 220;

}  // namespace

TfrmColourKey::TfrmColourKey(TMap& map, QWidget* owner)
    : KeyToolWindow(owner)
    , map_(map)
{
    setObjectName("frmColourKey");
    setWindowTitle("Terrain Colours");

    auto* pnlTop = Named<QWidget>("pnlTop", this);
    cmdSelColour = Named<QPushButton>("cmdSelColour", "Select Colour", pnlTop);
    auto* topLayout = new QHBoxLayout(pnlTop);
    topLayout->setContentsMargins(5, 5, 5, 0);
    topLayout->addWidget(cmdSelColour);
    topLayout->addStretch();
    connect(cmdSelColour, &QPushButton::clicked, this, &KeyToolWindow::SelectColour);

    pnlMain = Named<QWidget>("pnlMain", this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(pnlTop);
    layout->addWidget(pnlMain);

    // Building the swatches selects terrain 0.
    RefreshFromMap();
}

std::vector<QString> TfrmColourKey::TerrainNames() const
{
    std::vector<QString> names;
    for (const std::string& name : map_.TerrainList.Names())
        names.push_back(ToDisplayText(name));
    return names;
}

void TfrmColourKey::RefreshFromMap()
{
    const std::vector<QString> names = TerrainNames();
    bool same = names.size() == swatches_.size();
    for (std::size_t i = 0; same && i < names.size(); ++i)
        same = swatches_[i]->Label()->text() == names[i];
    if (same) {
        for (KeySwatch* swatch : swatches_)
            swatch->Repaint();
    } else {
        BuildSwatches();
        // Take the new size now rather than at the next turn of the event loop.
        layout()->activate();
    }
    UpdateSelColour();
}

void TfrmColourKey::BuildSwatches()
{
    for (KeySwatch* swatch : swatches_)
        delete swatch;
    swatches_.clear();

    const std::vector<QString> names = TerrainNames();
    const QFont font = KeyLabelFont();
    const int width = TwoColumnPanelWidth(names, font, kMinimumWidth);
    pnlMain->setFixedSize(width, TwoColumnPanelHeight(static_cast<int>(names.size())));
    for (int i = 0; i < static_cast<int>(names.size()); ++i) {
        auto* swatch = new KeySwatch(
            i, "Terrain" + QString::number(i), kKeySwatchPaintBox,
            [this, i](QPainter& painter, const QRect& box) { PaintSwatch(i, painter, box); }, pnlMain);
        swatch->setGeometry(TwoColumnSwatchRect(i, width));
        swatch->AddLabel(names[static_cast<std::size_t>(i)], font);
        connect(swatch, &KeySwatch::Clicked, this, &TfrmColourKey::SelectTerrain);
        connect(swatch, &KeySwatch::DoubleClicked, this, &KeyToolWindow::SelectColour);
        swatch->show();
        swatches_.push_back(swatch);
    }

    // The selection stays on its terrain when that still has a swatch.
    const int previous = selected_;
    selected_ = -1;
    SelectTerrain(previous >= 0 && previous < static_cast<int>(swatches_.size()) ? previous : 0);
}

void TfrmColourKey::PaintSwatch(int terrain, QPainter& painter, const QRect& box) const
{
    const HexGeometry hex = HexGeometry::ForSide((box.width() - 4) / 2);
    TMapCell cell;
    cell.Terrain = terrain;
    HexPainter(painter, map_, hex, 0, 0).Draw(&cell, cell.X, cell.Y, TMap::kOverworld, hex.S / 2, 1);
}

void TfrmColourKey::SelectTerrain(int index)
{
    if (index < 0 || index >= static_cast<int>(swatches_.size()))
        return;
    if (selected_ >= 0 && selected_ < static_cast<int>(swatches_.size()))
        swatches_[static_cast<std::size_t>(selected_)]->SetSelected(false);
    selected_ = index;
    swatches_[static_cast<std::size_t>(index)]->SetSelected(true);
    UpdateSelColour();
}

int TfrmColourKey::SelectedColourEntry() const
{
    return selected_ >= 0 && selected_ < static_cast<int>(map_.TerrainColours.size()) ? selected_ : -1;
}

void TfrmColourKey::UpdateSelColour()
{
    // A terrain added to the vocabulary after the colour list was made is drawn grey and has
    // no entry to change: say so rather than ask for a colour that would be dropped.
    const bool hasEntry = SelectedColourEntry() >= 0;
    cmdSelColour->setEnabled(hasEntry);
    cmdSelColour->setToolTip(hasEntry || selected_ < 0 ? QString() : "This terrain has no entry in the colour list.");
}

std::int32_t TfrmColourKey::EntryColour(int terrain) const
{
    return map_.TerrainColour(terrain);
}

void TfrmColourKey::SetEntryColour(int terrain, std::int32_t colour)
{
    map_.SetTerrainColour(terrain, colour);
    swatches_[static_cast<std::size_t>(terrain)]->Repaint();
}

}  // namespace korvane
