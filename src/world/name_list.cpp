// Unsorted name lists.
#include "world/name_list.h"

#include "core/line_file_load.h"
#include "core/text_file_writer.h"

namespace korvane {

NameList::NameList(std::initializer_list<const char*> names)
{
    for (const char* name : names)
        Add(name);
}

int NameList::Add(std::string name)
{
    return names_.Append(std::move(name));
}

FileResult NameList::LoadFromFile(const std::string& fileName)
{
    return LoadFileLines(fileName, [this](LineReader& reader) { return LoadFromLines(reader); });
}

bool NameList::LoadFromLines(LineReader& reader)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(reader, lines))
        return false;
    names_.Clear();
    for (auto& line : lines)
        Add(std::move(line));
    return true;
}

FileResult NameList::SaveToFile(const std::string& fileName) const
{
    TextFileWriter writer(fileName);
    for (const auto& name : Names())
        writer.WriteLine(name);
    return writer.Commit();
}

}  // namespace korvane
