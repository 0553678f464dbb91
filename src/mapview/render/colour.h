// The program's 24-bit colours (red in the low byte, then green, then blue) as Qt colours.
#pragma once

#include <QColor>

#include <cstdint>

namespace korvane {

/// The one place where a stored colour becomes a QColor.
inline QColor ToQColor(std::int32_t colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

/// Back from a QColor to the stored layout.
inline std::int32_t FromQColor(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

}  // namespace korvane
