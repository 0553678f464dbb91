// TStructure: a building, ship or special object seen in a hex.
#pragma once

#include <cstdint>
#include <string>

namespace korvane {

struct TStructure
{
    std::int32_t Number = 0;
    std::int32_t Type = 0;  // position in the map's StructureTypes
    std::string Name;
    std::string Description;
};

}  // namespace korvane
