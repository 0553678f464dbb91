// The world database: construction and vocabulary look-ups.
#include "world/map.h"

#include "core/text_helpers.h"
#include "world/vocabulary.h"

namespace korvane {

TMap::TMap()
    : SectionKeywords(BuiltInSectionKeywords())
    , TerrainList(BuiltInTerrainNames())
    , RegionList{"Unknown"}
    , RaceList{"Unknown"}
    , StructureTypes(BuiltInStructureTypes())
{
}

int TMap::TerrainIndex(std::string_view word) const
{
    std::string name = LowerCase(word);
    if (name.rfind("under", 0) == 0)
        name.erase(0, 5);
    const int index = TerrainList.IndexOf(name);
    return index < 0 ? kTerrainUnknown : index;
}

}  // namespace korvane
