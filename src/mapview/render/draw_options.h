// The switches that say what a map drawing shows, as one set of bits.
#pragma once

namespace korvane {

enum DrawOption : int {
    doTownIcons = 1,
    doHexCoords = 2,
    doTownNames = 4,
    doUnconfirmed = 8,
    doGates = 16,
    doGateNumbers = 32,
    doShafts = 64,
    doOther = 128,
    doTroops = 512,
    doDoneOrders = 1024,
};

}  // namespace korvane
