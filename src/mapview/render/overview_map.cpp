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

QImage NewOverviewImage()
{
    QImage image(kOverviewWidth, kOverviewHeight, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
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

void DrawViewFrame(QImage& overview, const MapViewport& view)
{
    QPainter painter(&overview);
    painter.setPen(QPen(Qt::red, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(view.ViewLeft, view.ViewTop),
                           QPoint(view.ViewLeft + view.ViewCols - 1, view.ViewTop + view.ViewRows - 1)));
}

QImage OverviewForScreen(const QImage& overview, const MapViewport& view, qreal ratio)
{
    // Smoothing would blur the borders between terrains; whole blocks keep them sharp.
    const QSize size(static_cast<int>(std::ceil(overview.width() * ratio)),
                     static_cast<int>(std::ceil(overview.height() * ratio)));
    QImage shown = overview.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    shown.setDevicePixelRatio(ratio);
    DrawViewFrame(shown, view);
    return shown;
}

}  // namespace korvane
