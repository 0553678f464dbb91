// The files kept per turn beside "Units.dat": the hex unit files and the orders files.
#pragma once

#include "core/file_result.h"
#include <cstdint>
#include <string>

namespace korvane {

class TMap;
class TrecINI;
class TUnitList;

/// `stem`, the turn with leading zeros to 4 digits, and ".dat": ("Units", 7) gives
/// "Units0007.dat". Turns of more digits keep them all, so names never collide.
std::string TurnFileName(const std::string& stem, int turn);

/// "Units.dat": the map's latest record of every unit. Loading it fails, NotFound, when there
/// is none.
FileResult SaveUnits(const TMap& map, const std::string& dir, const TrecINI& settings);
FileResult LoadUnits(TMap& map, const std::string& dir, const TrecINI& settings);
/// Writes every cell's units, in grid order, as the hex unit file of `turn`.
FileResult SaveHexUnits(const TMap& map, const std::string& dir, int turn, const TrecINI& settings);
/// Places the units of the hex unit file of the current turn into their cells; NotFound when
/// the turn has no such file.
FileResult LoadHexUnits(TMap& map, const std::string& dir, const TrecINI& settings);
/// Moves the units of a hex unit file, as read, into the cells they name (made when missing);
/// units with no place on the map are dropped.
void PlaceHexUnits(TMap& map, TUnitList& found, std::int32_t ownFaction);
/// Reads the orders file of `turn` into the map's unit list; a failure when it exists but cannot be read.
FileResult LoadTurnOrders(TMap& map, const std::string& dir, int turn, const TrecINI& settings);

}  // namespace korvane
