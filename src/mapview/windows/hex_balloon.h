// HexBalloon: the small yellow balloon with a hex's products that appears beside a cursor
// resting over the map.
#pragma once

#include "mapview/windows/hex_balloon_state.h"
#include "mapview/windows/hex_pages.h"

#include <QWidget>

namespace korvane {

class HexBalloon : public QWidget
{
public:
    static constexpr int kWidth = 180;
    static constexpr int kHeight = 140;

    /// A frameless window of its own above `owner`: it never takes the focus or the mouse.
    explicit HexBalloon(QWidget* owner);

    /// Shows `texts` at the place's screen point, its pointer at the cursor's corner.
    void ShowAt(const BalloonTexts& texts, const BalloonPlace& place);
    const BalloonTexts& Texts() const { return texts_; }
    int Corner() const { return corner_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    BalloonTexts texts_;
    int corner_ = 1;
};

}  // namespace korvane
