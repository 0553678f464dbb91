// The texts of the gate list and the city search, and the position read back from one of them.
#pragma once

#include "world/map.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace korvane {

/// One item per overworld gate, column by column: the gate number right-aligned in 3
/// characters (a longer number is cut to its first 3), two spaces and "(x,y)".
std::vector<std::string> GateListItems(const TMap& map);

/// One item per settlement whose name contains `searchText`, ignoring ASCII case: the trimmed
/// name, two spaces and "(x,y)", or "(x,y,underground)" for the underworld; overworld first,
/// column by column. An empty search text finds nothing.
std::vector<std::string> CityListItems(const TMap& map, std::string_view searchText);

/// The grid x and y of a gate or city item: the numbers of its last "(x,y)" or "(x,y,...)"
/// group, read leniently. Nothing when the group is incomplete.
std::optional<std::pair<int, int>> ListItemPosition(std::string_view item);

}  // namespace korvane
