// The hex balloon's rest-and-show timing and its place beside the cursor.
#include "mapview/windows/hex_balloon_state.h"

#include <cstdlib>

namespace korvane {

bool HexBalloonState::NearAnchor(int x, int y) const
{
    return std::abs(x - anchorX_) <= 1 && std::abs(y - anchorY_) <= 1;
}

HexBalloonState::Action HexBalloonState::Tick(int x, int y, const std::function<bool()>& canShow)
{
    const bool resting = NearAnchor(x, y);
    if (showing_ && resting)
        return Action::None;
    if (!resting) {
        // Moving is the one thing that lifts the pop-up menu's suppression.
        const bool wasShowing = showing_;
        Hidden(x, y);
        suppressed_ = false;
        return wasShowing ? Action::Hide : Action::None;
    }
    anchorX_ = x;
    anchorY_ = y;
    ++ticks_;
    if (ticks_ >= kRestTicks && !suppressed_ && canShow()) {
        showing_ = true;
        return Action::Show;
    }
    return Action::None;
}

void HexBalloonState::Hidden(int x, int y)
{
    showing_ = false;
    anchorX_ = x;
    anchorY_ = y;
    ticks_ = 0;
}

BalloonPlace PlaceBalloon(int cx, int cy, int screenWidth, int screenHeight, int width, int height)
{
    const bool right = cx <= screenWidth / 2;
    const bool below = cy <= screenHeight / 2;
    BalloonPlace place;
    place.x = right ? cx + 1 : cx - width - 1;
    place.y = below ? cy + 1 : cy - height - 1;
    place.corner = below ? (right ? 1 : 2) : (right ? 3 : 4);
    return place;
}

}  // namespace korvane
