// Drawing the screen map through an off-screen buffer that holds a margin around the view,
// so that scrolling a few columns or rows copies pixels instead of drawing hexes.
#include "mapview/render/map_buffer.h"

#include "mapview/render/map_drawing.h"

#include "mapview/render/draw_options.h"
#include "mapview/render/hex_geometry.h"
#include "world/map.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace korvane {

namespace {

// The hexes of the buffer's first column and row start this far in: on a screen scaled to
// 150 % or 200 % the outline of the top edge reaches half a logical pixel above it.
constexpr int kBufferMargin = 2;

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

// The device pixels per logical pixel of what `painter` paints on: 2 on a screen scaled to
// 200 %, 1 on a bitmap.
qreal PixelRatio(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device ? device->devicePixelRatio() : 1.0;
}

// True when the buffer was drawn from the world as it is now, the same way, around the view.
bool BufferHolds(const MapBuffer& buffer, const TMap& map, const MapFrame& frame, int options, qreal ratio)
{
    int x0, w, y0, h;
    VisibleRange(frame.left, frame.cols, TMap::kMaxX, x0, w);
    VisibleRange(frame.top, frame.rows, TMap::kMaxY, y0, h);
    return x0 >= buffer.left && x0 + w <= buffer.right && y0 >= buffer.top && y0 + h <= buffer.bottom
        && options == buffer.options && frame.zoom == buffer.zoom && frame.level == buffer.level
        && map.Generation() == buffer.generation && buffer.image.devicePixelRatio() == ratio;
}

void RebuildBuffer(MapBuffer& cache, const MapScene& scene, const MapFrame& frame, int options, const HexGeometry& hex,
                   qreal ratio)
{
    cache.options = options;
    cache.zoom = frame.zoom;
    cache.level = frame.level;
    cache.generation = scene.map.Generation();
    const int marginCols = std::min(frame.cols / 2, 10);
    const int marginRows = std::min(frame.rows / 2, 8);
    cache.left = std::max(0, frame.left - marginCols);
    cache.right = std::min(TMap::kMaxX, frame.left + frame.cols + marginCols);
    cache.top = std::max(0, frame.top - marginRows);
    cache.bottom = std::min(TMap::kMaxY, frame.top + frame.rows + marginRows);

    // Room for every column and row the cached rectangle holds, whatever the screen size. The
    // buffer has the screen's own pixels (twice as many each way at 200 %), so that copying
    // from it loses no detail; a buffer made for another screen is made anew.
    const QSize needed(
        static_cast<int>(std::ceil((hex.C * (cache.right - cache.left + 2) + 2 * hex.S + kBufferMargin) * ratio)),
        static_cast<int>(std::ceil((hex.Hh * (cache.bottom - cache.top + 4) + kBufferMargin) * ratio)));
    QImage& buffer = cache.image;
    if (buffer.devicePixelRatio() != ratio)
        buffer = QImage();
    if (buffer.width() < needed.width() || buffer.height() < needed.height()) {
        buffer = QImage(needed.expandedTo(buffer.size()), QImage::Format_RGB32);
        buffer.setDevicePixelRatio(ratio);
    }
    buffer.fill(kMapBackground);

    MapFrame whole = frame;
    whole.left = cache.left;
    whole.top = cache.top;
    whole.cols = cache.right - cache.left;
    whole.rows = cache.bottom - cache.top + 2;
    whole.marginX = kBufferMargin;
    whole.marginY = kBufferMargin;
    whole.clip = QRect(QPoint(0, 0), buffer.deviceIndependentSize().toSize());
    whole.options = options;
    QPainter painter(&buffer);
    DrawHexLayer(painter, scene, whole);  // troop marks go on the screen, over the copy
}

// Copies the buffer's logical rectangle at `source` to `target` of the painter's device pixel
// for pixel. At a ratio like 1.5 a logical position can fall between device pixels: both ends
// are rounded to whole pixels, since a copy between them would be resampled and blurred.
void CopyPixels(QPainter& painter, const QImage& buffer, const QPoint& source, const QRect& target, qreal ratio)
{
    const auto devicePixels = [ratio](const QRect& logical) {
        const QPoint topLeft(qRound(logical.left() * ratio), qRound(logical.top() * ratio));
        const QPoint end(qRound((logical.right() + 1) * ratio), qRound((logical.bottom() + 1) * ratio));
        return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
    };
    const QRect to = devicePixels(target);
    const QRect from(devicePixels(QRect(source, QSize(1, 1))).topLeft(), to.size());
    painter.save();
    // Painting in device pixels: one logical pixel is `ratio` of them.
    painter.scale(1 / ratio, 1 / ratio);
    painter.drawImage(QRectF(to), buffer, QRectF(from));
    painter.restore();
}

}  // namespace

void DrawMapBuffered(QPainter& painter, MapBuffer& buffer, const MapScene& scene, const MapFrame& frame,
                     bool forceRedraw)
{
    const HexGeometry hex = HexGeometry::ForZoom(frame.zoom);
    QRect clip = frame.clip;
    const int options = ReserveRulers(frame, hex, clip);
    DrawScreenRulers(painter, frame, hex, clip);
    const qreal ratio = PixelRatio(painter);
    if (forceRedraw || buffer.image.isNull() || !BufferHolds(buffer, scene.map, frame, options, ratio))
        RebuildBuffer(buffer, scene, frame, options, hex, ratio);

    const QPoint source = QPoint(hex.C * (frame.left - buffer.left), hex.Hh * (frame.top - buffer.top))
        + QPoint(clip.left() - frame.marginX + kBufferMargin, clip.top() - frame.marginY + kBufferMargin);
    painter.save();
    painter.setClipRect(clip);
    CopyPixels(painter, buffer.image, source, clip, ratio);
    if (WantsTroopMarks(frame))
        DrawTroopMarks(painter, scene, frame);
    painter.restore();
}

}  // namespace korvane
