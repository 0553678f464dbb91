// The detail lines of a region block in a turn report: weather, wages, markets, entertainment,
// exits, gate and structures, each read into the region's cell.
#pragma once

#include <string_view>

namespace korvane {

class TMap;
class TMapCell;

/// Report line codes of the details and units of a region block.
enum ReportLineCode {
    kCodeWeather = 10,
    kCodeWages = 11,
    kCodeWanted = 12,
    kCodeForSale = 13,
    kCodeEntertainment = 14,
    kCodeProducts = 15,
    kCodeExits = 16,
    kCodeGate = 17,
    kCodeUnitStar = 18,
    kCodeUnitDash = 19,
    kCodeInnerUnitStar = 20,
    kCodeInnerUnitDash = 21,
    kCodeStructure = 22,
};

/// How old the report being read is, next to the latest imported: some details of an older
/// report must not overwrite what a newer one said.
struct ReportAge
{
    int turn = -1;
    int maxTurn = 0;
    bool NotOlder() const { return turn >= maxTurn; }
};

void ParseWeather(TMap& map, TMapCell& cell, std::string_view line, const ReportAge& age);
void ParseWages(TMapCell& cell, std::string_view line);
/// "Wanted:", "For Sale:" and "Products:" lines, by their code.
void ParseMarket(TMap& map, TMapCell& cell, std::string_view line, int code, const ReportAge& age);
void ParseEntertainment(TMapCell& cell, std::string_view line);
void ParseGate(TMapCell& cell, std::string_view line);
/// All exits of the block in one line; also marks the underworld rock and passages around the cell.
void ParseExits(TMap& map, TMapCell& cell, std::string_view line);
/// A "+ " line; returns the structure's number for the unit lines that follow, -1 when none.
int ParseStructure(TMap& map, TMapCell& cell, std::string_view line);

}  // namespace korvane
