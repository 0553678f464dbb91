// Readable Qt values in test failure messages.
#pragma once

#include <QString>

#include <ostream>

// Found by argument-dependent lookup, as QString lives in the global namespace.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
