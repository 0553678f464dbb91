// Merging the game's faction list ("Name (12), address" per faction) into the registry.
#include "people/faction_list.h"

#include "core/file_names.h"
#include "core/line_reader.h"
#include "core/text_helpers.h"

#include <filesystem>
#include <optional>

namespace korvane {

namespace {

// The registry keeps at most this much of an address.
constexpr std::size_t kMaxEMailLength = 255;

bool IsContinuation(const std::string& line)
{
    return line.empty() || line.rfind("  ", 0) == 0;
}

void RemoveTrailingSpaces(std::string& text)
{
    const auto last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
}

/// Collects one entry: its first line and the wrapped lines after it. `pending` holds the
/// line that ended the previous entry; it is used first and replaced by the line that ends
/// this one. False when there is nothing left.
bool NextRecord(LineReader& reader, std::optional<std::string>& pending, std::string& record)
{
    std::string line;
    if (pending) {
        line = std::move(*pending);
        pending.reset();
    } else if (!reader.ReadLine(line)) {
        return false;
    }
    record = TrimSpaces(line);
    while (reader.ReadLine(line)) {
        if (!IsContinuation(line)) {
            pending = std::move(line);
            break;
        }
        // Appended in place: an entry wrapped over many lines must not be copied per line.
        const std::string part = TrimSpaces(line);
        if (!record.empty())
            record += ' ';
        record += part;
        RemoveTrailingSpaces(record);
    }
    return true;
}

}  // namespace

FileResult TFactionList::ImportFactionList(const std::string& fileName)
{
    std::error_code ignored;
    if (std::filesystem::is_directory(fileName, ignored))
        return FileResult::Unreadable(fileName);
    LineReader reader(fileName);
    if (!reader.IsOpen())
        return FileResult::NotOpened(fileName);
    ImportFactionList(reader);
    // What was merged before a read error stays: it only adds to the registry.
    return reader.Failed() ? FileResult::Unreadable(fileName) : FileResult::Done();
}

std::string FactionListImportWarning(const FileResult& failure)
{
    return failure.Missing ? "Unable to find specified Faction List file." : "Unable to open Faction List file.";
}

void TFactionList::ImportFactionList(LineReader& reader)
{
    std::optional<std::string> pending;
    std::string record;
    while (NextRecord(reader, pending, record)) {
        // "Name (12), address": the number sits between the last "(" before the first "),"
        // and that "),", so a name may itself contain parentheses.
        const int close = PosFrom(1, "),", record);
        if (close == 0)
            continue;
        const int open = LastPosWithin(close - 1, "(", record);
        if (open == 0)
            continue;
        // Positions are 1-based: the name ends before index open - 1, the number runs from
        // index open to the ")" at index close - 1, the address starts at index close + 1.
        const std::string_view view(record);
        const auto at = [](int position) { return static_cast<std::size_t>(position); };
        const std::int32_t number = StrToIntLenient(TrimSpaces(view.substr(at(open), at(close - open - 1))));
        if (number < 1)
            continue;

        TFaction* faction = Find(number);
        if (!faction) {
            auto created = std::make_unique<TFaction>();
            created->Number = number;
            faction = Add(std::move(created));
        }
        faction->Number = number;
        faction->Name = TrimSpaces(view.substr(0, at(open - 1)));
        std::string address = TrimSpaces(view.substr(at(close + 1)));
        if (address.size() > kMaxEMailLength) {
            address.resize(kMaxEMailLength);
            RemoveTrailingSpaces(address);
        }
        faction->EMail = std::move(address);
    }
}

}  // namespace korvane
