// The readers the fuzz targets drive, shared with the replay test. Each takes any bytes as the
// file (or files, cut at form feeds) it reads, from memory, writing nothing.
#pragma once

#include <string_view>
#include <vector>

namespace korvane::fuzz {

/// A turn report, read into an empty world with faction 3 as the player's.
void ReadReport(std::string_view input);
/// Map.Dat, Terrain, Regions, Races, Weather, Products, Colours, MapIcons and a hex unit file,
/// cut at form feeds; the cells are then written back as lines and drawn from the lists.
void ReadMapDatabase(std::string_view input);
/// A unit file, loaded and written back.
void ReadUnitFile(std::string_view input);
/// A unit file and an orders file, cut at a form feed; the orders are written back.
void ReadOrdersFile(std::string_view input);
/// "Factions.dat".
void ReadFactionsFile(std::string_view input);
/// "Alliance.dat", then a new alliance added.
void ReadAllianceFile(std::string_view input);
/// "ATLANTIS.INI", then every value set again into its lines.
void ReadSettingsFile(std::string_view input);
/// The game's faction list, merged into an empty registry.
void ReadFactionList(std::string_view input);
/// A battle file, written back as lines, then fought within small limits.
void ReadBattleFile(std::string_view input);
/// An exchange file merged into an empty world, then again overriding, which must leave every
/// hex that held map knowledge holding some; what the world then exports must come back
/// unchanged through an import into an empty world.
void ReadExchangeFile(std::string_view input);
/// An orders file checked as a whole and as one unit's lines, whose problems must all name a
/// line of the text, in file order for the whole file.
void CheckOrderLines(std::string_view input);

struct Reader
{
    const char* Name;  // also the corpus folder, fuzz/corpus/<Name>, and the target, <Name>_fuzz
    void (*Read)(std::string_view input);
};

/// Every reader above with its name.
const std::vector<Reader>& Readers();

}  // namespace korvane::fuzz
