// The numbers read back from the lines of the unit windows.
#include "people/unit_list_lines.h"

#include "core/text_helpers.h"

namespace korvane {

namespace {

// The lenient number of a column; a line shorter than the column gives what it has.
std::int32_t NumberIn(std::string_view line, std::size_t from, std::size_t width)
{
    if (from >= line.size())
        return 0;
    return StrToIntLenient(TrimmedView(line.substr(from, width)));
}

}  // namespace

int FactionFilterCode(int position, std::string_view line)
{
    if (position <= 0)  // nothing chosen filters nothing
        return 0;
    if (position == 1)
        return -1;
    return FactionOfFactionLine(line);
}

int StructureFilterCode(int position, std::string_view line)
{
    if (position <= 0)  // nothing chosen filters nothing
        return -1;
    if (position == 1)
        return 0;
    return NumberIn(line, 0, 6);
}

std::int32_t FactionOfFactionLine(std::string_view line)
{
    return NumberIn(line, 0, 5);
}

std::int32_t UnitNumberOfLine(std::string_view line)
{
    return StrToIntLenient(TrimmedView(line));
}

std::int32_t FactionOfUnitLine(std::string_view line)
{
    return NumberIn(line, 7, 4);
}

}  // namespace korvane
