// Merging one line of an exchange file into the cell it names, field by field.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace korvane {

class TMap;
class TMapCell;
struct ExchangeImportOptions;

/// The fields of an exchange line, by position.
enum ExchangeField : std::size_t {
    kFieldLevel,
    kFieldX,
    kFieldY,
    kFieldTerrain,
    kFieldLegacyName,
    kFieldRegion,
    kFieldLegacyValue,
    kFieldGate,
    kFieldSilver,
    kFieldPopCenter,
    kFieldPopCenterType,
    kFieldShaft,
    kFieldOther,
    kFieldRace,
    kFieldPopulation,
    kFieldFactionNo,
    kFieldUnconfirmed,
    kFieldComments,
    kFieldNote2,
    kFieldNote3,
    kFieldPathway1,
    kFieldPathway2,
    kFieldPathway3,
    kExchangeFieldCount  // a line of a version 2.00 file or later has at least this many
};

/// Merges the fields of a line (at least kExchangeFieldCount of them) of a file of `version`
/// into `cell`; the map's region and race lists gain the names they lack.
void MergeExchangeLine(TMap& map, TMapCell& cell, const std::vector<std::string_view>& fields, double version,
                       const ExchangeImportOptions& options);

}  // namespace korvane
