// A scene of the workspace.
#include "mapview/render/map_scene.h"

#include "workspace/workspace.h"

namespace korvane {

MapScene::MapScene(const Workspace& workspace)
    : map(workspace.Map)
    , factions(workspace.Factions)
    , alliances(workspace.Alliances)
    , ownFaction(workspace.Settings.FactionNo)
    , currentTurn(workspace.Settings.CurrentTurn)
{
}

}  // namespace korvane
