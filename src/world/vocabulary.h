// The game words the program knows before reading any report: report section keywords,
// terrain names, structure types and the races of the original game.
#pragma once

#include "world/name_list.h"

namespace korvane {

class TKeyStringList;

/// Report section keywords; a keyword's code is its position + 1. Surrounding spaces count.
NameList BuiltInSectionKeywords();

/// Terrain names; the position is the terrain code stored in a cell (0 "Unknown").
NameList BuiltInTerrainNames();

/// Structure and ship types; the position is the type code stored in a structure.
NameList BuiltInStructureTypes();

/// Codes of the terrains the program treats specially.
enum TerrainCode { kTerrainUnknown = 0, kTerrainOcean = 1, kTerrainSolid = 11 };

/// Adds the built-in race table to the troop keywords; its names replace those of the file.
void AddRaceTable(TKeyStringList& troops);

}  // namespace korvane
