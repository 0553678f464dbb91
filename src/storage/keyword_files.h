// The three keyword files ("Skills.dat", "Troops.dat", "Equipmnt.dat") that unit records
// point into by position.
#pragma once

namespace korvane {

class TKeyStringList;
class TrecINI;

/// Empties the three lists and loads them from the data folder; the race table is added to
/// the troops, its names winning over those of the troop file.
void LoadKeywordLists(const TrecINI& settings, TKeyStringList& skills, TKeyStringList& troops,
                      TKeyStringList& equipment);

/// Writes the three keyword files; false when any could not be written.
bool SaveKeywordLists(const TrecINI& settings, const TKeyStringList& skills, const TKeyStringList& troops,
                      const TKeyStringList& equipment);

}  // namespace korvane
