// Telling the lines of a turn report apart: sections, movement, weather and region headers.
#pragma once

#include <string_view>

namespace korvane {

class TMap;

/// The line code of a report line: a section keyword's position in the map's section keywords
/// + 1, 5 a movement line, 10 a weather line, 24 a region header, 0 anything else.
int ClassifyReportLine(const TMap& map, std::string_view line);

/// Direction code 1 to 6 of the end of a direction word, 0 when none.
int DirectionCode(std::string_view text);

}  // namespace korvane
