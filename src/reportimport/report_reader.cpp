// The section machine that walks a turn report from its heading to its orders template.
#include "reportimport/report_reader.h"

#include "core/file_names.h"
#include "core/key_string_list.h"
#include "core/settings.h"
#include "core/text_pieces.h"
#include "core/user_interaction.h"
#include "people/faction_list.h"
#include "reportimport/import_target.h"
#include "reportimport/orders_template.h"
#include "reportimport/region_details.h"
#include "reportimport/report_line_source.h"
#include "reportimport/report_lines.h"
#include "reportimport/unit_line_parser.h"
#include "storage/keyword_files.h"
#include "storage/turn_files.h"
#include "storage/unit_list_files.h"
#include "world/map.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

namespace korvane {

namespace {

// Line codes of the report's sections (the region details are in region_details.h).
enum SectionCode {
    kHeading = 1,
    kErrors = 2,
    kBattles = 3,
    kEvents = 4,
    kMovement = 5,
    kSkillReports = 6,
    kItemReports = 7,
    kAttitudes = 8,
    kUnclaimed = 9,
    kTemplate = 23,
    kRegionHeader = 24,
};

class TurnReportReader
{
public:
    TurnReportReader(const ImportTarget& target, LineReader& lines, UserInteraction& ui)
        : target_(target)
        , map_(target.Map)
        , settings_(target.Settings)
        , ui_(ui)
        , lines_(lines)
        , units_(target, ui)
        , classifier_(target.Map)
    {
    }

    /// Reads the report; a report that fails leaves the world, the settings and the registry as
    /// they were.
    bool Import(TurnReportRead& read);

private:
    bool ReadReport();
    bool Advance();
    template <typename Stop>
    void AdvanceUntil(Stop stop);
    void AdvanceToCode()
    {
        AdvanceUntil([](int code) { return code > 0; });
    }

    void ReadHeading();
    void ReadEvents();
    void ReadMovement();
    void ReadItemReports();
    void ReadUnclaimed();
    void ReadRegionBlock();
    void BeginRegions();
    bool ReadLogicalLine();
    void Dispatch(TMapCell& cell);
    void NoteMovedThrough(std::string_view text);

    ImportTarget target_;
    TMap& map_;
    TrecINI& settings_;
    UserInteraction& ui_;
    ReportLineSource lines_;
    UnitLineParser units_;
    const ReportLineClassifier classifier_;

