// The names the player's orders may use in this game.
#pragma once

#include "orders/order_vocabulary.h"

namespace korvane {

class Workspace;

/// The standard game's names with those the player's reports taught (the keyword lists).
/// Built anew on each call: keep it while the keyword lists stay as they are.
OrderVocabulary PlayerOrderVocabulary(const Workspace& workspace);

}  // namespace korvane
