// The layers of src/ and the one rule between them: a file includes only its own folder and
// the layers below it.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::layers {

/// A layer's name is its folder under src/ ("world", "mapview/render"); its rank orders the
/// layers bottom up. Layers of the same rank are siblings and do not include each other.
struct Layer
{
    std::string_view Name;
    int Rank;
};

/// Every layer, bottom up.
const std::vector<Layer>& AllLayers();

/// The layer a path under src/ belongs to ("world/map.h" is in "world", "mapview/render/x.h"
/// in "mapview/render"); nothing for a path outside every layer.
std::optional<Layer> LayerOfPath(std::string_view relativePath);

/// One include that breaks the rule, or a file that stands in no layer.
struct Violation
{
    std::string File;  // relative to src/, with "/" separators
    long Line = 0;  // 0 for a file in no layer
    std::string Message;
};

/// Why a file in `from` may not include `includePath`; nothing when it may. Includes that name
/// no layer folder (a header beside the file, a generated one) are not the rule's business.
std::optional<std::string> IncludeRefusal(const Layer& from, std::string_view includePath);

/// The path of every `#include "..."` of a text, with its line number.
std::vector<std::pair<long, std::string>> QuotedIncludes(std::string_view text);

/// Reads every .h and .cpp under `srcRoot` and gives what breaks the rule, in path order.
std::vector<Violation> FindViolations(const std::filesystem::path& srcRoot);

/// "world/map.h:5: ..." for the messages of a check.
std::string Describe(const Violation& violation);

}  // namespace korvane::layers
