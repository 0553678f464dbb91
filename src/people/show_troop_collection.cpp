// The display selection lists and "UnitLsts.Dat".
#include "people/show_troop_collection.h"

#include "core/field_cursor.h"
#include "core/file_names.h"
#include "core/line_file_load.h"
#include "core/settings.h"
#include "core/text_file_writer.h"
#include "core/text_helpers.h"
#include "core/version.h"

#include <algorithm>

namespace korvane {

TShowTroopCollection::Named* TShowTroopCollection::Find(std::string_view name)
{
    const std::string wanted = TrimSpaces(name);
    const auto found = std::find_if(lists_.begin(), lists_.end(), [&](const Named& n) { return n.Name == wanted; });
    return found == lists_.end() ? nullptr : &*found;
}

const TShowTroopCollection::Named* TShowTroopCollection::Find(std::string_view name) const
{
    return const_cast<TShowTroopCollection*>(this)->Find(name);
}

bool TShowTroopCollection::Exists(std::string_view name) const
{
    return Find(name) != nullptr;
}

void TShowTroopCollection::SetList(std::string_view name, bool allianceBased, std::vector<std::string> entries)
{
    Named* list = Find(name);
    if (!list)
        list = &lists_.emplace_back(Named{TrimSpaces(name), {}});
    list->List.AllianceBased = allianceBased;
    list->List.Entries = std::move(entries);
}

const TShowTroopsList* TShowTroopCollection::GetList(std::string_view name) const
{
    const Named* list = Find(name);
    return list ? &list->List : nullptr;
}

bool TShowTroopCollection::IsAllianceBased(std::string_view name) const
{
    const TShowTroopsList* list = GetList(name);
    return list && list->AllianceBased;
}

void TShowTroopCollection::DeleteList(std::string_view name)
{
    const std::string wanted = TrimSpaces(name);
    std::erase_if(lists_, [&](const Named& n) { return n.Name == wanted; });
}

std::vector<std::string> TShowTroopCollection::Names() const
{
    std::vector<std::string> names;
    names.reserve(lists_.size());
    for (const Named& list : lists_)
        names.push_back(list.Name);
    return names;
}

FileResult TShowTroopCollection::Load(const std::string& dir, const TrecINI& settings)
{
    const FileResult read = LoadFileLines(QualifyFileName(settings.UnitListsFile, dir),
                                          [this](LineReader& reader) { return LoadFromLines(reader); });
    if (read.Missing)
        SetList(kGeneralList, false, {});
    return read.MissingAsDone();
}

bool TShowTroopCollection::LoadFromLines(LineReader& reader)
{
    // Read whole first: a file that fails part-way must leave the lists as they were.
    std::vector<std::string> lines;
    if (!ReadTextLines(reader, lines))
        return false;
    std::vector<std::string_view> fields;
    for (const std::string& line : lines) {
        SplitFields(line, ",", fields);
        if (fields.empty() || UpperCase(TrimSpaces(fields[0])) == "VERSION")
            continue;
        // A blank line would otherwise become a list without a name, which no one could pick.
        if (TrimSpaces(fields[0]).empty())
            continue;
        // Only an upper-case Y marks an alliance list, exactly as written.
        const bool allianceBased = fields.size() > 1 && fields[1] == "Y";
        std::vector<std::string> entries;
        for (std::size_t i = 2; i < fields.size(); ++i)
            entries.emplace_back(fields[i]);
        SetList(fields[0], allianceBased, std::move(entries));
    }
    return true;
}

FileResult TShowTroopCollection::Save(const std::string& dir, const TrecINI& settings) const
{
    TextFileWriter writer(QualifyFileName(settings.UnitListsFile, dir));
    writer.WriteLine("VERSION," + FormatTwoDecimals(kFormatVersion));
    for (const Named& list : lists_) {
        std::string line = list.Name + (list.List.AllianceBased ? ",Y" : ",N");
        for (const std::string& entry : list.List.Entries)
            line += "," + TrimSpaces(entry);
        writer.WriteLine(line);
    }
    return writer.Commit();
}

}  // namespace korvane
