// The fortifications a side of a battle can hold, each a name and the men it shelters.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class TFortList
{
public:
    /// The six fortifications, "None" first.
    TFortList();

    /// Every entry as "name;capacity", in order.
    const std::vector<std::string>& Entries() const { return entries_; }

    /// The names a drop-down list offers: those of the entries that have a name before ";".
    std::vector<std::string> Names() const;

    /// The capacity of the entry at `position`; 0 for a position out of range or an entry
    /// without a name.
    std::int32_t Capacity(int position) const;

    /// The position of the entry named `name` (ASCII case ignored), or -1.
    int Find(std::string_view name) const;

private:
    std::vector<std::string> entries_;
};

}  // namespace korvane
