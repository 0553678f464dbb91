#include "combat/fort_list.h"

#include "core/text_helpers.h"

namespace korvane {

namespace {

/// Longest capacity text read after the ";".
constexpr std::size_t kMaxCapacityText = 200;

/// Offset of the ";" that ends an entry's name, or npos when the entry has no name.
std::size_t NameEnd(std::string_view entry)
{
    const std::size_t semicolon = entry.find(';');
    return semicolon == 0 ? std::string_view::npos : semicolon;
}

}  // namespace

TFortList::TFortList()
    : entries_{"None;0", "Tower;10", "Fort;50", "Castle;250", "Citadel;1250", "Magical Fortess;1250"}
{
}

std::vector<std::string> TFortList::Names() const
{
    std::vector<std::string> names;
    for (const auto& entry : entries_) {
        const std::size_t end = NameEnd(entry);
        if (end != std::string_view::npos)
            names.push_back(entry.substr(0, end));
    }
    return names;
}

std::int32_t TFortList::Capacity(int position) const
{
    if (position < 0 || position >= static_cast<int>(entries_.size()))
        return 0;
    const std::string_view entry = entries_[static_cast<std::size_t>(position)];
    const std::size_t end = NameEnd(entry);
    if (end == std::string_view::npos)
        return 0;
    return StrToIntLenient(TrimSpaces(entry.substr(end + 1, kMaxCapacityText)));
}

int TFortList::Find(std::string_view name) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::size_t end = NameEnd(entries_[i]);
        if (end != std::string_view::npos && SameText(std::string_view(entries_[i]).substr(0, end), name))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace korvane
