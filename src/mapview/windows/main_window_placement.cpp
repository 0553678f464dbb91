// The main window's place from the settings and back.
#include "mapview/windows/main_window_placement.h"

#include "core/settings.h"

#include <algorithm>
#include <utility>

namespace korvane {

MainWindowPlacement RestoreMainWindow(TrecINI& settings, ScreenSize screen, int designedWidth, int designedHeight)
{
    MainWindowPlacement placement;
    if (settings.MainH >= 0) {
        settings.MainH = std::min(settings.MainH, screen.height);
        settings.MainW = std::min(settings.MainW, screen.width);
        placement.width = settings.MainW;
        placement.height = settings.MainH;
    }
    if (settings.MainX >= 0) {
        // A size never saved is the window's own, not -1: the window must still land on screen.
        const int width = settings.MainW >= 0 ? settings.MainW : designedWidth;
        const int height = settings.MainH >= 0 ? settings.MainH : designedHeight;
        if (settings.MainX >= screen.width)
            settings.MainX = std::max(screen.width - width, 0);
        if (settings.MainY >= screen.height)
            settings.MainY = std::max(screen.height - height, 0);
        placement.x = settings.MainX;
        placement.y = settings.MainY;
    }
    if (settings.MainSplitterX > 0)
        placement.rightColumnWidth = settings.MainSplitterX;
    if (settings.WindowState >= 0)
        placement.state = settings.WindowState;
    return placement;
}

void StoreMainWindow(TrecINI& settings, int x, int y, int width, int height, int rightColumnWidth, int state)
{
    settings.MainX = x;
    settings.MainY = y;
    if (state == 0) {
        settings.MainH = height;
        settings.MainW = width;
    }
    settings.MainSplitterX = rightColumnWidth;
    settings.WindowState = state;
}

std::optional<std::pair<int, int>> ToolWindowPlace(int savedX, int savedY, int width, int height, ScreenSize screen)
{
    if (savedX <= 0 || savedY <= 0)
        return std::nullopt;
    const int x = savedX > screen.width ? std::max(screen.width - width, 0) : savedX;
    const int y = savedY > screen.height ? std::max(screen.height - height, 0) : savedY;
    return std::make_pair(x, y);
}

int ClampHintDelay(TrecINI& settings)
{
    settings.HintDelay = std::clamp(settings.HintDelay, 1, 10);
    return settings.HintDelay;
}

}  // namespace korvane
