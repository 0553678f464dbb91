// A world with every position of both levels known, shared by the timing programs.
#pragma once

#include "world/map.h"
#include "world/map_cell.h"

#include <memory>
#include <string>

namespace korvane::bench {

/// The number each filled cell derives its values from, so that other programs can vary
/// the same cells the same way.
inline int CellSeed(int level, int x, int y)
{
    return x * 7 + y * 13 + level;
}

/// Fills every position of both levels: varied terrain, region, markets and weather, a
/// settlement on every fifth cell, a structure in each, and a third of them unconfirmed.
inline void FillEveryCell(TMap& map)
{
    for (int level = 0; level < TMap::kLevels; ++level) {
        for (int x = 0; x <= TMap::kMaxX; ++x) {
            for (int y = x % 2; y <= TMap::kMaxY; y += 2) {
                TMapCell& cell = *map.EnsureCell(level, x, y);
                const int seed = CellSeed(level, x, y);
                cell.Terrain = 1 + seed % 12;
                cell.Region = 1 + seed % 40;
                cell.Silver = seed % 5000;
                cell.Wages = 10 + seed % 6;
                cell.MaxWages = seed % 900;
                cell.Entertainment = seed % 120;
                cell.Race = seed % 9;
                cell.Population = 100 + seed % 9000;
                cell.WeatherWas = seed % 4;
                cell.WeatherNext = (seed + 1) % 4;
                cell.LastUpdate = 1 + seed % 60;
                cell.Unconfirmed = seed % 3 == 0;
                if (seed % 5 == 0) {
                    cell.PopCenter = "Town " + std::to_string(seed);
                    cell.PopCenterType = 1 + seed % 3;
                }
                cell.Comments = seed % 11 == 0 ? "seen from the ridge" : "";
                cell.Wanted = {{seed % 30, 20 + seed % 50, 30 + seed % 90}, {(seed + 3) % 30, -1, 12}};
                cell.ForSale = {{(seed + 7) % 30, 5 + seed % 20, 60 + seed % 200}, {(seed + 9) % 30, 10, 45}};
                cell.Products = {{(seed + 11) % 30, 20 + seed % 40, 0}};
                cell.AddStructure(std::make_unique<TStructure>(
                    TStructure{1 + seed % 500, seed % 20, "Building " + std::to_string(seed), "stone walls"}));
            }
        }
    }
}

}  // namespace korvane::bench
