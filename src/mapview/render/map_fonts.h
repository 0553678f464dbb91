// Fonts of the map's texts, sized by the height of a line of text, and text placed by its
// top-left corner.
#pragma once

#include <QFont>
#include <QString>

class QPainter;

namespace korvane {

inline constexpr const char* kMapSansFont = "Arial";
inline constexpr const char* kMapSerifFont = "Times New Roman";

/// A font whose lines are about `lineHeight` pixels high.
QFont MapFont(const char* family, int lineHeight, bool bold = false);

/// Writes `text` with the top of its line at `top`, in the painter's font and pen.
void DrawTextAt(QPainter& painter, int left, int top, const QString& text);

}  // namespace korvane
