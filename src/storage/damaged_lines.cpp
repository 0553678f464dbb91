// Telling the player about skipped lines.
#include "storage/damaged_lines.h"

#include "core/text_helpers.h"
#include "core/user_interaction.h"

namespace korvane {

void DamagedLines::Report(const std::string& what, UserInteraction& ui) const
{
    if (count_ == 1)
        ui.Warning("1 damaged line of " + what + " was skipped; it is line " + IntToStr(first_) + ".");
    else if (count_ > 1)
        ui.Warning(IntToStr(count_) + " damaged lines of " + what + " were skipped; the first is line "
                   + IntToStr(first_) + ".");
}

}  // namespace korvane
