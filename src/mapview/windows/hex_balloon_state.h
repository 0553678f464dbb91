// When the hex balloon comes and goes: the cursor must rest for a few ticks of the balloon
// timer, and any movement of more than one pixel takes the balloon away.
#pragma once

#include <functional>

namespace korvane {

class HexBalloonState
{
public:
    /// Ticks the cursor must rest before a balloon shows.
    static constexpr int kRestTicks = 5;

    enum class Action { None, Show, Hide };

    /// One timer tick with the cursor at screen point (x, y). `canShow` is asked only when a
    /// balloon is due: whether the point lies over a hex the balloon has something to say about.
    Action Tick(int x, int y, const std::function<bool()>& canShow);

    /// The pop-up menu opened: no balloon until the cursor has moved.
    void Suppress() { suppressed_ = true; }
    /// The balloon was taken away by other means (a click, the cursor moving over the map):
    /// the rest starts again from where the cursor is.
    void Hidden(int x, int y);

    bool Showing() const { return showing_; }
    bool Suppressed() const { return suppressed_; }

private:
    bool NearAnchor(int x, int y) const;

    int anchorX_ = -1, anchorY_ = -1;
    int ticks_ = 0;
    bool showing_ = false;
    bool suppressed_ = false;
};

/// Where a balloon of `width` x `height` goes beside the cursor (cx, cy) on a screen of
/// `screenWidth` x `screenHeight`: right of the cursor in the left half, left of it in the
/// right half; below in the upper half, above in the lower. `corner` tells the balloon which
/// of its corners points at the cursor: 1 top-left, 2 top-right, 3 bottom-left, 4 bottom-right.
struct BalloonPlace
{
    int x = 0, y = 0;
    int corner = 1;
};
BalloonPlace PlaceBalloon(int cx, int cy, int screenWidth, int screenHeight, int width, int height);

}  // namespace korvane
