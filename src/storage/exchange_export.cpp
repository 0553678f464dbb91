// Writing exchange files: one line per known cell of a rectangle of one level.
#include "storage/exchange_file.h"

#include "core/atomic_file.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "storage/record_text.h"
#include "world/map.h"

#include <algorithm>
#include <optional>

namespace korvane {

namespace {

// Texts are written bare: a comma inside one would start a new field for the reader, and a
// line break a new line, so they are written as ";" and a space. Texts go out trimmed.
std::string FieldText(std::string_view text)
{
    return TrimSpaces(OneLine(ReplaceCharSet(text, MakeCharSet(","), ';')));
}

std::string ListName(const NameList& list, int index)
{
    return index >= 0 && index < list.Count() ? list[index] : std::string();
}

class ExchangeLineBuilder
{
public:
    void Number(std::int64_t value) { Field(IntToStr(value)); }
    void Flag(bool value) { Field(value ? "1" : "0"); }
    void Text(std::string_view text) { Field(FieldText(text)); }
    const std::string& Line() const { return line_; }

private:
    void Field(std::string_view field)
    {
        if (!first_)
            line_ += ',';
        first_ = false;
        line_ += field;
    }

    std::string line_;
    bool first_ = true;
};

std::string GateField(const TMapCell& cell, std::uint32_t options)
{
    if (options & kExportGateNumbers)
        return IntToStr(cell.Gate);
    if ((options & kExportGates) && cell.Gate > 0)
        return IntToStr(kUnnumberedGate);
    return {};
}

std::string ExchangeLine(const TMap& map, const TMapCell& cell, std::uint32_t options)
{
    const bool towns = options & kExportTownNames;
    const bool comments = options & kExportComments;
    ExchangeLineBuilder line;
    line.Number(cell.Level);
    line.Number(cell.X);
    line.Number(cell.Y);
    line.Number(cell.Terrain);
    line.Text(cell.LegacyName);
    line.Text(ListName(map.RegionList, cell.Region));
    line.Number(cell.LegacyValue);
    line.Text(GateField(cell, options));
    line.Number(cell.Silver);
    line.Text(towns ? cell.PopCenter : std::string());
    line.Number(towns ? cell.PopCenterType : 0);
    line.Text((options & kExportShafts) ? cell.Shaft.View() : std::string_view());
    line.Text((options & kExportOther) ? cell.Other.View() : std::string_view());
    line.Text(ListName(map.RaceList, cell.Race));
    line.Number(cell.Population);
    line.Number(cell.FactionNo);
    line.Flag(cell.Unconfirmed);
    for (const SparseText* note : {&cell.Comments, &cell.Note2, &cell.Note3})
        line.Text(comments ? note->View() : std::string_view());
    for (bool pathway : cell.Pathway)
        line.Flag(pathway);
    return line.Line();
}

/// The file's text, built column by column; nothing when the player cancelled between columns.
std::optional<std::string> ExchangeFileTextUnlessCancelled(const TMap& map, const ExchangeExportOptions& options,
                                                           int& hexes, Progress* progress)
{
    hexes = 0;
    std::string text;
    if (options.Level != TMap::kOverworld && options.Level != TMap::kUnderworld)
        return text;
    AppendLine(text, RecordHeaderLine());
    const int left = std::max(options.Left, 0);
    const int right = std::min(options.Right, TMap::kMaxX);
    const std::int64_t columns = std::max(right - left + 1, 0);
    if (!ReportProgress(progress, 0, columns))
        return std::nullopt;
    // Only the cells the map holds are visited, in its order of columns and rows within them,
    // which is the file's; progress moves on at each column that holds one.
    std::int64_t column = 0;
    bool cancelled = false;
    map.ForEachCell([&](const TMapCell& cell) {
        if (cancelled || cell.Level != options.Level || cell.X < left || cell.X > right || cell.Y < options.Top
            || cell.Y > options.Bottom)
            return;
        if (cell.X - left > column) {
            column = cell.X - left;
            cancelled = !ReportProgress(progress, column, columns);
            if (cancelled)
                return;
        }
        // Notes alone are the player's own: what goes to allies is what the hex holds of the map.
        if (cell.HoldsNoMapKnowledge())
            return;
        AppendLine(text, ExchangeLine(map, cell, options.Options));
        ++hexes;
    });
    if (cancelled)
        return std::nullopt;
    ReportProgress(progress, columns, columns);  // every column is done: too late to cancel
    return text;
}

}  // namespace

bool CheckExportRectangle(ExchangeExportOptions& options, UserInteraction& ui)
{
    options.Left = std::max(options.Left, 0);
    options.Top = std::max(options.Top, 0);
    options.Right = std::min(options.Right, TMap::kMaxX);
    options.Bottom = std::min(options.Bottom, TMap::kMaxY);
    if (options.Left > options.Right) {
        ui.Warning("Errr, I think you want to make Left <= Right.");
        return false;
    }
    if (options.Bottom < options.Top) {
        ui.Warning("Sadly, my coordinate system requires Top <= Bottom. Try again.");
        return false;
    }
    return true;
}

std::string ExchangeFileText(const TMap& map, const ExchangeExportOptions& options, int& hexes)
{
    return ExchangeFileTextUnlessCancelled(map, options, hexes, nullptr).value_or(std::string());
}

ExchangeExportResult ExportExchange(const TMap& map, const std::string& fileName, const ExchangeExportOptions& options,
                                    UserInteraction& ui, Progress* progress)
{
    ExchangeExportResult result;
    if (options.Level != TMap::kOverworld && options.Level != TMap::kUnderworld) {
        result.File = FileResult::Failed(fileName, "there is no level " + IntToStr(options.Level) + " to export");
        return result;
    }
    const std::optional<std::string> text = ExchangeFileTextUnlessCancelled(map, options, result.Hexes, progress);
    if (!text) {
        result.Cancelled = true;
        ui.Info("Export cancelled; nothing was written.");
        result.File = FileResult::Failed(fileName, "the export was cancelled");
        result.File.AlreadySaid = true;
        return result;
    }
    // The whole file replaces an older one in one step, so a failed write leaves that as it was.
    result.File = AtomicWriteFile(fileName, *text);
    if (result.File)
        ui.Info("Exported " + IntToStr(result.Hexes) + " hexes.");
    return result;
}

}  // namespace korvane
