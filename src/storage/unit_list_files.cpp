// The unit list's files: unit lines after a header, and the orders layout.
#include "storage/unit_list_files.h"

#include "core/line_file_load.h"
#include "core/text_helpers.h"
#include "people/unit_list.h"
#include "storage/record_text.h"

#include <memory>

namespace korvane {

namespace {

void ClearOrders(TUnitList& units)
{
    for (int i = 0; i < units.Count(); ++i)
        units.Items(i)->ClearOrders();
}

}  // namespace

void AppendUnitLines(const TUnitList& units, std::string& text)
{
    // Room for lines of a usual length up front: growing a text of many megabytes step by
    // step copies it again and again.
    text.reserve(text.size() + static_cast<std::size_t>(units.Count()) * 128);
    units.ForEach([&text](const TUnit& unit) {
        unit.AppendLineTo(text);
        text += "\r\n";
    });
}

void AppendOrderLines(const TUnitList& units, std::string& text)
{
    units.ForEach([&text](const TUnit& unit) {
        if (unit.Orders.empty())
            return;
        AppendLine(text, IntToStr(unit.Number) + "," + IntToStr(static_cast<std::int64_t>(unit.Orders.size())));
        // A line break inside an order would put the count out of step with the lines and
        // hand the rest of this unit's orders to the next unit when read back.
        for (const auto& order : unit.Orders)
            AppendLine(text, OneLine(order));
    });
}

FileResult SaveUnitFile(const TUnitList& units, const std::string& fileName, bool append)
{
    std::string text;
    if (!append)
        AppendLine(text, RecordHeaderLine());
    AppendUnitLines(units, text);
    return WriteTextFile(fileName, text, append);
}

FileResult LoadUnitFile(TUnitList& units, const std::string& fileName, std::int32_t ownFaction)
{
    // A folder opens like a file on some systems; it holds no units and is not missing either.
    if (!IsPlainFile(fileName))
        return FileResult::NotOpened(fileName);
    return LoadFileLines(fileName, [&](LineReader& reader) { return LoadUnitLines(units, reader, ownFaction); });
}

bool LoadUnitLines(TUnitList& units, LineReader& reader, std::int32_t ownFaction)
{
    std::string line;
    std::vector<std::string_view> fields;
    while (reader.ReadLine(line)) {
        if (IsRecordHeader(line))
            continue;
        auto unit = std::make_unique<TUnit>();
        if (unit->FromLine(line, fields))
            units.Merge(std::move(unit), ownFaction);
    }
    return !reader.Failed();
}

FileResult SaveOrdersFile(const TUnitList& units, const std::string& fileName, bool append)
{
    std::string text;
    if (!append)
        AppendLine(text, RecordHeaderLine());
    AppendOrderLines(units, text);
    return WriteTextFile(fileName, text, append);
}

FileResult LoadOrdersFile(TUnitList& units, const std::string& fileName)
{
    const FileResult read = IsPlainFile(fileName)
        ? LoadFileLines(fileName, [&units](LineReader& reader) { return LoadOrderLines(units, reader); })
        : FileResult::NotOpened(fileName);
    // No orders could be read: every unit is left without, and only a missing file is no fault.
    if (!read)
        ClearOrders(units);
    return read.MissingAsDone();
}

bool LoadOrderLines(TUnitList& units, LineReader& reader)
{
    ClearOrders(units);
    std::string line;
    std::vector<std::string> pieces;
    while (reader.ReadLine(line)) {
        if (IsRecordHeader(line) || SplitString(line, pieces, ",") < 2)
            continue;
        const std::int32_t number = StrToIntLenient(pieces[0]);
        const std::int32_t count = StrToIntLenient(pieces[1]);
        // The count only bounds what is taken: a file cut short gives the lines it has.
        std::vector<std::string> orders;
        for (std::int32_t i = 0; i < count && reader.ReadLine(line); ++i)
            orders.push_back(TrimSpaces(line));
        if (TUnit* unit = units.Find(number))
            unit->SetOrders(orders);
    }
    // Stopped by a read error, the orders after it are unknown: taken as all, the file would
    // be written back without them.
    return !reader.Failed();
}

}  // namespace korvane
