// The merge rules of an exchange line: what a file may fill in, what only overrides, and what
// a file says when it knows nothing, which never replaces what a hex knows.
#include "storage/exchange_merge.h"

#include "core/text_helpers.h"
#include "storage/exchange_file.h"
#include "world/map.h"

namespace korvane {

namespace {

// Files up to this version wrote race codes of their own map, which mean nothing here.
constexpr double kLastRaceCodeVersion = 2.1;

// Gates above this number are placeholders (kUnnumberedGate) that a real number may replace.
constexpr std::int32_t kHighestRealGate = 500;

// What a hex holds before anything is known of it, as files write it too.
constexpr std::string_view kUnknownName = "Unknown";

bool ReadsOne(std::string_view field)
{
    return StrToIntLenient(field) == 1;
}

/// A value the file gives: taken where the cell does not know its own, or, with `override`,
/// where the file knows it. A file writes "not known" (0, -1, "Unknown") for what it never saw,
/// and that must never replace what the hex knows.
bool Takes(bool cellKnows, bool fileKnows, bool override)
{
    return !cellKnows || (override && fileKnows);
}

/// The position of a name in `list`, appended when missing. An empty name names nothing (-1):
/// it must neither enter the list nor replace what the cell knows.
int NamePosition(NameList& list, const std::string& name)
{
    if (name.empty())
        return -1;
    const int index = list.IndexOf(name);
    return index >= 0 ? index : list.Add(name);
}

/// A text the file gives, taken where the cell has none, or with `override`. A file that
/// leaves a text empty tells nothing (the exporter may have left it out), so it never blanks one.
template <typename Text>
void MergeText(Text& text, std::string_view field, bool override)
{
    std::string given = TrimSpaces(field);
    if (!given.empty() && (override || TrimmedView(text).empty()))
        text = std::move(given);
}

/// A count or code the file gives, where 0 and below say "not known".
void MergeNumber(std::int32_t& value, std::string_view field, bool override)
{
    const std::int32_t given = StrToIntLenient(field);
    if (Takes(value > 0, given > 0, override))
        value = given;
}

/// A region or race name: position 0 of its list is "Unknown", which tells nothing.
void MergeListName(NameList& list, std::int32_t& value, std::string_view field, bool override)
{
    // Looked up only where it may be taken: a name not taken does not join the list.
    if (!Takes(value > 0, true, override))
        return;
    const int position = NamePosition(list, TrimSpaces(field));
    if (position >= 0 && Takes(value > 0, position > 0, override))
        value = position;
}

void MergeRace(TMap& map, TMapCell& cell, std::string_view field, double version)
{
    if (version <= kLastRaceCodeVersion) {
        // Such a file tells no race; a race the map knows stays.
        if (cell.Race <= 0)
            cell.Race = 0;
        return;
    }
    // A number is a race code of the exporter's own list: only names are taken, and a name
    // replaces a known race even without override.
    const std::string name = TrimSpaces(field);
    if (StrToIntLenient(name) != 0 || name == "0")
        return;
    MergeListName(map.RaceList, cell.Race, name, true);
}

/// Taxable silver of 0 is news only from a file that saw the hex's peasants: one that saw the
/// hex from a neighbour, or not at all, writes 0 for silver it never counted.
void MergeSilver(TMapCell& cell, const std::vector<std::string_view>& fields, bool override)
{
    const std::int32_t given = StrToIntLenient(fields[kFieldSilver]);
    const bool fileKnows = given > 0 || (given == 0 && StrToIntLenient(fields[kFieldPopulation]) > 0);
    if (Takes(cell.Silver > 0, fileKnows, override))
        cell.Silver = given;
}

void MergeMarks(TMapCell& cell, const std::vector<std::string_view>& fields, const ExchangeImportOptions& options)
{
    if (options.Confirmed) {
        if (options.Override || cell.Unconfirmed)
            cell.Unconfirmed = ReadsOne(fields[kFieldUnconfirmed]);
    } else if (options.Override) {
        cell.Unconfirmed = true;
    }
    // "No pathway" is news only from a file that knows the hex (a solid pathway cell has a terrain).
    const bool fileKnowsHex = StrToIntLenient(fields[kFieldTerrain]) > 0;
    for (std::size_t kind = 0; kind < cell.Pathway.size(); ++kind) {
        const bool given = ReadsOne(fields[kFieldPathway1 + kind]);
        if (Takes(cell.Pathway[kind], given || fileKnowsHex, options.Override))
            cell.Pathway[kind] = given;
    }
}

}  // namespace

void MergeExchangeLine(TMap& map, TMapCell& cell, const std::vector<std::string_view>& fields, double version,
                       const ExchangeImportOptions& options)
{
    const bool override = options.Override;
    MergeNumber(cell.Terrain, fields[kFieldTerrain], override);
    // "Unknown" is what a file writes for no legacy name: it only fills in an empty one.
    MergeText(cell.LegacyName, fields[kFieldLegacyName],
              override && TrimmedView(fields[kFieldLegacyName]) != kUnknownName);
    MergeListName(map.RegionList, cell.Region, fields[kFieldRegion], override);
    MergeNumber(cell.LegacyValue, fields[kFieldLegacyValue], override);

    // A numbered gate is never renumbered; an unknown or unnumbered one takes what the file
    // tells, but "no gate" (or a gate left out) never removes one.
    const std::int32_t gate = StrToIntLenient(fields[kFieldGate]);
    if (gate > 0 && (cell.Gate <= 0 || cell.Gate > kHighestRealGate))
        cell.Gate = gate;

    MergeSilver(cell, fields, override);
    // The type goes with the name: a file without town names writes type 0 for every hex.
    const bool namesTown = !TrimmedView(fields[kFieldPopCenter]).empty();
    MergeText(cell.PopCenter, fields[kFieldPopCenter], override);
    MergeNumber(cell.PopCenterType, fields[kFieldPopCenterType], override && namesTown);
    MergeText(cell.Shaft, fields[kFieldShaft], false);
    MergeText(cell.Other, fields[kFieldOther], false);
    MergeRace(map, cell, fields[kFieldRace], version);
    MergeNumber(cell.Population, fields[kFieldPopulation], override);
    MergeNumber(cell.FactionNo, fields[kFieldFactionNo], override);
    MergeText(cell.Comments, fields[kFieldComments], false);
    MergeText(cell.Note2, fields[kFieldNote2], false);
    MergeText(cell.Note3, fields[kFieldNote3], false);
    MergeMarks(cell, fields, options);
}

}  // namespace korvane
