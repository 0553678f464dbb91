// Item codes and names, and "Products.dat".
#include "world/product_code_list.h"

#include "core/line_file_load.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"

namespace korvane {

int ProductCodeList::Add(std::string code, std::string name)
{
    return entries_.Append({std::move(code), {std::move(name)}});
}

FileResult ProductCodeList::LoadFromFile(const std::string& fileName)
{
    return LoadFileLines(fileName, [this](LineReader& reader) { return LoadFromLines(reader); });
}

bool ProductCodeList::LoadFromLines(LineReader& reader)
{
    std::vector<std::string> lines;
    if (!ReadTextLines(reader, lines))
        return false;
    Clear();
    for (const auto& line : lines) {
        const auto semicolon = line.find(';');
        if (TrimSpaces(line).empty() || semicolon == std::string::npos)
            continue;
        std::string name = TrimSpaces(std::string_view(line).substr(semicolon + 1));
        name.resize(std::min(name.size(), kMaxNameLength));
        Add(line.substr(0, semicolon), std::move(name));
    }
    return true;
}

FileResult ProductCodeList::SaveToFile(const std::string& fileName) const
{
    TextFileWriter writer(fileName);
    for (const auto& entry : entries_.Entries())
        writer.WriteLine(TrimSpaces(entry.Code) + ";" + TrimSpaces(entry.Product.Name));
    return writer.Commit();
}

}  // namespace korvane
