// The faction registry and its file "Factions.dat".
#include "people/faction_list.h"

#include "core/field_cursor.h"
#include "core/line_file_load.h"
#include "core/settings.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"
#include "core/version.h"
#include "people/registry_fields.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_set>
#include <vector>

namespace korvane {

namespace {

/// The version of a "VERSION,2.31" header line; nothing when the line is no such header or
/// its version is not a readable number. Read with from_chars: the GUI toolkit sets the
/// process locale, which would make a decimal comma of "2.31" elsewhere.
std::optional<double> HeaderVersion(const std::string& line)
{
    std::vector<std::string_view> pieces;
    SplitFields(line, ",", pieces);
    if (pieces.size() < 2 || UpperCase(TrimSpaces(pieces[0])) != "VERSION")
        return std::nullopt;
    const std::string text = TrimSpaces(pieces[1]);
    double version = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), version);
    if (result.ec != std::errc() || !std::isfinite(version))
        return std::nullopt;
    return version;
}

std::unique_ptr<TFaction> ReadFaction(const std::string& line)
{
    std::vector<std::string_view> pieces;
    SplitFields(line, kFieldSeparator, pieces);
    FieldCursor fields(pieces);
    auto faction = std::make_unique<TFaction>();
    faction->Number = fields.Number(faction->Number);
    faction->Name = TrimSpaces(fields.Field());
    faction->Player = TrimSpaces(fields.Field());
    faction->EMail = TrimSpaces(fields.Field());
    faction->Comments = TrimSpaces(fields.Field());
    faction->Colour = fields.Number(faction->Colour);
    std::unordered_set<std::string> known;
    fields.Entries(1, [&fields, &known, &faction] {
        std::string key = TrimSpaces(fields.Field());
        // A duplicate would survive RemoveAlliance and keep the faction in the alliance.
        if (!key.empty() && known.insert(key).second)
            faction->AllianceKeys.push_back(std::move(key));
    });
    return faction;
}

std::string WriteFaction(const TFaction& faction)
{
    std::string line;
    AppendNumberField(line, faction.Number);
    AppendTextField(line, faction.Name);
    AppendTextField(line, faction.Player);
    AppendTextField(line, faction.EMail);
    AppendTextField(line, faction.Comments);
    AppendNumberField(line, faction.Colour);
    AppendNumberField(line, static_cast<std::int64_t>(faction.AllianceKeys.size()));
    for (const auto& key : faction.AllianceKeys)
        AppendTextField(line, key);
    return line;
}

}  // namespace

TFaction* TFactionList::Find(std::int32_t number) const
{
    return number < 1 ? nullptr : list_.Find(FactionKey(number));
}

TFaction* TFactionList::Add(std::unique_ptr<TFaction> faction)
{
    if (!faction)
        return nullptr;
    std::string key = faction->Key();
    return list_.Put(std::move(key), std::move(faction));
}

FileResult TFactionList::LoadFromFile(const TrecINI& settings)
{
    return LoadFileLines(settings.DataPath(settings.FactionsFile),
                         [this](LineReader& reader) { return LoadFromLines(reader); })
        .MissingAsDone();
}

bool TFactionList::LoadFromLines(LineReader& reader)
{
    std::string line;
    // A folder opens like a file and then fails to read; an empty file has no header either.
    if (!reader.ReadLine(line))
        return false;
    // Files of the first format had no header and a different record layout.
    const std::optional<double> version = HeaderVersion(line);
    if (!version || *version == 1.0)
        return false;

    TFactionList loaded;
    while (reader.ReadLine(line)) {
        const std::string trimmed = TrimSpaces(line);
        if (!trimmed.empty())
            loaded.Add(ReadFaction(trimmed));
    }
    if (reader.Failed())
        return false;
    list_ = std::move(loaded.list_);
    return true;
}

FileResult TFactionList::SaveToFile(const TrecINI& settings) const
{
    TextFileWriter writer(settings.DataPath(settings.FactionsFile));
    writer.WriteLine("VERSION," + FormatTwoDecimals(kFormatVersion));
    list_.ForEach([&writer](const TFaction& faction) { writer.WriteLine(WriteFaction(faction)); });
    return writer.Commit();
}

}  // namespace korvane
