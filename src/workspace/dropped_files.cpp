// Telling dropped files apart by their first lines.
#include "workspace/dropped_files.h"

#include "core/line_reader.h"
#include "core/text_helpers.h"
#include "reportimport/report_reader.h"

#include <algorithm>
#include <filesystem>

namespace korvane {

namespace {

// Enough lines to get past the blank lines a mailer may put before a report's heading.
constexpr int kLinesLooked = 12;

bool IsWholeNumber(const std::string& text)
{
    const std::string trimmed = TrimSpaces(text);
    const std::size_t digits = trimmed.rfind('-', 0) == 0 ? 1 : 0;
    return trimmed.size() > digits && trimmed.find_first_not_of("0123456789", digits) == std::string::npos;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    SplitString(line, fields, ",");
    return fields;
}

// A cell line of an exchange file: level, x and y, then the cell's details.
bool IsExchangeCellLine(const std::string& line)
{
    const std::vector<std::string> fields = Fields(line);
    return fields.size() >= 3 && IsWholeNumber(fields[0]) && IsWholeNumber(fields[1]) && IsWholeNumber(fields[2]);
}

// A battle file's second line: who has the tactical advantage (L, R or N), and horse terrain (Y or N).
bool IsBattleConditionsLine(const std::string& line)
{
    const std::vector<std::string> fields = Fields(UpperCase(TrimSpaces(line)));
    return fields.size() == 2 && (fields[0] == "L" || fields[0] == "R" || fields[0] == "N")
        && (fields[1] == "Y" || fields[1] == "N");
}

// A faction list entry: "Name (12), address".
bool IsFactionEntry(const std::string& line)
{
    const std::size_t close = line.find("),");
    if (close == std::string::npos)
        return false;
    const std::size_t open = line.rfind('(', close);
    return open != std::string::npos && open > 0 && IsWholeNumber(line.substr(open + 1, close - open - 1));
}

}  // namespace

DroppedFile ClassifyDroppedFile(const std::string& fileName)
{
    DroppedFile file{fileName};
    std::error_code error;
    if (std::filesystem::is_directory(fileName, error))
        return file;
    LineReader reader(fileName);
    std::vector<std::string> lines;
    for (std::string line; static_cast<int>(lines.size()) < kLinesLooked && reader.ReadLine(line);) {
        if (!TrimSpaces(line).empty() || !lines.empty())
            lines.push_back(line);
    }
    if (!reader.IsOpen() || reader.Failed() || lines.empty())
        return file;
    const auto line = [&lines](std::size_t index) { return index < lines.size() ? lines[index] : std::string(); };
    if (IsReportHeading(lines[0])) {
        file.Kind = DroppedKind::TurnReport;
        file.Turn = TurnOfDateLine(line(2));
    } else if (UpperCase(TrimSpaces(Fields(lines[0]).front())) == "VERSION") {
        file.Kind = IsBattleConditionsLine(line(1)) && IsWholeNumber(line(2)) ? DroppedKind::BattleFile
                                                                              : DroppedKind::ExchangeFile;
    } else if (IsExchangeCellLine(lines[0])) {
        file.Kind = DroppedKind::ExchangeFile;  // of the first format, which had no version line
    } else if (IsFactionEntry(lines[0])) {
        file.Kind = DroppedKind::FactionList;
    }
    return file;
}

std::vector<DroppedFile> ClassifyDroppedFiles(const std::vector<std::string>& fileNames)
{
    std::vector<DroppedFile> files;
    for (const std::string& name : fileNames)
        files.push_back(ClassifyDroppedFile(name));
    // Turn after turn, as they were played; a report without a date goes after the dated ones.
    std::stable_sort(files.begin(), files.end(), [](const DroppedFile& a, const DroppedFile& b) {
        const auto rank = [](const DroppedFile& f) {
            return f.Kind != DroppedKind::TurnReport ? 2 : f.Turn > 0 ? 0 : 1;
        };
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        return rank(a) == 0 && a.Turn < b.Turn;
    });
    return files;
}

}  // namespace korvane
