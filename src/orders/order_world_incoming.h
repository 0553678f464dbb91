// What the player's units receive in a month before they give or sell: the silver they claim
// and what their other units give them.
#pragma once

#include "core/text_helpers.h"

#include <cstdint>
#include <limits>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

class IncomingItems
{
public:
    static constexpr long long kUnlimited = std::numeric_limits<long long>::max();

    /// `amount` more of the item `code` for `unit`; kUnlimited for GIVE ALL.
    void Add(std::int32_t unit, std::string_view code, long long amount)
    {
        long long& total = received_[{unit, UpperCase(code)}];
        total = amount == kUnlimited || total > kUnlimited - amount ? kUnlimited : total + amount;
    }

    /// How much of the item `code` the unit receives; 0 when nothing.
    long long To(std::int32_t unit, std::string_view code) const
    {
        const auto found = received_.find({unit, UpperCase(code)});
        return found == received_.end() ? 0 : found->second;
    }

private:
    std::map<std::pair<std::int32_t, std::string>, long long> received_;
};

}  // namespace korvane
