// The map area: its view, its painting, the blinking hex and the hex balloon.
#include "mapview/windows/map_canvas.h"

#include "mapview/render/map_drawing.h"
#include "mapview/windows/hex_balloon.h"
#include "workspace/workspace.h"
#include "world/first_view.h"
#include "world/map.h"

#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <tuple>
#include <utility>

namespace korvane {

MapCanvas::MapCanvas(Workspace& workspace, QWidget* parent)
    : QWidget(parent)
    , workspace_(workspace)
    , scene_(workspace)
{
    setObjectName("paintMap");
    setMouseTracking(true);
    setMinimumSize(200, 150);
    // A click on the map gives it the keys, so that the space bar pans instead of pressing a button.
    setFocusPolicy(Qt::ClickFocus);
    balloon_ = new HexBalloon(this);
    tmrMapHint_ = new QTimer(this);
    tmrMapHint_->setObjectName("tmrMapHint");
    connect(tmrMapHint_, &QTimer::timeout, this, [this] { HintTick(QCursor::pos()); });
    tmrFlash_ = new QTimer(this);
    tmrFlash_->setObjectName("tmrFlash");
    tmrFlash_->setInterval(300);
    connect(tmrFlash_, &QTimer::timeout, this, &MapCanvas::FlashTick);
}

HexPosition MapCanvas::HexAt(int px, int py) const
{
    return HexAtPoint(view_, px, py);
}

HexPosition MapCanvas::HexAtScreenPoint(const QPoint& cursor) const
{
    const QPoint at = mapFromGlobal(cursor);
    if (!rect().contains(at))
        return {};
    return HexAt(at.x(), at.y());
}

void MapCanvas::Show(const MapViewport& next)
{
    const auto state = [](const MapViewport& view) {
        return std::tuple(view.ViewLevel, view.Zoom, view.ViewLeft, view.ViewTop, view.ViewCols, view.ViewRows);
    };
    if (state(next) == state(view_))
        return;
    view_ = next;
    update();
    emit viewChanged();
}

void MapCanvas::ScrollTo(int left, int top)
{
    MapViewport next = view_;
    next.ViewLeft = std::clamp(left, 0, TMap::kMaxX);
    next.ViewTop = std::clamp(top, 0, TMap::kMaxY);
    Show(next);
}

void MapCanvas::ScrollBy(int columns, int rows)
{
    ScrollTo(view_.ViewLeft + columns, view_.ViewTop + rows);
}

void MapCanvas::ZoomTo(int zoom)
{
    MapViewport next = view_;
    ZoomViewport(next, zoom, width(), height());
    Show(next);
}

void MapCanvas::SetLevel(int level)
{
    MapViewport next = view_;
    next.ViewLevel = level;
    Show(next);
}

void MapCanvas::CentreOn(int x, int y)
{
    MapViewport next = view_;
    CentreOnHex(next, x, y);
    Show(next);
}

bool MapCanvas::MoveTo(int level, int x, int y)
{
    MapViewport next = view_;
    if (!MoveToHex(next, x, y, level))
        return false;
    Show(next);
    return true;
}

void MapCanvas::GoHome(const TrecINI& settings)
{
    MapViewport next = view_;
    korvane::GoHome(next, settings, width(), height(),
                    settings.HomeSaved ? std::nullopt : PlayersWorldCentre(workspace_.Map, settings.FactionNo));
    Show(next);
}

void MapCanvas::OverviewClick(const OverviewArea& area, const QSize& control, const QPoint& at)
{
    if (control.isEmpty())
        return;
    const QPointF grid = area.ToGrid(QPointF(double(kOverviewWidth) * at.x() / control.width(),
                                             double(kOverviewHeight) * at.y() / control.height()));
    MapViewport next = view_;
    CentreOnHex(next, static_cast<int>(grid.x()), static_cast<int>(grid.y()));
    Show(next);
}

void MapCanvas::SetDrawOptions(int options)
{
    options_ = options;
    update();
}

void MapCanvas::Redraw()
{
    forceRedraw_ = true;
    update();
}

void MapCanvas::SizeBufferFor(const QScreen& screen)
{
    // In the screen's own pixels, which a screen scaled to 200 % has twice as many of each way.
    const QSize size = screen.size() * screen.devicePixelRatio();
    buffer_.image = QImage(3 * size.width() / 2, 3 * size.height() / 2, QImage::Format_RGB32);
    buffer_.image.setDevicePixelRatio(screen.devicePixelRatio());
    buffer_.Invalidate();
}

MapFrame MapCanvas::Frame() const
{
    MapFrame frame;
    std::tie(frame.left, frame.top, frame.cols, frame.rows) = std::tuple(view_.ViewLeft, view_.ViewTop, view_.ViewCols,
                                                                         view_.ViewRows);
    std::tie(frame.zoom, frame.level, frame.marginX, frame.marginY) = std::tuple(view_.Zoom, view_.ViewLevel,
                                                                                 kScreenMarginX, kScreenMarginY);
    frame.clip = rect();
    frame.options = options_;
    return frame;
}

void MapCanvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kMapBackground);
    ResizeViewport(view_, width(), height());
    const TrecINI& settings = workspace_.Settings;
    scene_.ownFaction = settings.FactionNo;
    scene_.currentTurn = settings.CurrentTurn;
    // Without a list of that name every faction's troops are marked.
    const TShowTroopsList* shown = workspace_.TroopViews.GetList(settings.UnitList);
    scene_.display = shown ? TroopDisplay{shown->Entries, shown->AllianceBased} : TroopDisplay{};
    const MapFrame frame = Frame();
    if (settings.BufferDraw)
        DrawMapBuffered(painter, buffer_, scene_, frame, std::exchange(forceRedraw_, false));
    else
        DrawMap(painter, scene_, frame);
    if (flashShown_.phase == 0 && flashShown_.hex.level == view_.ViewLevel)
        DrawOneHex(painter, scene_, frame, flashShown_.hex.x, flashShown_.hex.y, 0);
    emit painted();
}

void MapCanvas::SetBalloons(bool on)
{
    balloonsOn_ = on;
}

void MapCanvas::SetBalloonDelay(int tenths)
{
    tmrMapHint_->setInterval(tenths * 10);
}

void MapCanvas::StartBalloonTimer()
{
    tmrMapHint_->start();
}

void MapCanvas::HintTick(const QPoint& cursor)
{
    if (!balloonsOn_ || !isActiveWindow())
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
        BalloonPlace place = PlaceBalloon(cursor.x() - area.x(), cursor.y() - area.y(), area.width(), area.height(),
                                          HexBalloon::kWidth, HexBalloon::kHeight);
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

void MapCanvas::HideBalloon(const QPoint& cursor)
{
    if (!hint_.Showing())
        return;
    balloon_->hide();
    hint_.Hidden(cursor.x(), cursor.y());
}

void MapCanvas::SetFlashHex(bool on, int x, int level, int y)
{
    if (flash_.SetFlashHex(on, x, level, y))
        tmrFlash_->start();
}

void MapCanvas::FlashTick()
{
    FlashTarget::Redraw redraw;
    bool keepRunning = true;
    const bool draws = flash_.Tick(view_.ViewLevel, redraw, keepRunning);
    // A blink on a level not shown leaves the map as it is.
    const FlashTarget::Redraw shown = draws ? redraw : FlashTarget::Redraw{};
    if (shown.phase != flashShown_.phase || !(shown.hex == flashShown_.hex))
        update();
    flashShown_ = shown;
    if (!keepRunning)
        tmrFlash_->stop();
}

}  // namespace korvane
