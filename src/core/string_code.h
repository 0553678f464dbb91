// TStringCode: a game keyword with its singular and plural names.
#pragma once

#include <string>

namespace korvane {

struct TStringCode
{
    std::string Key;  // the game's short code, as "LEAD"
    std::string Singular;  // "leader"
    std::string Plural;  // "leaders"
};

}  // namespace korvane
