// The layer rule and the scan of src/ that applies it.
#include "layers/layer_rules.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace korvane::layers {

namespace {

std::string_view FirstComponents(std::string_view path, int count)
{
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) {
        end = path.find('/', end == 0 ? 0 : end + 1);
        if (end == std::string_view::npos)
            return path;
    }
    return path.substr(0, end);
}

std::string_view TrimLeft(std::string_view text)
{
    const auto start = text.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view{} : text.substr(start);
}

}  // namespace

const std::vector<Layer>& AllLayers()
{
    static const std::vector<Layer> kLayers = {
        {"core", 0},   {"people", 1},    {"world", 2},          {"storage", 3}, {"reportimport", 4},    {"orders", 4},
        {"combat", 4}, {"workspace", 5}, {"mapview/render", 6}, {"windows", 7}, {"mapview/windows", 8}, {"app", 9},
    };
    return kLayers;
}

std::optional<Layer> LayerOfPath(std::string_view relativePath)
{
    // The longest name first, so "mapview/render" wins over a layer named "mapview".
    std::optional<Layer> best;
    for (const Layer& layer : AllLayers()) {
        const std::string_view head = FirstComponents(relativePath,
                                                      layer.Name.find('/') == std::string_view::npos ? 1 : 2);
        if (head == layer.Name && head.size() < relativePath.size() && (!best || layer.Name.size() > best->Name.size()))
            best = layer;
    }
    return best;
}

std::optional<std::string> IncludeRefusal(const Layer& from, std::string_view includePath)
{
    const std::optional<Layer> to = LayerOfPath(includePath);
    if (!to || to->Name == from.Name || to->Rank < from.Rank)
        return std::nullopt;
    const std::string target(to->Name);
    const std::string own(from.Name);
    if (to->Rank == from.Rank)
        return "includes \"" + std::string(includePath) + "\": " + target + " is a sibling of " + own
            + "; pass what is needed in from the layer above both";
    return "includes \"" + std::string(includePath) + "\": " + target + " is a layer above " + own;
}

std::vector<std::pair<long, std::string>> QuotedIncludes(std::string_view text)
{
    std::vector<std::pair<long, std::string>> includes;
    long number = 0;
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        ++number;
        start = end + 1;
        line = TrimLeft(line);
        if (line.empty() || line.front() != '#')
            continue;
        line = TrimLeft(line.substr(1));
        if (line.substr(0, 7) != "include")
            continue;
        line = TrimLeft(line.substr(7));
        if (line.empty() || line.front() != '"')
            continue;
        const std::size_t close = line.find('"', 1);
        if (close != std::string_view::npos)
            includes.emplace_back(number, std::string(line.substr(1, close - 1)));
    }
    return includes;
}

std::vector<Violation> FindViolations(const std::filesystem::path& srcRoot)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(srcRoot)) {
        const auto extension = entry.path().extension();
        if (entry.is_regular_file() && (extension == ".h" || extension == ".cpp"))
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());

    std::vector<Violation> found;
    for (const auto& path : files) {
        const std::string relative = path.lexically_relative(srcRoot).generic_string();
        const std::optional<Layer> layer = LayerOfPath(relative);
        if (!layer) {
            found.push_back({relative, 0, "stands in no layer; put it in one of the layer folders"});
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        for (const auto& [line, include] : QuotedIncludes(text.str())) {
            if (auto refusal = IncludeRefusal(*layer, include))
                found.push_back({relative, line, std::move(*refusal)});
        }
    }
    return found;
}

std::string Describe(const Violation& violation)
{
    return violation.File + ":" + std::to_string(violation.Line) + ": " + violation.Message;
}

}  // namespace korvane::layers
