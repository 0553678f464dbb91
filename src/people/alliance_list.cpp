// The alliance registry and its file "Alliance.dat".
#include "people/alliance_list.h"

#include "core/field_cursor.h"
#include "core/file_names.h"
#include "core/line_file_load.h"
#include "core/settings.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"
#include "core/version.h"
#include "people/registry_fields.h"

#include <algorithm>
#include <filesystem>
#include <limits>

namespace korvane {

namespace {

bool IsHeader(const std::string& line)
{
    std::vector<std::string_view> pieces;
    SplitFields(line, kFieldSeparator, pieces);
    if (!pieces.empty() && UpperCase(TrimSpaces(pieces[0])) == "VERSION")
        return true;
    // The record files of the program start "VERSION,"; such a first line is no alliance.
    SplitFields(line, ",", pieces);
    return !pieces.empty() && UpperCase(TrimSpaces(pieces[0])) == "VERSION";
}

std::unique_ptr<TAlliance> ReadAlliance(const std::string& line)
{
    std::vector<std::string_view> pieces;
    SplitFields(line, kFieldSeparator, pieces);
    FieldCursor fields(pieces);
    auto alliance = std::make_unique<TAlliance>();
    alliance->Number = fields.Number(alliance->Number);
    alliance->Name = fields.Text(alliance->Name);
    alliance->Comments = fields.Text(alliance->Comments);
    alliance->Colour = fields.Number(alliance->Colour);
    // Gathered, then sorted once: adding them one by one costs a reordering each.
    std::vector<std::string> keys;
    fields.Entries(1, [&fields, &keys] {
        if (std::string key = TrimSpaces(fields.Field()); !key.empty())
            keys.push_back(std::move(key));
    });
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    alliance->Members = std::move(keys);
    return alliance;
}

std::string WriteAlliance(const TAlliance& alliance)
{
    std::string line;
    AppendNumberField(line, alliance.Number);
    AppendTextField(line, alliance.Name);
    AppendTextField(line, alliance.Comments);
    AppendNumberField(line, alliance.Colour);
    AppendNumberField(line, alliance.MemberCount());
    for (const auto& key : alliance.Members)
        AppendTextField(line, key);
    return line;
}

}  // namespace

TAlliance* TAllianceList::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return alliances_[static_cast<std::size_t>(index)].get();
}

int TAllianceList::IndexOf(std::int32_t number) const
{
    for (std::size_t i = 0; i < alliances_.size(); ++i) {
        if (alliances_[i]->Number == number)
            return static_cast<int>(i);
    }
    return -1;
}

TAlliance* TAllianceList::Find(std::int32_t number) const
{
    return Items(IndexOf(number));
}

std::int32_t TAllianceList::NextNumber() const
{
    std::int32_t largest = 0;
    for (const auto& alliance : alliances_)
        largest = std::max(largest, alliance->Number);
    if (largest < std::numeric_limits<std::int32_t>::max())
        return largest + 1;
    // A file gave the largest number there is: fall back to the first one still free.
    std::int32_t number = 1;
    while (Find(number))
        ++number;
    return number;
}

TAlliance* TAllianceList::Add(std::unique_ptr<TAlliance> alliance)
{
    if (!alliance)
        return nullptr;
    if (alliance->Number < 0)
        alliance->Number = NextNumber();
    TAlliance* stored = alliance.get();
    // Two alliances under one number could not be told apart by the factions' keys.
    const int existing = IndexOf(stored->Number);
    if (existing >= 0)
        alliances_[static_cast<std::size_t>(existing)] = std::move(alliance);
    else
        alliances_.push_back(std::move(alliance));
    return stored;
}

void TAllianceList::Delete(int index)
{
    if (index >= 0 && index < Count())
        alliances_.erase(alliances_.begin() + index);
}

std::vector<std::string> TAllianceList::ListNames() const
{
    std::vector<std::string> names;
    names.reserve(alliances_.size());
    for (const auto& alliance : alliances_)
        names.push_back(alliance->Name);
    return names;
}

FileResult TAllianceList::LoadFromFile(const std::string& dir, const TrecINI& settings)
{
    return LoadFileLines(QualifyFileName(settings.AllianceFile, dir),
                         [this](LineReader& reader) { return LoadFromLines(reader); })
        .MissingAsDone();
}

bool TAllianceList::LoadFromLines(LineReader& reader)
{
    // Read whole first: a file that fails part-way must leave the registry as it was.
    std::vector<std::string> lines;
    if (!ReadTextLines(reader, lines))
        return false;

    bool first = true;
    for (const std::string& line : lines) {
        const bool header = first && IsHeader(line);
        first = false;
        // A blank line holds no alliance; reading one would invent an "Unknown" alliance.
        if (header || TrimSpaces(line).empty())
            continue;
        Add(ReadAlliance(line));
    }
    return true;
}

FileResult TAllianceList::SaveToFile(const std::string& dir, const TrecINI& settings) const
{
    TextFileWriter writer(QualifyFileName(settings.AllianceFile, dir));
    // This header has no separator after the version, unlike the records.
    writer.WriteLine(std::string("VERSION") + std::string(kFieldSeparator) + FormatTwoDecimals(kFormatVersion));
    for (const auto& alliance : alliances_)
        writer.WriteLine(WriteAlliance(*alliance));
    return writer.Commit();
}

}  // namespace korvane
