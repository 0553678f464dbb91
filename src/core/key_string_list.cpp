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
        TStringCode& entry = entries_[static_cast<std::size_t>(position)];
        if (!singular.empty())
            entry.Singular = std::string(singular);
        if (!plural.empty())
            entry.Plural = std::string(plural);
        return position;
    }
    // The stored key keeps its spaces: the list's string is the key as given.
    Append({std::string(key), TrimSpaces(singular), TrimSpaces(plural)});
    return Count() - 1;
}

void TKeyStringList::Append(TStringCode entry)
{
    index_.emplace(entry.Key, Count());
    entries_.push_back(std::move(entry));
}

int TKeyStringList::IndexOfKey(std::string_view key) const
{
    const auto found = index_.find(TrimmedView(key));
    return found == index_.end() ? -1 : found->second;
}

const TStringCode* TKeyStringList::At(int position) const
{
    if (position < 0 || position >= Count())
        return nullptr;
    return &entries_[static_cast<std::size_t>(position)];
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

bool TKeyStringList::LoadFromFile(const std::string& fileName)
{
    LineReader reader(fileName);
    if (!reader.IsOpen())
        return true;
    TStringCode record;
    while (reader.ReadLine(record.Key)) {
        if (!reader.ReadLine(record.Singular))
            record.Singular.clear();
        if (!reader.ReadLine(record.Plural))
            record.Plural.clear();
        Append(record);
    }
    return true;
}

bool TKeyStringList::SaveToFile(const std::string& fileName) const
{
    TextFileWriter writer(fileName);
    for (const auto& entry : entries_) {
        writer.WriteLine(entry.Key);
        writer.WriteLine(entry.Singular);
        writer.WriteLine(entry.Plural);
    }
    return writer.Commit();
}

}  // namespace korvane
