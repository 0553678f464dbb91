// Reading and writing the reference lists that stored cell codes point into.
#include "core/file_names.h"
#include "core/settings.h"
#include "world/map.h"
#include "world/vocabulary.h"

namespace korvane {

void TMap::LoadReferenceLists(const std::string& dir, const TrecINI& settings)
{
    // A missing file gives the list its built-in content, also when loading again.
    if (!TerrainList.LoadFromFile(QualifyFileName(settings.TerrainFile, dir)))
        TerrainList = BuiltInTerrainNames();
    if (!RegionList.LoadFromFile(QualifyFileName(settings.RegionsFile, dir)))
        RegionList = NameList{"Unknown"};
    if (!RaceList.LoadFromFile(QualifyFileName(settings.RacesFile, dir)))
        RaceList = NameList{"Unknown"};
    if (!WeatherList.LoadFromFile(QualifyFileName(settings.WeatherFile, dir)))
        WeatherList.Clear();
    if (!ProductList.LoadFromFile(QualifyFileName(settings.ProductsFile, dir)))
        ProductList.Clear();
}

bool TMap::SaveReferenceLists(const std::string& dir, const TrecINI& settings) const
{
    bool saved = TerrainList.SaveToFile(QualifyFileName(settings.TerrainFile, dir));
    saved = RegionList.SaveToFile(QualifyFileName(settings.RegionsFile, dir)) && saved;
    saved = RaceList.SaveToFile(QualifyFileName(settings.RacesFile, dir)) && saved;
    saved = WeatherList.SaveToFile(QualifyFileName(settings.WeatherFile, dir)) && saved;
    return ProductList.SaveToFile(QualifyFileName(settings.ProductsFile, dir)) && saved;
}

}  // namespace korvane
