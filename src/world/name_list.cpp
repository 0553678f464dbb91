// Unsorted name lists.
#include "world/name_list.h"

#include "core/line_reader.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"

namespace korvane {

NameList::NameList(std::initializer_list<const char*> names)
    : names_(names.begin(), names.end())
{
}

int NameList::IndexOf(std::string_view name) const
{
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (SameText(names_[i], name))
            return static_cast<int>(i);
    }
    return -1;
}

int NameList::Add(std::string name)
{
    names_.push_back(std::move(name));
    return Count() - 1;
}

bool NameList::LoadFromFile(const std::string& fileName)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(fileName, lines))
        return false;
    names_ = std::move(lines);
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
