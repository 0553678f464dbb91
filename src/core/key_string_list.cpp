// Keyword lists and their three-line record files.
#include "core/key_string_list.h"

#include "core/line_reader.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"

namespace korvane {

int TKeyStringList::AddKey(std::string_view key, std::string_view singular, std::string_view plural)
{
    const int position = IndexOfKey(key);
    if (position >= 0) {
        TStringCode& entry = entries_[position];
        if (!singular.empty())
            entry.Singular.assign(singular);
        if (!plural.empty())
            entry.Plural.assign(plural);
        return position;
    }
    // The stored key keeps its spaces: the list's string is the key as given.
    return entries_.Append({std::string(key), TrimSpaces(singular), TrimSpaces(plural)});
}

int TKeyStringList::IndexOfKey(std::string_view key) const
{
    return entries_.IndexOf(TrimmedView(key));
}

const TStringCode* TKeyStringList::At(int position) const
{
    return entries_.Contains(position) ? &entries_[position] : nullptr;
}

std::string TKeyStringList::KeyAt(int position, std::string fallback) const
{
    const TStringCode* entry = At(position);
    return entry ? entry->Key : fallback;
}

std::string TKeyStringList::SingularAt(int position, std::string fallback) const
{
    const TStringCode* entry = At(position);
    return entry ? entry->Singular : fallback;
}

std::string TKeyStringList::PluralAt(int position, std::string fallback) const
{
    const TStringCode* entry = At(position);
    return entry ? entry->Plural : fallback;
}

FileResult TKeyStringList::LoadFromFile(const std::string& fileName)
{
    LineReader reader(fileName);
    if (!reader.IsOpen())
        return FileResult::NotOpened(fileName).MissingAsDone();
    std::vector<TStringCode> records;
    TStringCode record;
    while (reader.ReadLine(record.Key)) {
        if (!reader.ReadLine(record.Singular))
            record.Singular.clear();
        if (!reader.ReadLine(record.Plural))
            record.Plural.clear();
        records.push_back(record);
    }
    if (reader.Failed())
        return FileResult::Unreadable(fileName);
    for (auto& read : records)
        entries_.Append(std::move(read));
    return FileResult::Done();
}

FileResult TKeyStringList::SaveToFile(const std::string& fileName) const
{
    TextFileWriter writer(fileName);
    for (const auto& entry : Entries()) {
        writer.WriteLine(entry.Key);
        writer.WriteLine(entry.Singular);
        writer.WriteLine(entry.Plural);
    }
    return writer.Commit();
}

}  // namespace korvane
