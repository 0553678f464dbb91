// Map bitmaps: a rectangle of one level drawn with a frame, a heading and a footer, and
// written as a BMP file band by band, so that even the whole world at the largest scale
// needs only a few megabytes of memory.
#pragma once

#include "core/file_result.h"
#include "core/progress.h"
#include "mapview/render/map_bitmap_request.h"

#include <QDate>
#include <QImage>
#include <QSize>

#include <string>

class QPainter;

namespace korvane {

struct MapScene;

/// The pixel size of the bitmap of a request.
QSize MapBitmapSize(const MapBitmapRequest& request);

/// Draws the part of the bitmap that lies in pixel rows `band` (frame, hexes, heading and
/// footer, on white) with the painter's origin at the bitmap's top-left corner.
void DrawMapBitmapPart(QPainter& painter, const MapScene& scene, const MapBitmapRequest& request, const QRect& band,
                       const QDate& date);

/// The whole bitmap in memory (for small maps and previews).
QImage RenderMapBitmap(const MapScene& scene, const MapBitmapRequest& request,
                       const QDate& date = QDate::currentDate());

/// Draws the bitmap and writes it to `request.fileName` as a 24-bit BMP, replacing any file
/// there only once the new one is complete; a failure names the file and why.
/// `bandRows` is the number of rows drawn at a time; 0 chooses about 32 MB of pixels.
/// `progress` counts the bitmap's rows written, band by band; when the player cancels between
/// bands nothing is written (any old file stays as it was) and the reason is kMapBitmapCancelled.
FileResult MakeMapBitmap(const MapScene& scene, const MapBitmapRequest& request,
                         const QDate& date = QDate::currentDate(), int bandRows = 0, Progress* progress = nullptr);

/// The reason MakeMapBitmap gives when the player cancelled it.
inline constexpr const char* kMapBitmapCancelled = "Cancelled";

}  // namespace korvane
