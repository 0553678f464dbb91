// TFaction: what the player knows about one faction of the game, and the 5-digit record keys.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

/// The faction's number padded with leading zeros to 5 digits ("00012"), so that keys sort in
/// number order; "00000" for numbers below 1. Longer numbers are kept whole, never cut.
std::string FactionKey(std::int32_t number);

/// Alliance numbers are keyed the same way in a faction's `AllianceKeys`.
inline std::string AllianceKey(std::int32_t number)
{
    return FactionKey(number);
}

class TFaction
{
public:
    /// The alliances this faction belongs to, as 5-digit keys in the order they were added.
    std::vector<std::string> AllianceKeys;
    std::int32_t Number = -1;
    std::string Name;
    std::string Player;
    std::string EMail;
    /// Low byte red, then green, then blue: pure blue until the player picks one.
    std::int32_t Colour = 0xFF0000;
    std::string Comments;

    std::string Key() const { return FactionKey(Number); }

    /// Records membership of an alliance; a second call for the same alliance changes nothing.
    void AddAlliance(std::int32_t alliance);
    bool InAlliance(std::int32_t alliance) const;
    void RemoveAlliance(std::int32_t alliance);
};

}  // namespace korvane
