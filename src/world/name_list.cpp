// Unsorted name lists.
#include "world/name_list.h"

#include "core/line_reader.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"

namespace korvane {

NameList::NameList(std::initializer_list<const char*> names)
    : names_(names.begin(), names.end())
{
    for (int i = 0; i < Count(); ++i)
        Index(i);
}

void NameList::Index(int position)
{
    index_.emplace(names_[static_cast<std::size_t>(position)], position);
}

int NameList::IndexOf(std::string_view name) const
{
    const auto found = index_.find(name);
    return found == index_.end() ? -1 : found->second;
}

int NameList::Add(std::string name)
{
    names_.push_back(std::move(name));
    Index(Count() - 1);
    return Count() - 1;
}

bool NameList::LoadFromFile(const std::string& fileName)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(fileName, lines))
        return false;
    names_ = std::move(lines);
    index_.clear();
    for (int i = 0; i < Count(); ++i)
        Index(i);
    return true;
}

bool NameList::SaveToFile(const std::string& fileName) const
{
    TextFileWriter writer(fileName);
    for (const auto& name : names_)
        writer.WriteLine(name);
    return writer.Commit();
}

}  // namespace korvane
