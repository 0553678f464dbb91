// Drawing one hex.
#include "mapview/render/hex_painter.h"

#include "core/text_helpers.h"
#include "mapview/render/colour.h"
#include "mapview/render/display_text.h"
#include "mapview/render/draw_options.h"
#include "mapview/render/icon_drawing.h"
#include "mapview/render/map_fonts.h"
#include "world/map.h"
#include "world/map_cell.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

constexpr std::int32_t kWhite = 0xFFFFFF;
const QColor kSilver(0xC0, 0xC0, 0xC0);

// A clear sprite of `width` × `height` logical pixels in the device pixels of what `painter`
// paints on, so that on a screen scaled to 200 % it is copied, not enlarged.
QImage BlankSprite(const QPainter& painter, int width, int height)
{
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
    QImage sprite(static_cast<int>(std::ceil(width * ratio)), static_cast<int>(std::ceil(height * ratio)),
                  QImage::Format_ARGB32_Premultiplied);
    sprite.setDevicePixelRatio(ratio);
    sprite.fill(Qt::transparent);
    return sprite;
}

}  // namespace

HexPainter::HexPainter(QPainter& painter, const TMap& map, const HexGeometry& hex, int options, std::int32_t ownFaction)
    : painter_(painter)
    , map_(map)
    , hex_(hex)
    , options_(options)
    , ownFaction_(ownFaction)
    , solidTerrain_(map.TerrainList.IndexOf("solid"))
    , coordinateFont_(MapFont(kMapSansFont, std::min(std::max(hex.Hh / 3, 8), 14) + 1))
    , nameFont_(MapFont(kMapSansFont, std::min(std::max(hex.Hh, 12), 20), true))
    , labelFont_(MapFont(kMapSansFont, std::min(std::max(hex.Hh, 10), 20)))
{
    // Names and labels need room; troop marks take the wings they would be written over.
    writeLabels_ = hex.S > 10 && !(options & doTroops);
    writeCoordinates_ = (options & doHexCoords)
        && QFontMetrics(coordinateFont_).horizontalAdvance(QStringLiteral("999,999")) <= (5 * hex.S) / 3 - 4;
    const int terrains = std::max<int>(map.TerrainList.Count(), static_cast<int>(map.TerrainColours.size()));
    for (int i = 0; i < terrains; ++i)
        terrainBrushes_.emplace_back(ToQColor(map.TerrainColour(i)));
}

QBrush HexPainter::TerrainBrush(int terrain) const
{
    if (terrain >= 0 && terrain < static_cast<int>(terrainBrushes_.size()))
        return terrainBrushes_[static_cast<std::size_t>(terrain)];
    return QBrush(ToQColor(map_.TerrainColour(terrain)));
}

QPolygon HexPainter::Outline(int left, int top) const
{
    const int s = hex_.S;
    const int xa = left - s / 2, xb = left, xc = left + s + 1, xd = left + s + s / 2 + 1;
    const int ya = top, yb = top + hex_.Hh, yc = top + 2 * hex_.Hh;
    QPolygon outline(6);
    outline.setPoint(0, xb, ya);
    outline.setPoint(1, xc, ya);
    outline.setPoint(2, xd, yb);
    outline.setPoint(3, xc, yc);
    outline.setPoint(4, xb, yc);
    outline.setPoint(5, xa, yb);
    return outline;
}

void HexPainter::Draw(const TMapCell* cell, int x, int y, int level, int left, int top)
{
    FillTerrain(cell, left, top);
    if (writeCoordinates_)
        DrawCoordinates(x, y, level, left, top);
    if (cell) {
        if (!cell->PopCenter.empty() && (options_ & (doTownIcons | doTownNames)))
            DrawSettlement(*cell, left, top);
        else
            DrawFeature(*cell, left, top);
        DrawDoneCross(*cell, left, top);
        if (level == TMap::kUnderworld && cell->Terrain == solidTerrain_)
            DrawPassages(*cell, left, top);
    }
}

void HexPainter::FillTerrain(const TMapCell* cell, int left, int top)
{
    const int terrain = cell ? cell->Terrain : 0;
    // What is only guessed shows its terrain as a hatch over silver.
    const bool hatched = terrain != 0 && cell->Unconfirmed && (options_ & doUnconfirmed);
    // The sprite's corner lies one pixel up and left of the outline's left tip and top edge.
    painter_.drawImage(left - hex_.S / 2 - 1, top - 1, TerrainSprite(terrain, hatched));
}

const QImage& HexPainter::TerrainSprite(int terrain, bool hatched)
{
    std::vector<QImage>& sprites = hatched ? hatchedSprites_ : plainSprites_;
    const std::size_t slot = terrain >= 0 && terrain < static_cast<int>(terrainBrushes_.size())
        ? static_cast<std::size_t>(terrain)
        : terrainBrushes_.size();  // every colourless terrain shares the last slot
    if (sprites.size() <= slot)
        sprites.resize(slot + 1);
    QImage& sprite = sprites[slot];
    if (!sprite.isNull())
        return sprite;

    const QPolygon outline = Outline(hex_.S / 2 + 1, 1);
    const QRect box = outline.boundingRect();
    sprite = BlankSprite(painter_, box.width() + 2, box.height() + 2);
    QPainter painter(&sprite);
    painter.setPen(QPen(Qt::black, 1));
    const QBrush terrainBrush = TerrainBrush(terrain);
    if (hatched) {
        painter.setBrush(kSilver);
        painter.drawPolygon(outline);
        painter.setBrush(QBrush(terrainBrush.color(), Qt::DiagCrossPattern));
    } else {
        painter.setBrush(terrainBrush);
    }
    painter.drawPolygon(outline);
    return sprite;
}

