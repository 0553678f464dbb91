// Where the main window and its tool windows go at start, and what of their places the settings
// keep at the end. Plain numbers, so that the rules can be checked without a screen.
#pragma once

#include <optional>
#include <utility>

namespace korvane {

class TrecINI;

struct ScreenSize
{
    int width = 0;
    int height = 0;
};

/// What the start-up does to the main window; a part left unset leaves the window as it is.
struct MainWindowPlacement
{
    std::optional<int> width, height;  // both set, or neither
    int x = 10, y = 10;  // always set: (10, 10) when no place was saved
    std::optional<int> rightColumnWidth;
    std::optional<int> state;  // 0 normal, 1 minimised, 2 maximised
};

/// The main window's place from the settings on a screen of that size. A saved size larger than
/// the screen is lowered to it, and a saved place at or beyond the screen's edge is moved back
/// onto it; those corrections are stored back in the settings. `designedWidth` and
/// `designedHeight` stand in for a size the settings never held.
MainWindowPlacement RestoreMainWindow(TrecINI& settings, ScreenSize screen, int designedWidth, int designedHeight);

/// The window's place and state at closing, into the settings: its size only while it is in
/// the normal state, so that a maximised window keeps the size it will return to.
void StoreMainWindow(TrecINI& settings, int x, int y, int width, int height, int rightColumnWidth, int state);

/// A tool window's saved place, moved back onto the screen when beyond its edge; none when the
/// settings hold no place (either value 0 or below): the window is then centred over its owner.
std::optional<std::pair<int, int>> ToolWindowPlace(int savedX, int savedY, int width, int height, ScreenSize screen);

/// The balloon delay held to 1..10 tenths of a second, stored back in the settings.
int ClampHintDelay(TrecINI& settings);

}  // namespace korvane
