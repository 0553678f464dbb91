// What a map drawing reads and where it draws: the world with its registries, and the frame
// of the grid to draw.
#pragma once

#include "mapview/render/troop_groups.h"

#include <QRect>

#include <cstdint>

namespace korvane {

class TAllianceList;
class TFactionList;
class TMap;
class Workspace;

struct MapScene
{
    /// The workspace's world, registries, own faction and turn shown, without a troop display.
    explicit MapScene(const Workspace& workspace);
    MapScene(const TMap& map, const TFactionList& factions, const TAllianceList& alliances)
        : map(map)
        , factions(factions)
        , alliances(alliances)
    {
    }

    const TMap& map;
    const TFactionList& factions;
    const TAllianceList& alliances;
    std::int32_t ownFaction = 0;
    std::int32_t currentTurn = 0;
    TroopDisplay display;
};

/// The part of the grid to draw and how.
struct MapFrame
{
    int left = 0;  // grid origin: the column and row at the margins
    int top = 0;
    int cols = 0;
    int rows = 0;
    int zoom = 5;
    int level = 0;
    int marginX = 4;
    int marginY = 4;
    QRect clip;  // nothing is drawn outside it
    int options = 0;
};

}  // namespace korvane