void HexPainter::DrawFeatureIcon(int icon, int cx, int cy)
{
    // Like the terrain, each icon is drawn once into a sprite of its own and copied.
    const int r = RoundHalfEven(hex_.S / 3.0);
    const int centre = r + 4;
    if (iconSprites_.size() <= static_cast<std::size_t>(icon))
        iconSprites_.resize(static_cast<std::size_t>(icon) + 1);
    QImage& sprite = iconSprites_[static_cast<std::size_t>(icon)];
    if (sprite.isNull()) {
        sprite = BlankSprite(painter_, 2 * centre + 1, 2 * centre + 1);
        QPainter painter(&sprite);
        DrawIcon(painter, centre, centre, map_.IconColour(icon), map_.IconStyle(icon), hex_.S);
    }
    painter_.drawImage(cx - centre, cy - centre, sprite);
}

void HexPainter::DrawCoordinates(int x, int y, int level, int left, int top)
{
    if (level == TMap::kUnderworld) {
        if (TMap::UnderCellKind(x, y) != 0)
            return;
        TMap::GridToUnder(x, y);
    }
    const QString text = QString::number(x) + QLatin1Char(',') + QString::number(y);
    painter_.setFont(coordinateFont_);
    painter_.setPen(Qt::black);
    const int width = painter_.fontMetrics().horizontalAdvance(text);
    DrawTextAt(painter_, left + (hex_.S - width) / 2, top + 4, text);
}

void HexPainter::DrawSettlement(const TMapCell& cell, int left, int top)
{
    const int s = hex_.S;
    int iconR = RoundHalfEven(s * 0.3333);
    if (options_ & doTownNames) {
        if (cell.PopCenterType == kVillage)
            --iconR;
        if (writeLabels_) {
            painter_.setFont(nameFont_);
            painter_.setPen(Qt::black);
            const int lineHeight = std::min(std::max(hex_.Hh, 12), 20);
            DrawTextAt(painter_, left + s / 2 + iconR + 3, top + hex_.Hh - lineHeight / 2,
                       ToDisplayText(TrimSpaces(cell.PopCenter)));
        }
    }
    const int icon = cell.PopCenterType == kCity ? kIconCity : cell.PopCenterType == kTown ? kIconTown : kIconVillage;
    DrawFeatureIcon(icon, left + s / 2, top + hex_.Hh);
}

void HexPainter::DrawFeature(const TMapCell& cell, int left, int top)
{
    int icon = -1;
    if ((options_ & (doGates | doGateNumbers)) && cell.Gate > 0)
        icon = kIconGate;
    else if ((options_ & doShafts) && !cell.Shaft.empty())
        icon = kIconShaft;
    else if ((options_ & doOther) && !cell.Other.empty())
        icon = kIconOther;
    if (icon < 0)
        return;
    const int s = hex_.S;
    DrawFeatureIcon(icon, left + s / 2, top + hex_.Hh);
    if (!writeLabels_)
        return;
    std::string label = cell.Other.Str();
    if (icon == kIconGate)
        label = (options_ & doGateNumbers) && cell.Gate < 600 ? "Gate " + std::to_string(cell.Gate) : "Gate ?";
    else if (icon == kIconShaft)
        label = "Shaft";
    painter_.setBrush(Qt::NoBrush);
    painter_.setFont(labelFont_);
    painter_.setPen(Qt::black);
    const int lineHeight = std::min(std::max(hex_.Hh, 10), 20);
    DrawTextAt(painter_, left + s / 2 + RoundHalfEven(s * 0.3333) + 3, top + hex_.Hh - lineHeight / 2 + 1,
               ToDisplayText(label));
}

void HexPainter::DrawDoneCross(const TMapCell& cell, int left, int top)
{
    if (!(options_ & doDoneOrders) || hex_.S <= 10 || !cell.HasOwnUnits(ownFaction_)
        || !cell.AllOwnUnitsHaveOrders(ownFaction_, map_.UnitFileList))
        return;
    const int xb = left, xc = left + hex_.S + 1, ya = top, yc = top + 2 * hex_.Hh;
    painter_.setPen(QPen(Qt::red, 2));
    painter_.drawLine(xb + 2, ya + 3, xc - 2, yc - 3);
    painter_.drawLine(xc - 2, ya + 3, xb + 2, yc - 3);
}

void HexPainter::DrawPassages(const TMapCell& cell, int left, int top)
{
    const int s = hex_.S, hh = hex_.Hh;
    painter_.setBrush(Qt::yellow);
    if (cell.Pathway[0]) {
        painter_.setPen(QPen(Qt::yellow, 3));
        painter_.drawLine(left + s / 2, top + 2, left + s / 2, top + 2 * hh - 4);
    }
    if (cell.Pathway[1]) {
        painter_.setPen(QPen(Qt::yellow, 2));
        painter_.drawLine(left + s + s / 4, top + hh / 2, left - s / 4, top + hh + hh / 2);
    }
    if (cell.Pathway[2]) {
        painter_.setPen(QPen(Qt::yellow, 2));
        painter_.drawLine(left + s + s / 4, top + hh + hh / 2, left - s / 4, top + hh / 2);
    }
}

void HexPainter::DrawFlash(const TMapCell* cell, int left, int top)
{
    const int terrain = cell ? cell->Terrain : 0;
    painter_.setPen(QPen(Qt::black, 1));
    painter_.setBrush(map_.TerrainColour(terrain) == kWhite ? Qt::black : Qt::white);
    painter_.drawPolygon(Outline(left, top));
    painter_.setBrush(Qt::NoBrush);
}

}  // namespace korvane
