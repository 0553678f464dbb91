// Reading exchange files: the version line, then every cell line merged into the map.
#include "storage/exchange_file.h"

#include "core/field_cursor.h"
#include "core/file_names.h"
#include "core/text_helpers.h"
#include "core/text_lines.h"
#include "core/user_interaction.h"
#include "core/version.h"
#include "storage/damaged_lines.h"
#include "storage/exchange_merge.h"
#include "storage/record_text.h"
#include "world/map.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

namespace korvane {

namespace {

// A file without a version line is of the first format, whose lines hold only a position.
constexpr double kFirstVersion = 1.0;
// From this version on a line holds every field.
constexpr double kFullLineVersion = 2.0;
// The newest format this program reads: files of the program's own minor releases still are.
constexpr double kNewestReadableVersion = 2.313;
// Level, x and y: what every line holds.
constexpr std::size_t kPositionFields = 3;
// Enough of an unreadable version to recognise it in a message without flooding it.
constexpr std::size_t kShownTextLength = 40;

bool IsVersionLine(const std::vector<std::string_view>& fields)
{
    return !fields.empty() && UpperCase(TrimSpaces(fields[0])) == "VERSION";
}

/// The version a version line gives. Read with from_chars: the GUI sets the process locale,
/// under which other readers would want a decimal comma.
std::optional<double> VersionOf(const std::vector<std::string_view>& fields)
{
    const std::string_view text = fields.size() > 1 ? TrimmedView(fields[1]) : std::string_view();
    double version = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, version);
    if (text.empty() || result.ec != std::errc() || result.ptr != end || !std::isfinite(version))
        return std::nullopt;
    return version;
}

/// False, after a warning, when the version line says the file cannot be read here.
bool AcceptVersion(const std::vector<std::string_view>& fields, const std::string& fileName, double& version,
                   UserInteraction& ui)
{
    const std::optional<double> given = VersionOf(fields);
    if (!given) {
        std::string text = fields.size() > 1 ? TrimSpaces(fields[1]) : std::string();
        if (text.size() > kShownTextLength)
            text = text.substr(0, kShownTextLength) + "...";
        ui.Warning("The exchange file " + fileName + " was not imported: \"" + text
                   + "\" in its first line is not a version number.");
        return false;
    }
    if (*given > kNewestReadableVersion) {
        ui.Warning("The KVD file is from a more recent version of the software ( V " + FormatTwoDecimals(kFormatVersion)
                   + " )\rUpgrade Korvane before importing this file.");
        return false;
    }
    version = *given;
    return true;
}

}  // namespace

ExchangeImportResult ImportExchangeText(TMap& map, std::string_view contents, const std::string& fileName,
                                        const ExchangeImportOptions& options, UserInteraction& ui, Progress* progress)
{
    ExchangeImportResult result;
    double version = kFirstVersion;
    bool firstLine = true;
    DamagedLines skipped;
    TextLines lines(contents);
    std::vector<std::string_view> fields;
    for (std::string_view line; lines.Next(line);) {
        // Between whole lines, so every hex is merged completely or not at all.
        if (!ReportProgress(progress, line.data() - contents.data(), std::ssize(contents))) {
            result.Cancelled = true;
            break;
        }
        if (TrimmedView(line).empty())
            continue;
        SplitFields(line, ",", fields);
        // Only the first line may be a version line; it decides before anything is merged.
        if (std::exchange(firstLine, false) && IsVersionLine(fields)) {
            if (!AcceptVersion(fields, fileName, version, ui)) {
                result.Refused = true;
                return result;
            }
            continue;
        }
        const std::size_t needed = version < kFullLineVersion ? kPositionFields : kExchangeFieldCount;
        if (fields.size() < needed) {
            ++result.ShortLines;
            skipped.Add(lines.Number());
            continue;
        }
        TMapCell* cell = map.EnsureCell(StrToIntLenient(fields[kFieldLevel]), StrToIntLenient(fields[kFieldX]),
                                        StrToIntLenient(fields[kFieldY]));
        if (!cell) {
            ++result.BadPositions;
            skipped.Add(lines.Number());
            continue;
        }
        // The first format's lines only say that a hex is there.
        if (version < kFullLineVersion)
            continue;
        MergeExchangeLine(map, *cell, fields, version, options);
        ++result.Hexes;
    }
    // A cancelled import has changed the map as much as a finished one: it is drawn and saved anew.
    map.NoteChange();
    result.Imported = true;
    if (result.Cancelled) {
        ui.Info("Import cancelled after " + IntToStr(result.Hexes) + " hexes; the hexes imported so far are kept.");
    } else {
        ReportProgress(progress, std::ssize(contents), std::ssize(contents));
        ui.Info("Imported " + IntToStr(result.Hexes) + " hexes.");
    }
    skipped.Report(fileName + " (too few fields, or no place on the map)", ui);
    return result;
}

ExchangeImportResult ImportExchange(TMap& map, const std::string& fileName, const ExchangeImportOptions& options,
                                    UserInteraction& ui, Progress* progress)
{
    if (!FileExists(fileName)) {
        ui.Info("Import file not found");
        return {};
    }
    // Read whole before anything is merged: a file that cannot be read to its end changes nothing.
    std::string contents;
    if (!ReadWholeFile(fileName, contents)) {
        ui.Warning("The exchange file " + fileName + " could not be read; nothing was imported.");
        ExchangeImportResult refused;
        refused.Refused = true;
        return refused;
    }
    return ImportExchangeText(map, contents, fileName, options, ui, progress);
}

}  // namespace korvane
