// A battle set-up kept as a file (".BTL"): both sides' units and the conditions of the field.
// The fortifications are chosen anew for every battle and are not kept.
#pragma once

#include "core/file_result.h"

#include "combat/battle.h"
#include "combat/combat_unit.h"

#include <string>
#include <vector>

namespace korvane {

class LineReader;

struct BattleSetup
{
    std::vector<TCombatUnit> Left;
    std::vector<TCombatUnit> Right;
    TCombatSide TacticalAdvantage = TCombatSide::None;
    bool HorseTerrain = false;
};

/// Something of a battle file that could not be read as it should, for the caller to show.
struct BattleFileProblem
{
    long LineNumber = 0;  // the line it concerns, from 1; past the last line when one is missing
    std::string Text;
};

/// The lines of a battle file for `setup`, without line ends.
std::vector<std::string> BattleFileLines(const BattleSetup& setup);

/// Writes `setup` to `path` as one atomic replacement, lines ended by CR LF. A failure names
/// the file and why, and any old file is kept.
FileResult SaveBattleFile(const std::string& path, const BattleSetup& setup);

/// Reads a battle file from `reader` into a fresh set-up, as far as it is readable; what was
/// not is added to `problems`. False, and `setup` untouched, when the reader is not open or a
/// read fails.
bool ReadBattleFile(LineReader& reader, BattleSetup& setup, std::vector<BattleFileProblem>& problems);

/// ReadBattleFile from the file at `path`; a failure names the file and why.
FileResult LoadBattleFile(const std::string& path, BattleSetup& setup, std::vector<BattleFileProblem>& problems);

}  // namespace korvane
