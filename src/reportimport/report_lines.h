// Telling the lines of a turn report apart: sections, movement, weather and region headers.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace korvane {

class TMap;

/// The line code of a report line: a section keyword's position in the map's section keywords
/// + 1, 5 a movement line, 10 a weather line, 24 a region header, 0 anything else.
int ClassifyReportLine(const TMap& map, std::string_view line);

/// ClassifyReportLine for every line of a report: the keywords are sorted by their first letter
/// once, so that each line is held only against those that can match it.
class ReportLineClassifier
{
public:
    explicit ReportLineClassifier(const TMap& map);
    int Classify(std::string_view line) const;

private:
    const TMap& map_;
    std::array<std::vector<int>, 256> byFirstLetter_;  // keyword positions, in list order
};

/// Direction code 1 to 6 of the end of a direction word, 0 when none.
int DirectionCode(std::string_view text);

}  // namespace korvane
