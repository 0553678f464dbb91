// Names of the files kept per turn: the hex unit files and the orders files.
#pragma once

#include <string>

namespace korvane {

/// `stem`, the turn with leading zeros to 4 digits, and ".dat": ("Units", 7) gives
/// "Units0007.dat". Turns of more digits keep them all, so names never collide.
std::string TurnFileName(const std::string& stem, int turn);

}  // namespace korvane
