// Region descriptions from a data file, one record per description however it is wrapped.
#include "storage/data_file_import.h"

#include "core/line_reader.h"
#include "core/text_helpers.h"
#include "storage/record_text.h"
#include "world/map.h"

namespace korvane {

std::vector<std::string> DataFileRecords(const std::vector<std::string>& lines)
{
    std::vector<std::string> records;
    std::string record;
    const auto finish = [&records, &record] {
        if (!record.empty())
            records.push_back(std::move(record));
        record.clear();
    };
    for (const auto& line : lines) {
        // A description wraps onto lines indented by a space.
        if (line.empty() || line.front() != ' ')
            finish();
        const std::string part = TrimSpaces(line);
        if (part.empty())
            continue;
        if (!record.empty())
            record += ' ';
        record += part;
    }
    finish();
    return records;
}

FileResult ImportDataFile(TMap& map, const std::string& fileName)
{
    std::vector<std::string> lines;
    if (!IsPlainFile(fileName))
        return FileResult::Failed(fileName, "there is no such file");
    if (!ReadTextLines(fileName, lines))
        return FileResult::Failed(fileName, "it could not be read");
    for (const auto& record : DataFileRecords(lines)) {
        int level = 0, x = 0, y = 0;
        map.ParseRegionHeader(record, level, x, y);
    }
    return FileResult::Done();
}

}  // namespace korvane
