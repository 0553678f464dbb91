// The merge rules of an exchange line: what a file may fill in, and what only overrides.
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

bool ReadsOne(std::string_view field) { return StrToIntLenient(field) == 1; }

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
void MergeText(std::string& text, std::string_view field, bool override)
{
    std::string given = TrimSpaces(field);
    if (!given.empty() && (override || TrimmedView(text).empty()))
        text = std::move(given);
}

/// A number the file gives, taken where the cell does not know one (0 or less), or with `override`.
void MergeNumber(std::int32_t& value, std::string_view field, bool override)
{
    if (override || value <= 0)
        value = StrToIntLenient(field);
}

void MergeRace(TMap& map, TMapCell& cell, std::string_view field, double version)
{
    if (version <= kLastRaceCodeVersion) {
        // Such a file tells no race; a race the map knows stays.
        if (cell.Race <= 0)
            cell.Race = 0;
        return;
    }
    // A number is a race code of the exporter's own list: only names are taken.
    const std::string name = TrimSpaces(field);
    if (StrToIntLenient(name) != 0 || name == "0")
        return;
    const int race = NamePosition(map.RaceList, name);
    if (race >= 0)
        cell.Race = race;
}

void MergeMarks(TMapCell& cell, const std::vector<std::string_view>& fields, const ExchangeImportOptions& options)
{
    if (options.Confirmed) {
        if (options.Override || cell.Unconfirmed)
            cell.Unconfirmed = ReadsOne(fields[kFieldUnconfirmed]);
    } else if (options.Override) {
        cell.Unconfirmed = true;
    }
    for (std::size_t kind = 0; kind < cell.Pathway.size(); ++kind) {
        if (options.Override || !cell.Pathway[kind])
            cell.Pathway[kind] = ReadsOne(fields[kFieldPathway1 + kind]);
    }
}

}  // namespace

void MergeExchangeLine(TMap& map, TMapCell& cell, const std::vector<std::string_view>& fields, double version,
                       const ExchangeImportOptions& options)
{
    const bool override = options.Override;
    if (override || cell.Terrain == 0)
        cell.Terrain = StrToIntLenient(fields[kFieldTerrain]);
    MergeText(cell.LegacyName, fields[kFieldLegacyName], override);
    if (override || cell.Region == 0) {
        const int region = NamePosition(map.RegionList, TrimSpaces(fields[kFieldRegion]));
        if (region >= 0)
            cell.Region = region;
    }
    MergeNumber(cell.LegacyValue, fields[kFieldLegacyValue], override);

    // A numbered gate is never renumbered; an unknown or unnumbered one takes what the file
    // tells, but "no gate" (or a gate left out) never removes one.
    const std::int32_t gate = StrToIntLenient(fields[kFieldGate]);
    if (gate > 0 && (cell.Gate <= 0 || cell.Gate > kHighestRealGate))
        cell.Gate = gate;

    MergeNumber(cell.Silver, fields[kFieldSilver], override);
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
