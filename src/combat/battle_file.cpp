#include "combat/battle_file.h"

#include "core/line_file_load.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"
#include "core/version.h"

#include <charconv>

namespace korvane {

namespace {

constexpr int kUnitLineFields = 21;

std::string ConditionsLine(const BattleSetup& setup)
{
    std::string line = setup.TacticalAdvantage == TCombatSide::Left ? "L"
        : setup.TacticalAdvantage == TCombatSide::Right             ? "R"
                                                                    : "N";
    line += setup.HorseTerrain ? ",Y" : ",N";
    return line;
}

void ReadConditions(const std::string& line, BattleSetup& setup)
{
    std::vector<std::string> pieces;
    SplitString(line, pieces, ",");
    const std::string advantage = pieces.empty() ? std::string() : UpperCase(TrimSpaces(pieces[0]));
    if (advantage == "L")
        setup.TacticalAdvantage = TCombatSide::Left;
    else if (advantage == "R")
        setup.TacticalAdvantage = TCombatSide::Right;
    setup.HorseTerrain = pieces.size() > 1 && UpperCase(TrimSpaces(pieces[1])) == "Y";
}

/// What is wrong with a count line as a number, or nothing when it is a whole decimal number
/// that fits.
std::string CountComplaint(std::string_view text)
{
    text = TrimmedView(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc() && end == text.data() + text.size())
        return {};
    return error == std::errc::result_out_of_range && end == text.data() + text.size() ? "is out of range"
                                                                                       : "is not a whole number";
}

std::string IgnoredLinesText(long ignored)
{
    if (ignored == 1)
        return "1 line after the last Right unit is ignored: the unit counts end the set-up before it";
    return IntToStr(ignored)
        + " lines after the last Right unit are ignored: the unit counts end the set-up before them";
}

/// A line as a message quotes it: not so long that the message is lost in it.
std::string Quoted(std::string_view line)
{
    constexpr std::size_t kLongest = 20;
    line = TrimmedView(line);
    return "\"" + std::string(line.substr(0, kLongest)) + (line.size() > kLongest ? "...\"" : "\"");
}

class BattleFileParser
{
public:
    BattleFileParser(LineReader& reader, std::vector<BattleFileProblem>& problems)
        : reader_(reader)
        , problems_(problems)
    {
    }

    /// The next line; false, with a problem saying what was missing, at the end of the file.
    bool Next(std::string& line, const char* what)
    {
        if (reader_.ReadLine(line))
            return true;
        if (!reader_.Failed())
            Problem(reader_.LineNumber() + 1, std::string("the file ends where ") + what + " should be");
        return false;
    }

    /// One side: its count line and as many unit lines; false when the file ended early.
    bool ReadSide(const char* side, std::vector<TCombatUnit>& units)
    {
        std::string line;
        if (!Next(line, (std::string("the number of ") + side + " units").c_str()))
            return false;
        const std::int32_t count = StrToIntLenient(TrimSpaces(line));
        // Say what is taken instead: the leading digits, as far as there are any.
        const std::string complaint = CountComplaint(line);
        if (!complaint.empty())
            Problem(reader_.LineNumber(),
                    std::string("the number of ") + side + " units, " + Quoted(line) + ", " + complaint + "; "
                        + IntToStr(count) + " is taken");
        for (std::int32_t i = 0; i < count; ++i) {
            if (!Next(line, (std::string("a ") + side + " unit").c_str()))
                return false;
            TCombatUnit unit;
            const int fields = unit.FromLine(line);
            if (fields != kUnitLineFields)
                Problem(reader_.LineNumber(),
                        "the " + std::string(side) + " unit line has " + IntToStr(fields) + " fields instead of "
                            + IntToStr(kUnitLineFields));
            units.push_back(std::move(unit));
        }
        return true;
    }

    void Problem(long lineNumber, std::string text) { problems_.push_back({lineNumber, std::move(text)}); }

private:
    LineReader& reader_;
    std::vector<BattleFileProblem>& problems_;
};

}  // namespace

std::vector<std::string> BattleFileLines(const BattleSetup& setup)
{
    std::vector<std::string> lines;
    lines.push_back(std::string("VERSION,") + FormatTwoDecimals(kFormatVersion));
    lines.push_back(ConditionsLine(setup));
    for (const auto* side : {&setup.Left, &setup.Right}) {
        lines.push_back(IntToStr(static_cast<std::int64_t>(side->size())));
        for (const auto& unit : *side)
            lines.push_back(unit.ToLine());
    }
    return lines;
}

FileResult SaveBattleFile(const std::string& path, const BattleSetup& setup)
{
    TextFileWriter writer(path);
    for (const auto& line : BattleFileLines(setup))
        writer.WriteLine(line);
    return writer.Commit();
}

bool ReadBattleFile(LineReader& reader, BattleSetup& setup, std::vector<BattleFileProblem>& problems)
{
    if (!reader.IsOpen())
        return false;
    BattleSetup read;
    std::vector<BattleFileProblem> found;
    BattleFileParser parser(reader, found);
    std::string line;
    // The version is only a label: every version's lines are read alike.
    if (parser.Next(line, "the version line")) {
        if (UpperCase(line.substr(0, 7)) != "VERSION")
            parser.Problem(reader.LineNumber(), "the first line is not a version line; it is skipped");
        if (parser.Next(line, "the tactical advantage and horse terrain")) {
            ReadConditions(line, read);
            if (parser.ReadSide("Left", read.Left) && parser.ReadSide("Right", read.Right)) {
                // Blank lines at the end are only how the file was left; anything else is
                // something the player may have meant to be read.
                long firstIgnored = 0;
                long ignored = 0;
                while (reader.ReadLine(line)) {
                    if (TrimmedView(line).empty())
                        continue;
                    if (ignored++ == 0)
                        firstIgnored = reader.LineNumber();
                }
                if (ignored > 0)
                    parser.Problem(firstIgnored, IgnoredLinesText(ignored));
            }
        }
    }
    if (reader.Failed())
        return false;
    setup = std::move(read);
    problems.insert(problems.end(), found.begin(), found.end());
    return true;
}

FileResult LoadBattleFile(const std::string& path, BattleSetup& setup, std::vector<BattleFileProblem>& problems)
{
    return LoadFileLines(path, [&](LineReader& reader) { return ReadBattleFile(reader, setup, problems); });
}

}  // namespace korvane
