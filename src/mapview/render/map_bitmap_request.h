// The checks a map bitmap request passes before anything is drawn: the fields of the
// "Generate Map" window (or the command line's options) in, a drawable request out.
#pragma once

#include <optional>
#include <string>

namespace korvane {

class UserInteraction;

/// The texts and switches as the player entered them.
struct MapBitmapFields
{
    std::string fileName;
    std::string title;
    std::string left, top, right, bottom, scale;
    bool hexCoords = false, townIcons = false, townNames = false, unconfirmed = false;
    bool gates = false, gateNumbers = false, shafts = false, other = false;
    bool underworld = false;
};

/// The field the player should correct after a refusal.
enum class MapBitmapField { None, FileName, Left, Top, Scale };

/// What `MakeMapBitmap` draws: a rectangle of one level at one scale.
struct MapBitmapRequest
{
    std::string fileName;
    std::string title;
    int options = 0;
    int level = 0;
    int scale = 1;
    int left = 0, top = 0, width = 1, height = 1;
};

/// Checks the fields in the order the player meets the messages: the file name, overwriting
/// an existing file (asked), the rectangle (Left, Top, Right and Bottom are clamped to the
/// grid and written back into `fields`), then the scale. Nothing when refused; `focus` then
/// names the field to correct (None when the player declined to overwrite).
std::optional<MapBitmapRequest> CheckMapBitmapFields(MapBitmapFields& fields, UserInteraction& ui,
                                                     MapBitmapField& focus);

}  // namespace korvane
