// Structure lines of a region block: buildings, ships, shafts and monster lairs.
#include "core/text_pieces.h"
#include "reportimport/region_details.h"
#include "world/map.h"

#include <memory>

namespace korvane {

namespace {

constexpr std::size_t kMaxStructureLine = 5000;
constexpr std::size_t kMaxDescription = 2000;

bool IsLairWord(const std::string& lowered)
{
    return lowered == "lair" || lowered == "crypt" || lowered == "cave" || lowered == "ruin" || lowered == "demon pit";
}

// Shafts and lair-like sites are worth marking on the map. The report may name them by the
// structure's name or, as today's games do ("Dummy [1] : Shaft"), by its type.
void NoteSpecialSite(TMapCell& cell, const std::string& word)
{
    const std::string lowered = LowerCase(word);
    if (lowered == "shaft") {
        cell.Shaft = "Shaft";
    } else if (IsLairWord(lowered) && LowerCase(cell.Other).find(lowered) == std::string::npos) {
        cell.Other = TrimSpaces(TrimSpaces(cell.Other) + " " + word);
    }
}

}  // namespace

int ParseStructure(TMap& map, TMapCell& cell, std::string_view line)
{
    const int firstBracket = PosFrom(1, "[", line);
    NoteSpecialSite(cell, TrimSpaces(Between(line, 2, firstBracket > 0 ? firstBracket - 1 : EndPosition(line))));

    const int plus = PosFrom(1, "+", line);
    const std::string text = TrimSpaces(From(line, plus + 1).substr(0, kMaxStructureLine));
    const int open = PosFrom(1, "[", text);
    if (open == 0)
        return -1;

    auto structure = std::make_unique<TStructure>();
    structure->Name = SqueezeSpaces(std::string_view(text).substr(0, static_cast<std::size_t>(open - 1)));
    structure->Number = NumberIn(From(text, open + 1).substr(0, 10));
    if (const int colon = PosFrom(open, ":", text); colon > 0) {
        int end = PosFrom(open, ";", text);
        if (end == 0)
            end = PosFrom(open, ",", text);
        const std::string type = TrimSpaces(Between(text, colon, end > 0 ? end : static_cast<int>(text.size())));
        NoteSpecialSite(cell, type);
        const int index = map.StructureTypes.IndexOf(UpperCase(type));
        structure->Type = index > 0 ? index : 0;
        if (end > 0)
            structure->Description = ReplaceCharSet(SqueezeSpaces(From(text, end + 1).substr(0, kMaxDescription)),
                                                    MakeCharSet(","), ';');
    }
    const int number = structure->Number;
    cell.AddStructure(std::move(structure));
    return number;
}

}  // namespace korvane
