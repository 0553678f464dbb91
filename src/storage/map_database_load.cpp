// Loading the map database, every version from the first on.
#include "core/file_names.h"
#include "core/settings.h"
#include "core/text_helpers.h"
#include "core/text_lines.h"
#include "core/user_interaction.h"
#include "storage/damaged_lines.h"
#include "storage/map_database.h"
#include "storage/record_text.h"
#include "storage/turn_files.h"
#include "world/map.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

namespace korvane {

namespace {

// Enough of an unreadable version to recognise it in a message without flooding it.
constexpr std::size_t kShownTextLength = 40;

std::string Shown(const std::string& text)
{
    return text.size() <= kShownTextLength ? text : text.substr(0, kShownTextLength) + "...";
}

/// The version of the header's second field, rounded to hundredths. Read with from_chars:
/// the GUI sets the process locale, under which other readers would want a decimal comma.
std::optional<double> VersionHundredths(const std::string& text)
{
    double version = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, version);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(version))
        return std::nullopt;
    return std::round(version * 100.0);
}

/// A refusal the player has been warned of already.
FileResult Said(FileResult refused)
{
    refused.AlreadySaid = true;
    return refused;
}

/// The layout a header line announces, into `layout`; a warning and a failure when the file
/// must be refused.
FileResult HeaderLayout(const std::vector<std::string_view>& fields, const std::string& fileName, UserInteraction& ui,
                        CellLayout& layout)
{
    const std::string text = fields.size() > 1 ? TrimSpaces(fields[1]) : std::string();
    const std::optional<double> hundredths = VersionHundredths(text);
    if (hundredths && *hundredths > kNewestMapVersion) {
        ui.Warning("Your data is from a more recent version of the software ( V "
                   + FormatTwoDecimals(*hundredths / 100.0) + " )\rUpgrade Korvane before loading this map database.");
        return Said(FileResult::Failed(fileName, "it was written by a newer version of Korvane"));
    }
    // Below the first version nothing was ever written; the test also keeps the conversion in range.
    const std::optional<CellLayout> announced = hundredths && *hundredths >= 100
        ? CellLayoutOf(static_cast<long long>(*hundredths))
        : std::nullopt;
    if (!announced) {
        ui.Warning("The map database " + fileName + " was not loaded: \"" + Shown(text)
                   + "\" in its first line is not a version number.");
        return Said(FileResult::Failed(fileName, "its first line holds no version number"));
    }
    layout = *announced;
    return FileResult::Done();
}

}  // namespace

MapDatabaseText::MapDatabaseText(std::string_view contents, std::string fileName)
    : lines_(contents)
    , fileName_(std::move(fileName))
{
}

FileResult MapDatabaseText::ReadHeader(UserInteraction& ui)
{
    std::vector<std::string_view> fields;
    if (!lines_.Next(line_))
        return FileResult::Done();
    SplitFields(line_, fields);
    firstLineIsCell_ = fields.empty() || UpperCase(TrimSpaces(fields[0])) != "VERSION";
    if (firstLineIsCell_)
        return FileResult::Done();  // a file without a header is of the first version
    return HeaderLayout(fields, fileName_, ui, layout_);
}

void MapDatabaseText::ReadCells(TMap& map, UserInteraction& ui)
{
    map.Clear();
    std::vector<std::string_view> fields;
    DamagedLines damaged;
    for (bool more = firstLineIsCell_ || lines_.Next(line_); more; more = lines_.Next(line_)) {
        // Blank lines hold nothing and harm nothing.
        if (line_.find_first_not_of(' ') == std::string_view::npos)
            continue;
        SplitFields(line_, fields);
        if (ReadCellLine(map, fields, layout_) == CellLineResult::Damaged)
            damaged.Add(lines_.Number());
    }
    firstLineIsCell_ = false;
    damaged.Report(fileName_, ui);
}

FileResult LoadMapDatabase(TMap& map, const TrecINI& settings, const std::string& dir, UserInteraction& ui,
                           bool placeHexUnits)
{
    const std::string fileName = QualifyFileName(settings.MapFile, dir);

    // The file is read whole, and its first line decides whether it can be loaded at all.
    // Nothing is changed before that: a refused database must leave the world the player has,
    // so that the next save does not replace the file with an empty one.
    std::string contents;
    if (const FileResult read = ReadWholeFile(fileName, contents); !read && !read.Missing) {
        ui.Warning("The map database " + fileName + " could not be read.");
        return Said(read);
    }
    MapDatabaseText text(contents, fileName);
    if (FileResult header = text.ReadHeader(ui); !header)
        return header;

    map.LoadReferenceLists(dir, settings);
    map.LoadColourLists(dir, settings);
    text.ReadCells(map, ui);

    if (placeHexUnits)
        LoadHexUnits(map, dir, settings);
    return FileResult::Done();
}

}  // namespace korvane
