// Map fonts and text placement.
#include "mapview/render/map_fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace korvane {

QFont MapFont(const char* family, int lineHeight, bool bold)
{
    QFont font(QString::fromLatin1(family));
    // A line of the sans and serif faces is about 1.15 of their em size.
    font.setPixelSize(std::max(1, (lineHeight * 100 + 57) / 115));
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    if (QString::fromLatin1(family) == QLatin1String(kMapSerifFont))
        font.setStyleHint(QFont::Serif);
    return font;
}

void DrawTextAt(QPainter& painter, int left, int top, const QString& text)
{
    painter.drawText(left, top + painter.fontMetrics().ascent(), text);
}

}  // namespace korvane
