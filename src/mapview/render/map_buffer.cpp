// Drawing the screen map through an off-screen buffer that holds a margin around the view,
// so that scrolling a few columns or rows copies pixels instead of drawing hexes.
#include "mapview/render/map_drawing.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/hex_geometry.h"
#include "world/map.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace korvane {

namespace {

// The visible part of one axis of the grid: first position and count.
void VisibleRange(int origin, int count, int last, int& first, int& size)
{
    // Position 0 is a real column and row: buffers start there too, so that a view scrolled
    // to the very edge copies from inside the buffer.
    first = std::max(origin, 0);
    size = count - (first - origin);
    if (origin + count > last)
        size = last - origin;
}

bool BufferHolds(const TMap& map, const MapFrame& frame, int options)
{
    int x0, w, y0, h;
    VisibleRange(frame.left, frame.cols, TMap::kMaxX, x0, w);
    VisibleRange(frame.top, frame.rows, TMap::kMaxY, y0, h);
    return x0 >= map.BufLeft && x0 + w <= map.BufRight && y0 >= map.BufTop && y0 + h <= map.BufBottom
        && options == map.BufOptions && frame.zoom == map.BufZoom && frame.level == map.BufLevel;
}

void RebuildBuffer(QImage& buffer, MapScene& scene, const MapFrame& frame, int options, const HexGeometry& hex)
{
    TMap& map = scene.map;
    map.BufOptions = options;
    map.BufZoom = frame.zoom;
    map.BufLevel = frame.level;
    const int marginCols = std::min(frame.cols / 2, 10);
    const int marginRows = std::min(frame.rows / 2, 8);
    map.BufLeft = std::max(0, frame.left - marginCols);
    map.BufRight = std::min(TMap::kMaxX, frame.left + frame.cols + marginCols);
    map.BufTop = std::max(0, frame.top - marginRows);
    map.BufBottom = std::min(TMap::kMaxY, frame.top + frame.rows + marginRows);

    // Room for every column and row the cached rectangle holds, whatever the screen size.
    const QSize needed(hex.C * (map.BufRight - map.BufLeft + 2) + 2 * hex.S,
                       hex.Hh * (map.BufBottom - map.BufTop + 4));
    if (buffer.width() < needed.width() || buffer.height() < needed.height())
        buffer = QImage(needed.expandedTo(buffer.size()), QImage::Format_RGB32);
    buffer.fill(kMapBackground);

    MapFrame whole = frame;
    whole.left = map.BufLeft;
    whole.top = map.BufTop;
    whole.cols = map.BufRight - map.BufLeft;
    whole.rows = map.BufBottom - map.BufTop + 2;
    whole.marginX = 0;
    whole.marginY = 0;
    whole.clip = buffer.rect();
    whole.options = options;
    QPainter painter(&buffer);
    DrawHexLayer(painter, scene, whole);  // troop marks go on the screen, over the copy
}

}  // namespace

void DrawMapBuffered(QPainter& painter, QImage& buffer, MapScene& scene, const MapFrame& frame, bool forceRedraw)
{
    const HexGeometry hex = HexGeometry::ForZoom(frame.zoom);
    QRect clip = frame.clip;
    const int options = ReserveRulers(frame, hex, clip);
    DrawScreenRulers(painter, frame, hex, clip);
    if (forceRedraw || buffer.isNull() || !BufferHolds(scene.map, frame, options))
        RebuildBuffer(buffer, scene, frame, options, hex);

    const TMap& map = scene.map;
    const QPoint source(hex.C * (frame.left - map.BufLeft), hex.Hh * (frame.top - map.BufTop));
    painter.save();
    painter.setClipRect(clip);
    const QRect target(clip.left(), clip.top(), clip.width(), clip.height());
    painter.drawImage(target, buffer,
                      QRect(source + QPoint(clip.left() - frame.marginX, clip.top() - frame.marginY), target.size()));
    if (WantsTroopMarks(frame))
        DrawTroopMarks(painter, scene, frame);
    painter.restore();
}

}  // namespace korvane
