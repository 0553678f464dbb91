// Checking a map bitmap request.
#include "mapview/render/map_bitmap_request.h"

#include "core/file_names.h"
#include "core/text_helpers.h"
#include "core/user_interaction.h"
#include "mapview/render/draw_options.h"
#include "world/map.h"

#include <algorithm>

namespace korvane {

std::optional<MapBitmapRequest> CheckMapBitmapFields(MapBitmapFields& fields, UserInteraction& ui,
                                                     MapBitmapField& focus)
{
    focus = MapBitmapField::None;
    MapBitmapRequest request;
    request.fileName = TrimSpaces(fields.fileName);
    if (request.fileName.empty()) {
        ui.Error("Bad file name ... bad, BAD file name.");
        focus = MapBitmapField::FileName;
        return std::nullopt;
    }
    if (FileExists(request.fileName) && !ui.AskYesNo("File exist. Do you wish to overwrite it ?"))
        return std::nullopt;

    const int left = std::max(0, StrToIntLenient(fields.left));
    const int top = std::max(0, StrToIntLenient(fields.top));
    const int right = std::min(TMap::kMaxX, StrToIntLenient(fields.right));
    const int bottom = std::min(TMap::kMaxY, StrToIntLenient(fields.bottom));
    fields.left = std::to_string(left);
    fields.top = std::to_string(top);
    fields.right = std::to_string(right);
    fields.bottom = std::to_string(bottom);
    if (left > right) {
        ui.Warning("Errr, I think you want to make Left <= Right.");
        focus = MapBitmapField::Left;
        return std::nullopt;
    }
    if (top > bottom) {
        ui.Warning("Sadly, my coordinate system requires Top <= Bottom. Try again.");
        focus = MapBitmapField::Top;
        return std::nullopt;
    }
    request.left = left;
    request.top = top;
    request.width = right - left + 1;
    request.height = bottom - top + 1;
    if (left + request.width > TMap::kMaxX)
        request.width = TMap::kMaxX - left;
    if (top + request.height > TMap::kMaxY)
        request.height = TMap::kMaxY - top;

    request.scale = StrToIntLenient(fields.scale);
    if (request.scale < 1 || request.scale > 10) {
        ui.Error(request.scale < 1 ? "Jeeesh, you really want the map small. Sorry, 1 is as small as I go."
                                   : "Whoa ... that's a little BIG. 10 is as large as I go.");
        focus = MapBitmapField::Scale;
        return std::nullopt;
    }

    request.options = (fields.townIcons ? doTownIcons : 0) | (fields.hexCoords ? doHexCoords : 0)
        | (fields.townNames ? doTownNames : 0) | (fields.unconfirmed ? doUnconfirmed : 0) | (fields.gates ? doGates : 0)
        | (fields.gateNumbers ? doGateNumbers : 0) | (fields.shafts ? doShafts : 0) | (fields.other ? doOther : 0);
    request.level = fields.underworld ? TMap::kUnderworld : TMap::kOverworld;
    request.title = TrimSpaces(fields.title);
    return request;
}

}  // namespace korvane
