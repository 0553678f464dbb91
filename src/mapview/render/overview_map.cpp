// Drawing the overview image.
#include "mapview/render/overview_map.h"

#include "mapview/render/colour.h"
#include "mapview/render/map_viewport.h"
#include "world/map.h"
#include "world/map_cell.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// Silver: an overview with nothing drawn yet, and the panel around a known world's area.
const QColor kOverviewBlank(0xC0, 0xC0, 0xC0);

}  // namespace

QImage NewOverviewImage()
{
    QImage image(kOverviewWidth, kOverviewHeight, QImage::Format_RGB32);
    image.fill(kOverviewBlank);
    return image;
}

void RefreshGlobalMap(QImage& overview, const TMap& map, int level, int left, int top, int right, int bottom)
{
    // A hex is two y units high and covers the even row of its pair and the next, so the
    // rectangle is widened to whole pairs: each column then has one hex per pair to redraw.
    const int x1 = std::max(0, left), x2 = std::min(TMap::kMaxX, right);
    const int y1 = std::max(0, top) / 2 * 2, y2 = std::min(TMap::kMaxY, bottom / 2 * 2 + 1);
    if (x1 > x2 || y1 > y2 || overview.isNull())
        return;
    {
        QPainter painter(&overview);
        painter.fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), ToQColor(map.TerrainColour(-1)));
    }
    for (int x = x1; x <= x2; ++x) {
        for (int y = y1 + (x + y1) % 2; y <= y2; y += 2) {
            const TMapCell* cell = map.Cell(level, x, y);
            if (!cell || cell->Terrain <= 0)
                continue;
            const QRgb colour = ToQColor(map.TerrainColour(cell->Terrain)).rgb();
            const int row = y - y % 2;
            for (int py = row; py <= row + 1; ++py) {
                if (overview.valid(x, py))
                    overview.setPixel(x, py, colour);
            }
        }
    }
}

OverviewArea OverviewAreaOf(const TMap& map, int level, bool knownWorld)
{
    OverviewArea area;
    if (!knownWorld)
        return area;
    int left = TMap::kMaxX + 1, right = -1, top = TMap::kMaxY + 1, bottom = -1;
    map.ForEachCell([&](const TMapCell& cell) {
        if (cell.Level != level || cell.Terrain <= 0)
            return;
        left = std::min(left, cell.X);
        right = std::max(right, cell.X);
        // A hex covers the even y unit of its pair and the next.
        top = std::min(top, cell.Y - cell.Y % 2);
        bottom = std::max(bottom, cell.Y - cell.Y % 2 + 1);
    });
    if (right < 0)
        return area;
    area.Grid = QRect(QPoint(std::max(0, left - 1), std::max(0, top - 2)),
                      QPoint(std::min(TMap::kMaxX, right + 1), std::min(TMap::kMaxY, bottom + 2)));
    area.Scale = std::min(double(kOverviewWidth) / area.Grid.width(), double(kOverviewHeight) / area.Grid.height());
    area.Offset = QPointF((kOverviewWidth - area.Grid.width() * area.Scale) / 2,
                          (kOverviewHeight - area.Grid.height() * area.Scale) / 2);
    return area;
}

void DrawViewFrame(QImage& overview, const MapViewport& view, const OverviewArea& area)
{
    QPainter painter(&overview);
    painter.setPen(QPen(Qt::red, 3));
    painter.setBrush(Qt::NoBrush);
    if (area.IsWholeGrid()) {
        painter.drawRect(QRect(QPoint(view.ViewLeft, view.ViewTop),
                               QPoint(view.ViewLeft + view.ViewCols - 1, view.ViewTop + view.ViewRows - 1)));
        return;
    }
    painter.drawRect(QRectF(area.ToOverview(QPointF(view.ViewLeft, view.ViewTop)),
                            area.ToOverview(QPointF(view.ViewLeft + view.ViewCols, view.ViewTop + view.ViewRows))));
}

QImage OverviewForScreen(const QImage& overview, const MapViewport& view, qreal ratio, const OverviewArea& area)
{
    // Smoothing would blur the borders between terrains; whole blocks keep them sharp.
    const QSize size(static_cast<int>(std::ceil(overview.width() * ratio)),
                     static_cast<int>(std::ceil(overview.height() * ratio)));
    QImage shown;
    if (area.IsWholeGrid()) {
        shown = overview.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    } else {
        shown = QImage(size, QImage::Format_RGB32);
        shown.fill(kOverviewBlank);
        const QImage part = overview.copy(area.Grid);
        const QSize partSize(static_cast<int>(std::round(area.Grid.width() * area.Scale * ratio)),
                             static_cast<int>(std::round(area.Grid.height() * area.Scale * ratio)));
        QPainter painter(&shown);
        painter.drawImage((area.Offset * ratio).toPoint(),
                          part.scaled(partSize, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    }
    shown.setDevicePixelRatio(ratio);
    DrawViewFrame(shown, view, area);
    return shown;
}

}  // namespace korvane
