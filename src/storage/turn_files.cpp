// Per-turn file names.
#include "storage/turn_files.h"

#include "core/text_helpers.h"

namespace korvane {

std::string TurnFileName(const std::string& stem, int turn)
{
    const std::int64_t value = turn;
    std::string digits = IntToStr(value < 0 ? -value : value);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    return stem + (value < 0 ? "-" : "") + digits + ".dat";
}

}  // namespace korvane
