// OrderVocabularyCache: the names the player's orders may use, built once and built again only
// when the keyword lists have changed (an import teaches new names).
#pragma once

#include "orders/order_vocabulary.h"

#include <cstdint>
#include <optional>

namespace korvane {

class Workspace;

class OrderVocabularyCache
{
public:
    /// The vocabulary of the workspace's keyword lists as they are now. The reference stays
    /// valid as long as the cache; its contents follow the lists at the next call.
    const OrderVocabulary& For(const Workspace& workspace);

private:
    OrderVocabulary vocabulary_;
    std::optional<std::uint64_t> builtFrom_;  // the fingerprint of the lists it was built from
};

}  // namespace korvane
