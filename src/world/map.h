// TMap: the world database. For now it holds the game vocabulary that cells point into.
#pragma once

#include "world/name_list.h"
#include "world/product_code_list.h"

#include <string>
#include <string_view>

namespace korvane {

class TrecINI;

class TMap
{
public:
    TMap();
    TMap(const TMap&) = delete;
    TMap& operator=(const TMap&) = delete;

    /// Terrain code of a report word: a leading "under" is dropped ("underforest" is Forest),
    /// case is ignored, and unknown words give 0 ("Unknown").
    int TerrainIndex(std::string_view word) const;

    /// Reads "Terrain.dat", "Regions.dat", "Races.dat", "Weather.dat" and "Products.dat" from
    /// `dir`; a missing file leaves its list with its built-in entries.
    void LoadReferenceLists(const std::string& dir, const TrecINI& settings);
    /// Writes those five files into `dir`; false when any of them could not be written.
    bool SaveReferenceLists(const std::string& dir, const TrecINI& settings) const;

    NameList SectionKeywords;
    NameList TerrainList;
    NameList RegionList;
    NameList RaceList;
    NameList WeatherList;
    ProductCodeList ProductList;
    NameList StructureTypes;
};

}  // namespace korvane
