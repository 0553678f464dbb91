// File names ordered as a player numbers them.
#include "windows/bulk_import_name_order.h"

namespace korvane {

namespace {

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

bool FileNameBefore(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a[i]) && IsDigit(b[j])) {
            while (i + 1 < a.size() && a[i] == u'0' && IsDigit(a[i + 1]))
                ++i;
            while (j + 1 < b.size() && b[j] == u'0' && IsDigit(b[j + 1]))
                ++j;
            const qsizetype startA = i, startB = j;
            while (i < a.size() && IsDigit(a[i]))
                ++i;
            while (j < b.size() && IsDigit(b[j]))
                ++j;
            // Without leading zeros, the longer run is the larger number.
            if (i - startA != j - startB)
                return i - startA < j - startB;
            const int digits = QStringView(a).mid(startA, i - startA).compare(QStringView(b).mid(startB, j - startB));
            if (digits != 0)
                return digits < 0;
            continue;
        }
        const QChar x = a[i].toCaseFolded(), y = b[j].toCaseFolded();
        if (x != y)
            return x < y;
        ++i;
        ++j;
    }
    if (a.size() - i != b.size() - j)
        return a.size() - i < b.size() - j;
    return a < b;
}

}  // namespace korvane
