// The structure choices of a hex.
#include "world/unit_window_places.h"

#include "core/text_helpers.h"
#include "world/map.h"

namespace korvane {

namespace {

// Structure types the vocabulary may name; the codes above are the game's special objects.
constexpr int kLastNamedType = 499;

}  // namespace

std::vector<std::string> FillStructureList(const TMapCell& cell, const NameList& structureTypes,
                                           std::vector<std::int32_t>* codes)
{
    std::vector<std::string> lines{"None", "Outside"};
    if (codes)
        *codes = {-1, 0};
    cell.Structures.ForEach([&](const TStructure& structure) {
        if (codes)
            codes->push_back(structure.Number);
        std::string line = RightAlignedNumber(structure.Number, 5) + " - " + TrimSpaces(structure.Name) + ": ";
        if (structure.Type >= 0 && structure.Type <= kLastNamedType && structure.Type < structureTypes.Count())
            line += CapitaliseWords(structureTypes[structure.Type], true);
        else
            line += "Unknown";
        lines.push_back(std::move(line));
    });
    return lines;
}

}  // namespace korvane
