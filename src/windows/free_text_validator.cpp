// Dropping the characters a comma-separated line cannot hold.
#include "windows/free_text_validator.h"

namespace korvane {

QValidator::State FreeTextValidator::validate(QString& input, int& pos) const
{
    for (qsizetype i = input.size() - 1; i >= 0; --i) {
        const QChar c = input[i];
        if (c == u'"' || c == u'\'' || c == u',') {
            input.remove(i, 1);
            if (i < pos)
                --pos;
        }
    }
    return Acceptable;
}

}  // namespace korvane
