// CentreWindow: placing a window centred over another window or the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QWidget;

namespace korvane {

/// Where a window of `size` goes when centred over `reference` (its frame rectangle), or over
/// the screen shifted by (1, 1) when there is none: half the size difference from the
/// reference's origin (rounded towards zero), then pulled back so its bottom and right edges
/// stay on `screen`, then pushed so its top and left are at least 1 inside the screen.
/// All positions are measured from the screen's own top-left corner, so a second monitor or
/// a panel along the top behaves as the primary screen does.
QPoint CentredPosition(const std::optional<QRect>& reference, QSize size, const QRect& screen);

/// Moves the top-level window `w` centred over `ref` (or over the screen when `ref` is null),
/// within the available area of the reference's screen.
void CentreWindow(QWidget* ref, QWidget* w);

}  // namespace korvane
