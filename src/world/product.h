// Small records of the vocabulary: market entries, item names and troop-mark tallies.
#pragma once

#include <cstdint>
#include <string>

namespace korvane {

/// One market or production entry of a hex.
struct TProduct
{
    std::int32_t Item = -1;  // position in the map's ProductList
    std::int32_t Amount = 0;  // -1 for unlimited
    std::int32_t Price = 0;
};

/// The name attached to an item code in the map's ProductList.
struct TProductEntry
{
    std::string Name;
};

/// Three numbers; the map drawing tallies one troop group in it (the men seen, and whether
/// the group was seen in the turn shown: 0, or -1 when older).
struct TNumberListObject
{
    std::int32_t Number1 = 0;
    std::int32_t Number2 = 0;
    std::int32_t Number3 = 0;
};

}  // namespace korvane
