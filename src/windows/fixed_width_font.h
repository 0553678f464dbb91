// FixedWidthFont: the font of every list whose lines are padded with blanks into columns.
#pragma once

#include <QFont>

namespace korvane {

/// A font in which every character takes one width, whatever fonts the machine has: the
/// system's fixed font when its characters are all one width (a font may say it is not fixed
/// pitch and still be, or say it is and not be), else Liberation Mono or DejaVu Sans Mono,
/// else whatever the font configuration gives for "Monospace".
QFont FixedWidthFont();

/// True when narrow and wide characters ('i', 'W', '.', 'M', ...) take the same width in `font`.
bool HasOneWidth(const QFont& font);

}  // namespace korvane
