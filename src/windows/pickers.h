// How one window asks the player to pick a faction or an alliance through another window,
// without knowing that window: the opener hands in the picker.
#pragma once

#include <functional>

class QWidget;

namespace korvane {

class TAlliance;
class TFaction;

/// Asks for a faction; `topLine` is the picker's first visible line, read and kept for the
/// next time. Null when none was picked.
using FactionPicker = std::function<TFaction*(int& topLine, QWidget* parent)>;
/// Asks for an alliance; null when none was picked.
using AlliancePicker = std::function<TAlliance*(QWidget* parent)>;

}  // namespace korvane
