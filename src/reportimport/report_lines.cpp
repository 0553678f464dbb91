// Telling turn report lines apart.
#include "reportimport/report_lines.h"

#include "core/case_insensitive.h"
#include "core/text_helpers.h"
#include "world/map.h"

namespace korvane {

namespace {

// Whether the line starts with `keyword`, the line's letters taken in lower case.
bool StartsWithLowered(std::string_view line, std::string_view keyword)
{
    if (line.size() < keyword.size())
        return false;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        if (AsciiLower(line[i]) != keyword[i])
            return false;
    }
    return true;
}

bool Contains(std::string_view text, std::string_view word)
{
    return FindText(text, word) != std::string_view::npos;
}

}  // namespace

int ClassifyReportLine(const TMap& map, std::string_view line)
{
    return ReportLineClassifier(map).Classify(line);
}

ReportLineClassifier::ReportLineClassifier(const TMap& map)
    : map_(map)
{
    const NameList& keywords = map.SectionKeywords;
    for (int i = 0; i < keywords.Count(); ++i) {
        // Only a line whose first letter, lowered, is the keyword's can match it. An empty
        // keyword matches every line, so every line looks at it.
        const std::string& keyword = keywords[i];
        if (keyword.empty()) {
            for (auto& bucket : byFirstLetter_)
                bucket.push_back(i);
        } else {
            byFirstLetter_[static_cast<unsigned char>(keyword.front())].push_back(i);
        }
    }
}

int ReportLineClassifier::Classify(std::string_view line) const
{
    const NameList& keywords = map_.SectionKeywords;
    if (static_cast<std::size_t>(CountLeadingSpaces(line)) == line.size())
        return 0;
    for (const int i : byFirstLetter_[static_cast<unsigned char>(AsciiLower(line.front()))]) {
        if (StartsWithLowered(line, keywords[i]))
            return i + 1;
    }
    if (StartsWithLowered(line, "  it was"))
        return 10;
    if (line.front() == ' ')
        return 0;
    const auto open = line.find('(');
    if (open == std::string_view::npos)
        return 0;
    const auto close = line.find(')', open);
    if (close == std::string_view::npos)
        return 0;
    int x = 0, y = 0, level = 0;
    TMap::ParseCoords(line.substr(open, close - open + 1), x, y, level);
    if (x == -1 || y == -1 || (static_cast<std::int64_t>(x) + y) % 2 != 0
        || FindText(line, "in", open) == std::string_view::npos)
        return 0;
    const bool moving = Contains(line, "sails") || Contains(line, "walks") || Contains(line, "rides");
    return moving ? 5 : 24;
}

int DirectionCode(std::string_view text)
{
    // Only the end of the word is looked at, so "north" does not match northeast or northwest.
    const std::string word = LowerCase(text);
    static constexpr const char* kEndings[] = {"north", "rtheast", "utheast", "south", "uthwest", "rthwest"};
    for (int code = 1; code <= 6; ++code) {
        if (word.find(kEndings[code - 1]) != std::string::npos)
            return code;
    }
    return 0;
}

}  // namespace korvane
