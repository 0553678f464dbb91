// FixedWidthFont: found by measuring characters, not by trusting what a font says of itself.
#include "windows/fixed_width_font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>

namespace korvane {

bool HasOneWidth(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QLatin1Char('M'));
    for (const QChar c : QStringLiteral("iW.l1 0-|"))
        if (metrics.horizontalAdvance(c) != width)
            return false;
    return width > 0;
}

QFont FixedWidthFont()
{
    const QFont system = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (HasOneWidth(system))
        return system;
    // Keeps the system font's size: only the family changes.
    QFont candidate = system;
    for (const char* family : {"Liberation Mono", "DejaVu Sans Mono"}) {
        candidate.setFamily(QString::fromLatin1(family));
        if (HasOneWidth(candidate))
            return candidate;
    }
    candidate.setFamily(QStringLiteral("Monospace"));
    candidate.setStyleHint(QFont::Monospace);
    candidate.setFixedPitch(true);
    return candidate;
}

}  // namespace korvane
