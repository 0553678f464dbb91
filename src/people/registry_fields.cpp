// Writing the fields of registry record lines.
#include "people/registry_fields.h"

#include "core/text_helpers.h"

namespace korvane {

std::string StorableText(std::string_view text)
{
    std::string flat(text);
    for (char& c : flat) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    std::string stored = TrimSpaces(flat);
    // The separators around the field supply a caret on either side, so a quote at the edge
    // next to a caret, or a lone quote, is as dangerous as ^"^ inside the text. Replacing a
    // quote never creates a caret, so one pass over the original neighbours is enough.
    const std::size_t size = stored.size();
    for (std::size_t i = 0; i < size; ++i) {
        if (stored[i] != '"')
            continue;
        const bool caretBefore = i == 0 || stored[i - 1] == '^';
        const bool caretAfter = i + 1 == size || stored[i + 1] == '^';
        if (caretBefore && caretAfter)
            stored[i] = '\'';
    }
    return stored;
}

void AppendTextField(std::string& line, std::string_view text)
{
    line += StorableText(text);
    line += kFieldSeparator;
}

void AppendNumberField(std::string& line, std::int64_t value)
{
    line += IntToStr(value);
    line += kFieldSeparator;
}

}  // namespace korvane
