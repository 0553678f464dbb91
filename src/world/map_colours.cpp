// The player's terrain colours and feature icons: look-ups, built-in entries and their files.
#include "core/file_names.h"
#include "core/line_file_load.h"
#include "core/settings.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"
#include "world/map.h"

#include <utility>

namespace korvane {

namespace {

// What is drawn for a terrain or icon the lists have no entry for.
constexpr std::int32_t kMissingTerrainColour = 0x808080;
constexpr int kMissingIconStyle = 10;
constexpr std::int32_t kMissingIconColour = 255;

// The colour part of an icon entry is read from this many characters at most.
constexpr std::size_t kIconColourLength = 20;

const std::string* Entry(const std::vector<std::string>& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.size() ? &list[static_cast<std::size_t>(index)]
                                                                       : nullptr;
}

std::string* Entry(std::vector<std::string>& list, int index)
{
    return const_cast<std::string*>(Entry(std::as_const(list), index));
}

/// Where an icon entry's colour starts: after the first comma, or at the start without one.
std::size_t ColourStart(const std::string& entry)
{
    const std::size_t comma = entry.find(',');
    return comma == std::string::npos ? 0 : comma + 1;
}

/// The file's lines, or the built-in entries when it cannot be read; a file that exists but
/// could not be read is added to `unread`.
std::vector<std::string> LoadList(const std::string& fileName, std::vector<std::string> (*defaults)(),
                                  std::vector<std::string>& unread)
{
    std::vector<std::string> lines;
    const FileResult read = LoadFileLines(fileName,
                                          [&lines](LineReader& reader) { return ReadTextLines(reader, lines); });
    if (read)
        return lines;
    if (!read.Missing)
        unread.push_back(fileName);
    return defaults();
}

FileResult SaveList(const std::string& fileName, const std::vector<std::string>& list)
{
    TextFileWriter writer(fileName);
    for (const auto& entry : list)
        writer.WriteLine(entry);
    return writer.Commit();
}

}  // namespace

std::vector<std::string> TMap::DefaultTerrainColours()
{
    // One per built-in terrain name, in that order: Unknown grey, Ocean blue, Plain white,
    // Forest lime, Mountain maroon, Swamp olive, Jungle green, Desert yellow, Tundra silver,
    // Tunnels maroon, Cavern teal, Solid black, Other red.
    return {"8421504", "16711680", "16777215", "65280",   "128", "32896", "32768",
            "65535",   "12632256", "128",      "8421376", "0",   "255"};
}

std::vector<std::string> TMap::DefaultMapIcons()
{
    // City, town, village, gate, shaft, other.
    return {"9,255", "7,255", "6,255", "2,16711680", "6,0", "10,0"};
}

std::int32_t TMap::TerrainColour(int index) const
{
    const std::string* entry = Entry(TerrainColours, index);
    return entry ? StrToIntLenient(*entry) : kMissingTerrainColour;
}

void TMap::SetTerrainColour(int index, std::int32_t colour)
{
    if (std::string* entry = Entry(TerrainColours, index))
        *entry = IntToStr(colour);
    NoteChange();
}

int TMap::IconStyle(int icon) const
{
    const std::string* entry = Entry(MapIcons, icon);
    if (!entry)
        return kMissingIconStyle;
    const std::size_t comma = entry->find(',');
    return comma == std::string::npos ? 0 : StrToIntLenient(std::string_view(*entry).substr(0, comma));
}

std::int32_t TMap::IconColour(int icon) const
{
    const std::string* entry = Entry(MapIcons, icon);
    if (!entry)
        return kMissingIconColour;
    return StrToIntLenient(std::string_view(*entry).substr(ColourStart(*entry), kIconColourLength));
}

void TMap::SetIconStyle(int icon, int style)
{
    NoteChange();
    std::string* entry = Entry(MapIcons, icon);
    if (!entry)
        return;
    // An entry without a comma is all colour: the comma goes in so that the colour stays.
    const std::size_t comma = entry->find(',');
    *entry = IntToStr(style) + (comma == std::string::npos ? "," + *entry : entry->substr(comma));
}

void TMap::SetIconColour(int icon, std::int32_t colour)
{
    NoteChange();
    std::string* entry = Entry(MapIcons, icon);
    if (!entry)
        return;
    // An entry without a comma reads as style 0, and is written as such.
    const std::size_t comma = entry->find(',');
    *entry = (comma == std::string::npos ? std::string("0,") : entry->substr(0, comma + 1)) + IntToStr(colour);
}

void TMap::SetDefaultColourLists()
{
    TerrainColours = DefaultTerrainColours();
    MapIcons = DefaultMapIcons();
}

void TMap::LoadColourLists(const std::string& dir, const TrecINI& settings)
{
    UnreadColourFiles.clear();
    TerrainColours = LoadList(QualifyFileName(settings.ColoursFile, dir), DefaultTerrainColours, UnreadColourFiles);
    MapIcons = LoadList(QualifyFileName(settings.MapIconsFile, dir), DefaultMapIcons, UnreadColourFiles);
}

FileResult TMap::SaveColourLists(const std::string& dir, const TrecINI& settings) const
{
    const FileResult colours = SaveTerrainColours(dir, settings);
    const FileResult icons = SaveMapIcons(dir, settings);
    return colours ? icons : colours;
}

FileResult TMap::SaveTerrainColours(const std::string& dir, const TrecINI& settings) const
{
    return SaveList(QualifyFileName(settings.ColoursFile, dir), TerrainColours);
}

FileResult TMap::SaveMapIcons(const std::string& dir, const TrecINI& settings) const
{
    return SaveList(QualifyFileName(settings.MapIconsFile, dir), MapIcons);
}

}  // namespace korvane
