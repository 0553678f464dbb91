// Reading and writing the reference lists that stored cell codes point into.
#include "core/file_names.h"
#include "core/settings.h"
#include "world/map.h"
#include "world/vocabulary.h"

namespace korvane {

void TMap::LoadReferenceLists(const std::string& dir, const TrecINI& settings)
{
    UnreadReferenceFiles.clear();
    // A list whose file cannot be read takes its built-in content too, for this run only: cells
    // point into the file's list by position, so it must not be written over with this one.
    auto load = [this, &dir](auto& list, const std::string& name, auto builtIn) {
        const std::string fileName = QualifyFileName(name, dir);
        const FileResult read = list.LoadFromFile(fileName);
        if (read)
            return;
        list = builtIn;
        if (!read.Missing)
            UnreadReferenceFiles.push_back(fileName);
    };
    // A missing file gives the list its built-in content, also when loading again.
    load(TerrainList, settings.TerrainFile, BuiltInTerrainNames());
    load(RegionList, settings.RegionsFile, NameList{"Unknown"});
    load(RaceList, settings.RacesFile, NameList{"Unknown"});
    load(WeatherList, settings.WeatherFile, NameList{});
    load(ProductList, settings.ProductsFile, ProductCodeList{});
    load(StudyLimits, kStudyLimitsFile, TStudyLimits{});
}

std::vector<FileWrite> TMap::ReferenceListWrites(const std::string& dir, const TrecINI& settings) const
{
    auto write = [&dir](const auto& list, const std::string& name) {
        const std::string fileName = QualifyFileName(name, dir);
        return FileWrite{fileName, [&list, fileName] { return list.SaveToFile(fileName); }};
    };
    return {write(TerrainList, settings.TerrainFile), write(RegionList, settings.RegionsFile),
            write(RaceList, settings.RacesFile), write(WeatherList, settings.WeatherFile),
            write(ProductList, settings.ProductsFile)};
}

FileWrite TMap::StudyLimitsWrite(const std::string& dir) const
{
    const std::string fileName = QualifyFileName(kStudyLimitsFile, dir);
    return {fileName, [this, fileName] { return StudyLimits.SaveToFile(fileName); }};
}

FileResult TMap::SaveReferenceLists(const std::string& dir, const TrecINI& settings) const
{
    FileResult first;
    for (const FileWrite& file : ReferenceListWrites(dir, settings)) {
        FileResult written = file.Write();
        if (first && !written)
            first = std::move(written);
    }
    return first;
}

}  // namespace korvane
