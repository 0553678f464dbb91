// The orders file sent to the game server: the faction's header line, one block of orders per
// own unit shown on the map, hex by hex, and the end marker.
#pragma once

#include "core/file_result.h"

#include <cstdint>
#include <string>

namespace korvane {

class TMap;
class TrecINI;

/// The orders of the player's units (faction `FactionNo`) shown in the turn loaded, seen no
/// earlier than `CurrentTurn` and kept in the map's unit list, hex by hex in rows of each
/// level, as the server reads them: lines end in LF alone, as the server keeps a CR as part
/// of the line's last word.
std::string OrdersFileText(const TMap& map, const TrecINI& settings);

/// Replaces the file with OrdersFileText as a whole. A file that cannot be written is named
/// with why, and any old file stays untouched.
FileResult WriteOrdersFile(const TMap& map, const TrecINI& settings, const std::string& fileName);

/// The name proposed for the orders of the turn after `currentTurn`: "Turn", that turn with
/// leading zeros to 3 digits, ".txt" (12 gives "Turn013.txt").
std::string ProposedOrdersFileName(std::int32_t currentTurn);

/// The question asked before an existing file is replaced, naming it without its folder.
std::string ReplaceOrdersFileQuestion(const std::string& fileName);

}  // namespace korvane