    std::string line_;
    // Read-ahead lines and the header being joined: kept, so that their room is reused.
    std::string next_;
    std::string header_;
    // The regions named by movement lines, read into the map only once the report reaches its
    // regions: a report that fails before then must leave the world as it was.
    std::vector<std::string> movedThrough_;
    // The races' study limits of the item reports, kept as well once the report cannot fail.
    TStudyLimits studyLimits_;
    int code_ = 0;
    int faction_ = -1;
    std::array<std::int32_t, 3> points_{};
    int turn_ = -1;
    bool ordersFileExists_ = true;
    bool templateApplied_ = false;
    bool addedFaction_ = false;
    int structure_ = -1;
};

// The next physical line becomes the current line; false at the end of the file.
bool TurnReportReader::Advance()
{
    if (!lines_.Read(line_))
        return false;
    code_ = classifier_.Classify(line_);
    return true;
}

template <typename Stop>
void TurnReportReader::AdvanceUntil(Stop stop)
{
    while (Advance()) {
        if (stop(code_))
            return;
    }
}

void TurnReportReader::ReadHeading()
{
    std::string factionLine, dateLine;
    lines_.Read(factionLine);
    lines_.Read(dateLine);

    const int open = PosFrom(1, "(", factionLine);
    if (open > 0)
        faction_ = NumberIn(Between(factionLine, open, PosOr(open, ")", factionLine, EndPosition(factionLine))));
    const std::string upper = UpperCase(factionLine);
    auto pointsAfter = [&](std::string_view word, int offset) {
        const int at = PosFrom(std::max(open, 1), word, upper);
        return at > 0 ? StrToIntLenient(From(upper, at + offset).substr(0, 2)) : 0;
    };
    points_ = {pointsAfter("WAR", 4), pointsAfter("TRADE", 6), pointsAfter("MAGIC", 6)};

    if (const int turn = TurnOfDateLine(dateLine); turn > 0)
        turn_ = turn;
    if (settings_.MaxTurn <= turn_)
        settings_.FacPoints = points_;
    ordersFileExists_ = FileExists(settings_.DataPath(TurnFileName(settings_.OrdersStem, turn_)));

    // With no faction list from the game, the player's own faction would stay unknown and its
    // units would not count as the player's: the heading names it, so note it.
    if (faction_ > 0 && faction_ == settings_.FactionNo && !target_.Factions.Find(faction_)) {
        auto faction = std::make_unique<TFaction>();
        faction->Number = faction_;
        faction->Name = TrimSpaces(
            std::string_view(factionLine).substr(0, static_cast<std::size_t>(std::max(open - 1, 0))));
        target_.Factions.Add(std::move(faction));
        addedFaction_ = true;
    }
    AdvanceToCode();
}

void TurnReportReader::ReadEvents()
{
    // Indented lines continue an event; they never start a section.
    AdvanceUntil([this](int code) { return line_.rfind("  ", 0) != 0 && code > 0; });
}

void TurnReportReader::NoteMovedThrough(std::string_view text)
{
    movedThrough_.emplace_back(TrimSpaces(text));
}

void TurnReportReader::ReadMovement()
{
    while (code_ == 0 || code_ == kMovement) {
        while (lines_.ReadAhead(next_)) {
            if (next_.rfind("  ", 0) != 0) {
                lines_.HoldBack(next_);
                break;
            }
            line_ += next_;
        }
        const int from = PosFrom(1, " from ", line_);
        if (from > 0) {
            const int to = PosFrom(from + 6, " to ", line_);
            NoteMovedThrough(Between(line_, from + 5, to > 0 ? to : PosOr(from, ")", line_, EndPosition(line_))));
        }
        if (const int to = PosFrom(from > 0 ? from : 1, " to ", line_); to > 0)
            NoteMovedThrough(Between(line_, to + 3, static_cast<int>(line_.size())));
        if (!Advance())
            return;
    }
}

void TurnReportReader::ReadItemReports()
{
    // A paragraph per item, blank lines between; a race's says how far it may study.
    std::string paragraph;
    auto take = [&] {
        if (!paragraph.empty())
            studyLimits_.ReadParagraph(paragraph);
        paragraph.clear();
    };
    while (Advance() && code_ <= 0) {
        if (TrimmedView(line_).empty()) {
            take();
        } else {
            paragraph += ' ';
            paragraph += line_;
        }
    }
    take();
}

void TurnReportReader::ReadUnclaimed()
{
    const int colon = PosFrom(1, ":", line_);
    if (colon > 0)
        settings_.Unclaimed = NumberIn(Between(line_, colon, PosOr(colon, ".", line_, EndPosition(line_))));
    AdvanceToCode();
}

// One logical line of a region block: the next line with a code, and its continuation lines,
// which are indented two more than it (four more for a structure). False at the end of the file.
bool TurnReportReader::ReadLogicalLine()
{
    if (!Advance())
        return false;
    while (code_ <= 0) {
        if (!Advance())
            return false;
    }
    const int indent = CountLeadingSpaces(line_) + 2 + (code_ == kCodeStructure ? 2 : 0);
    while (lines_.ReadAhead(next_)) {
        if (CountLeadingSpaces(next_) < indent) {
            lines_.HoldBack(next_);
            break;
        }
        line_ += next_;
    }
    return true;
}

void TurnReportReader::Dispatch(TMapCell& cell)
{
    const ReportAge age{turn_, settings_.MaxTurn};
    switch (code_) {
    case kCodeWeather:
        ParseWeather(map_, cell, line_, age);
        break;
    case kCodeWages:
        ParseWages(cell, line_);
        break;
    case kCodeWanted:
    case kCodeForSale:
    case kCodeProducts:
        ParseMarket(map_, cell, line_, code_, age);
        break;
    case kCodeEntertainment:
        ParseEntertainment(cell, line_);
        break;
    case kCodeExits:
        ParseExits(map_, cell, line_);
        break;
    case kCodeGate:
        ParseGate(cell, line_);
        break;
    case kCodeStructure:
        structure_ = ParseStructure(map_, cell, line_);
        break;
    case kCodeUnitStar:
    case kCodeUnitDash:
    case kCodeInnerUnitStar:
    case kCodeInnerUnitDash:
        units_.ParseUnitLine(cell, structure_, code_, turn_, line_);
        break;
    default:
        break;  // section lines inside the regions are passed over
    }
}

void TurnReportReader::ReadRegionBlock()
{
    // The header may run over several lines, up to the row of dashes under it.
    std::string& header = header_;
    header = line_;
    while (lines_.ReadAhead(next_)) {
        if (!next_.empty() && next_.front() == '-')
            break;
        header += next_;
    }

    int level = 0, x = 0, y = 0;
    if (!map_.ParseRegionHeader(header, level, x, y)) {
        // A region off the map (the Nexus) or an unreadable header: its details must not land
        // in another hex, and the regions after it must still be read.
        AdvanceUntil([](int code) { return code == kTemplate || code == kRegionHeader; });
        return;
    }
    TMapCell& cell = *map_.Cell(level, x, y);
    cell.LastUpdate = std::max(cell.LastUpdate, turn_);
    cell.Unconfirmed = false;
    cell.ClearStructures();
    structure_ = -1;

    while (ReadLogicalLine()) {
        if (code_ == kTemplate || code_ == kRegionHeader)
            return;
        Dispatch(cell);
    }
}

bool TurnReportReader::Import(TurnReportRead& read)
{
    // What a report sets before its regions; a report that then fails must not leave it behind.
    const std::int32_t unclaimed = settings_.Unclaimed;
    const auto points = settings_.FacPoints;
    if (ReadReport()) {
        read.Turn = turn_;
        read.TemplateApplied = templateApplied_;
        return true;
    }
    settings_.Unclaimed = unclaimed;
    settings_.FacPoints = points;
    if (addedFaction_)
        target_.Factions.Remove(faction_);
    return false;
}

void TurnReportReader::BeginRegions()
{
    map_.ClearCellLists();
    // The seen marks are about this report's turn.
    map_.UnitFileList.ClearSeen(turn_);
    int level = 0, x = 0, y = 0;
    for (const std::string& region : movedThrough_)
        map_.ParseRegionHeader(region, level, x, y);
    map_.StudyLimits.Merge(studyLimits_);
}

bool TurnReportReader::ReadReport()
{
    if (!lines_.IsOpen())
        return false;
    AdvanceUntil([](int code) { return code != 0; });
    if (lines_.AtEnd())
        return false;
    if (code_ == kHeading)
        ReadHeading();

    // The sections before the regions, each only where the report has it, in this order.
    if (lines_.AtEnd())
        return false;
    if (code_ == kErrors)
        AdvanceToCode();
    if (lines_.AtEnd())
        return false;
    if (code_ == kBattles) {
        // Battle listings hold unit and structure lines: only a section or a region ends them.
        AdvanceUntil([](int code) { return (code >= 1 && code <= 9) || code == kTemplate || code == kRegionHeader; });
    }
    if (lines_.AtEnd())
        return false;
    if (code_ == kEvents)
        ReadEvents();
    if (lines_.AtEnd())
        return false;
    if (code_ == 0 || code_ == kMovement)
        ReadMovement();
    for (int section : {kSkillReports, kItemReports, kAttitudes}) {
        if (lines_.AtEnd())
            return false;
        if (code_ == section && section == kItemReports)
            ReadItemReports();
        else if (code_ == section)
            AdvanceToCode();
    }
    if (lines_.AtEnd())
        return false;
    if (code_ == kUnclaimed)
        ReadUnclaimed();
    if (lines_.AtEnd())
        return false;  // a report that ends before its regions

    // From here on the report cannot fail: only now is the world changed.
    BeginRegions();
    while (!lines_.AtEnd() && code_ == kRegionHeader)
        ReadRegionBlock();

    if (!lines_.AtEnd() && code_ == kTemplate) {
        bool apply = !ordersFileExists_;
        if (ordersFileExists_ && settings_.FactionNo == faction_)
            apply = ui_.AskYesNo(
                "Do you wish to override all existing unit orders with the turn file orders template ?");
        if (apply) {
            ReadOrdersTemplate(lines_, map_.UnitFileList, settings_);
            templateApplied_ = true;
        }
    }
    return true;
}

}  // namespace

int TurnOfDateLine(std::string_view dateLine)
{
    const int comma = PosFrom(1, ",", dateLine);
    if (comma <= 0)
        return -1;
    const int month = MonthNumber(TrimSpaces(dateLine.substr(0, static_cast<std::size_t>(comma - 1))));
    const std::int64_t year = StrToIntLenient(From(dateLine, comma + 7).substr(0, 200));
    const std::int64_t turn = (year - 1) * 12 + month;
    return (turn > 0 && turn <= std::numeric_limits<std::int32_t>::max()) ? static_cast<int>(turn) : -1;
}

bool IsReportHeading(std::string_view line)
{
    return LowerCase(TrimSpaces(line)) == "atlantis report for:";
}

int MonthNumber(std::string_view name)
{
    static constexpr const char* kMonths[12][2] = {
        {"JANUARY", "JAN"},   {"FEBRUARY", "FEB"}, {"MARCH", "MAR"},    {"APRIL", "APR"},
        {"MAY", "MAY"},       {"JUNE", "JUN"},     {"JULY", "JUL"},     {"AUGUST", "AUG"},
        {"SEPTEMBER", "SEP"}, {"OCTOBER", "OCT"},  {"NOVEMBER", "NOV"}, {"DECEMBER", "DEC"},
    };
    const std::string upper = UpperCase(name);
    for (int month = 0; month < 12; ++month) {
        if (upper == kMonths[month][0] || upper == kMonths[month][1])
            return month + 1;
    }
    return -1;
}

bool ReadTurnReport(const ImportTarget& target, LineReader& lines, UserInteraction& ui, TurnReportRead& read)
{
    TurnReportReader reader(target, lines, ui);
    return reader.Import(read);
}

FileResult FinishTurnReport(const ImportTarget& target, const TurnReportRead& read, UserInteraction& ui)
{
    std::vector<FileResult> failures;
    auto say = [&failures, &ui](FileResult failure, const std::string& message) {
        ui.Error(message);
        failure.AlreadySaid = true;
        failures.push_back(std::move(failure));
    };
    TMap& map = target.Map;
    TrecINI& settings = target.Settings;
    const int turn = read.Turn;
    const RefusedFiles none;
    const RefusedFiles& refused = target.Refused ? *target.Refused : none;
    if (FileResult units = SaveKeywordListsThenUnits(map, settings, target.SkillList, target.TroopList,
                                                     target.EquipmentList, refused, ui);
        !units) {
        failures.push_back(std::move(units));
    } else {
        if (turn > 0) {
            if (FileResult saved = SaveHexUnits(map, settings.DataDir, turn, settings); !saved)
                say(saved, "Error saving hex unit lists.\n" + saved.Text());
            settings.CurrentTurn = turn;
            settings.MaxTurn = std::max(settings.MaxTurn, turn);
        } else {
            ui.Warning("Unable to save hex units as no turn number data was detected.");
        }
    }
    if (read.TemplateApplied && turn > 0) {
        const std::string orders = settings.DataPath(TurnFileName(settings.OrdersStem, turn));
        if (FileResult saved = SaveOrdersFile(map.UnitFileList, orders, false); !saved)
            say(saved, "Unable to write to " + orders);
    }
    map.ReconcileUnseenUnits(settings.FactionNo, target.Factions, target.SkillList);
    return failures.empty() ? FileResult::Done() : failures.front();
}

TurnImport ImportTurnReport(const ImportTarget& target, const std::string& fileName, UserInteraction& ui)
{
    LineReader lines(fileName);
    if (!lines.IsOpen())
        return {.Report = FileResult::NotOpened(fileName)};
    TurnReportRead read;
    if (!ReadTurnReport(target, lines, ui, read)) {
        return {.Report = lines.Failed() ? FileResult::Unreadable(fileName)
                                         : FileResult::Failed(fileName,
                                                              "it is not a turn report, or it ends before "
                                                              "its regions")};
    }
    return {.TurnFiles = FinishTurnReport(target, read, ui)};
}

}  // namespace korvane
