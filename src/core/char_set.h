// A set over the 256 byte values, used to pick characters out of report and file text.
#pragma once

#include <bitset>
#include <string_view>

namespace korvane {

using CharSet = std::bitset<256>;

/// The set holding exactly the bytes of `chars`.
inline CharSet MakeCharSet(std::string_view chars)
{
    CharSet set;
    for (char c : chars)
        set.set(static_cast<unsigned char>(c));
    return set;
}

inline bool CharInSet(char c, const CharSet& set)
{
    return set.test(static_cast<unsigned char>(c));
}

}  // namespace korvane
