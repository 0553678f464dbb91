// The three keyword files ("Skills.dat", "Troops.dat", "Equipmnt.dat") that unit records
// point into by position.
#pragma once

#include "core/file_result.h"
#include "core/refused_files.h"

#include <string>
#include <vector>

namespace korvane {

class TKeyStringList;
class TMap;
class TrecINI;
class UserInteraction;

/// Empties the three lists and loads them from the data folder; the race table is added to
/// the troops, its names winning over those of the troop file. Returns the files that exist
/// but could not be read (their lists stay without the file's entries).
std::vector<std::string> LoadKeywordLists(const TrecINI& settings, TKeyStringList& skills, TKeyStringList& troops,
                                          TKeyStringList& equipment);

/// Writes the three keyword lists, then "Units.dat", whose units point into them by position,
/// and that only when every list was written: neither a failed write nor a kill between the
/// two leaves units pointing at words no file holds. Files in `refused` are left as they are
/// (they were named when found); every other file not written is said. Fails, with the first
/// file not written (marked as said), when "Units.dat" was not written.
FileResult SaveKeywordListsThenUnits(const TMap& map, const TrecINI& settings, const TKeyStringList& skills,
                                     const TKeyStringList& troops, const TKeyStringList& equipment,
                                     const RefusedFiles& refused, UserInteraction& ui);

}  // namespace korvane
