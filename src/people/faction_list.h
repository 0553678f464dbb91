// TFactionList: the faction registry, in ascending faction number, with its file
// "Factions.dat" and the import of the game's faction list.
#pragma once

#include "core/file_result.h"
#include "core/keyed_list.h"
#include "people/faction.h"

#include <cstdint>
#include <memory>
#include <string>

namespace korvane {

class LineReader;
class TrecINI;

class TFactionList
{
public:
    int Count() const { return list_.Count(); }
    /// The faction at a position (ascending number); null outside 0..Count-1.
    TFaction* Items(int index) const { return list_.Items(index); }

    /// The faction with that number, or null. Numbers below 1 never name a faction (units
    /// of no known faction carry -1), so they find nothing.
    TFaction* Find(std::int32_t number) const;

    /// Takes the faction under its key; a faction already held under that key is freed and
    /// replaced. Returns the faction stored (null when given none).
    TFaction* Add(std::unique_ptr<TFaction> faction);

    void Clear() { list_.Clear(); }
    /// Frees and removes the faction with that number, if there is one.
    void Remove(std::int32_t number) { list_.Delete(list_.IndexOf(FactionKey(number))); }

    /// Replaces the list with "Factions.dat" from the data folder. A missing file succeeds and
    /// changes nothing. A file that cannot be read to its end, or has no version header this
    /// program reads (none, version 1, an unreadable number), is refused: a failure, list unchanged.
    FileResult LoadFromFile(const TrecINI& settings);
    /// As LoadFromFile, from the lines of `reader` (a header line, then one faction per line);
    /// false when refused.
    bool LoadFromLines(LineReader& reader);

    /// Rewrites "Factions.dat" in the data folder; on failure the old file is kept and the result says why.
    FileResult SaveToFile(const TrecINI& settings) const;

    /// Merges the game's faction list file: new factions are added, known ones get the name
    /// and address from the file and keep everything the player entered. Fails when the file
    /// is missing or cannot be read.
    FileResult ImportFactionList(const std::string& fileName);
    /// As ImportFactionList, from the lines of `reader`.
    void ImportFactionList(LineReader& reader);

private:
    KeyedList<TFaction> list_;
};

/// The warning a player is shown when the faction list file could not be imported.
std::string FactionListImportWarning(const FileResult& failure);

}  // namespace korvane
