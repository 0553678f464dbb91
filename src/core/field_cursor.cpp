// Splitting stored record lines into their fields.
#include "core/field_cursor.h"

namespace korvane {

void SplitFields(std::string_view line, std::string_view separator, std::vector<std::string_view>& fields)
{
    fields.clear();
    if (separator.size() != 1) {
        ForEachPiece(line, separator, [&fields](std::string_view piece) { fields.push_back(piece); });
        return;
    }
    // Cell and unit lines, read by the hundred thousand, have a one-character separator: a
    // character search is much faster than a text search and splits the same way.
    if (line.empty())
        return;
    const char mark = separator.front();
    for (std::size_t start = 0;;) {
        const std::size_t hit = line.find(mark, start);
        if (hit == std::string_view::npos) {
            fields.push_back(line.substr(start));
            return;
        }
        fields.push_back(line.substr(start, hit - start));
        start = hit + 1;
    }
}

}  // namespace korvane
