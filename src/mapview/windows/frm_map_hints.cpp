// What the main window shows over the map by itself: the hex balloon and the blinking hex.
#include "mapview/windows/frm_map.h"

#include "mapview/windows/hex_balloon.h"
#include "workspace/workspace.h"

#include <QCheckBox>
#include <QScreen>
#include <QTimer>

#include <optional>

namespace korvane {

HexPosition TfrmMAP::HexAtScreenPoint(const QPoint& cursor) const
{
    const QPoint at = w_.paintMap->mapFromGlobal(cursor);
    if (!w_.paintMap->rect().contains(at))
        return {};
    return HexAtPoint(view_, at.x(), at.y());
}

void TfrmMAP::HintTick(const QPoint& cursor)
{
    if (!w_.chkShowHints->isChecked() || !isActiveWindow())
        return;
    std::optional<BalloonTexts> texts;
    const auto canShow = [&] {
        const HexPosition hex = HexAtScreenPoint(cursor);
        if (hex.IsValid())
            texts = BalloonTextsOf(workspace_.Map, view_.ViewLevel, hex.x, hex.y);
        return texts.has_value();
    };
    switch (hint_.Tick(cursor.x(), cursor.y(), canShow)) {
    case HexBalloonState::Action::Show: {
        const QScreen* screen = this->screen();
        const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
        BalloonPlace place = PlaceBalloon(cursor.x() - area.x(), cursor.y() - area.y(), area.width(),
                                          area.height(), HexBalloon::kWidth, HexBalloon::kHeight);
        place.x += area.x();
        place.y += area.y();
        balloon_->ShowAt(*texts, place);
        break;
    }
    case HexBalloonState::Action::Hide:
        balloon_->hide();
        break;
    case HexBalloonState::Action::None:
        break;
    }
}

void TfrmMAP::HideBalloon(const QPoint& cursor)
{
    if (!hint_.Showing())
        return;
    balloon_->hide();
    hint_.Hidden(cursor.x(), cursor.y());
}

void TfrmMAP::SetFlashHex(bool on, int x, int level, int y)
{
    if (flash_.SetFlashHex(on, x, level, y))
        tmrFlash_->start();
}

void TfrmMAP::FlashTick()
{
    FlashTarget::Redraw redraw;
    bool keepRunning = true;
    const bool draws = flash_.Tick(view_.ViewLevel, redraw, keepRunning);
    // A blink on a level not shown leaves the map as it is.
    const FlashTarget::Redraw shown = draws ? redraw : FlashTarget::Redraw{};
    if (shown.phase != flashShown_.phase || !(shown.hex == flashShown_.hex))
        RepaintMap();
    flashShown_ = shown;
    if (!keepRunning)
        tmrFlash_->stop();
}

}  // namespace korvane
