// Moving the map between imported turns: the turn buttons and swapping the units shown.
#pragma once

#include "core/file_result.h"

#include <string>
#include <vector>

namespace korvane {

class TFactionList;
class TKeyStringList;
class TMap;
class TUnitList;
class TrecINI;
class UserInteraction;

/// The four turn buttons of the main window: one or five turns up or down.
enum class TurnButton { Up1, Up5, Down1, Down5 };

/// The turn a button leads to: up only below `maxTurn` (five up stops at it), down only
/// above turn 1 (five down stops at 1); otherwise `currentTurn` unchanged.
int SteppedTurn(TurnButton button, int currentTurn, int maxTurn);

/// Shows the units of `turn`: every cell's units are replaced by those of the turn's hex unit
/// file, the map's unit records are brought up to it (the player's own units the turn does not
/// list leave the list; others stay shown in their last hex), and the turn's orders are loaded.
/// Files are read from the data folder; `CurrentTurn` is the caller's to set. Returns the
/// turn's files that are there but could not be read (each said once): writing over them would
/// lose what they hold.
std::vector<std::string> StepToTurn(TMap& map, const TrecINI& settings, const TFactionList& factions,
                                    const TKeyStringList& skills, int turn, UserInteraction& ui);
/// As StepToTurn, with the turn's hex unit file read already into `found` (emptied here);
/// `read` is what LoadUnitFile answered for it.
std::vector<std::string> StepToTurn(TMap& map, const TrecINI& settings, const TFactionList& factions,
                                    const TKeyStringList& skills, int turn, TUnitList& found, const FileResult& read,
                                    UserInteraction& ui);

}  // namespace korvane
