// MapCanvas: the map area of the main window.
#pragma once

#include "mapview/render/map_buffer.h"
#include "mapview/render/map_scene.h"
#include "mapview/render/map_viewport.h"
#include "mapview/render/overview_map.h"
#include "mapview/windows/flash_target.h"
#include "mapview/windows/hex_balloon_state.h"
#include "mapview/windows/wheel_notches.h"

#include <QPoint>
#include <QWidget>

class QScreen;
class QTimer;

namespace korvane {

class HexBalloon;
class TrecINI;
class Workspace;

/// Draws the part of the grid in view and moves it: panning, wheel zoom, the blinking hex and
/// the hex balloon are its own. What the player points at and asks for goes out as signals; the
/// window around it answers them (pages, menus, windows) and keeps its scroll bars with the view.
class MapCanvas : public QWidget
{
    Q_OBJECT

public:
    /// Draws the workspace's world with its settings (own faction, turn shown, display list,
    /// buffered drawing); the workspace outlives it.
    explicit MapCanvas(Workspace& workspace, QWidget* parent = nullptr);

    /// The part of the grid shown. Every change of it, by the player here or by the calls below,
    /// repaints and says `viewChanged`.
    const MapViewport& View() const { return view_; }
    /// The hex under a point of the canvas, or under a point of the screen lying on the canvas;
    /// an invalid one when none.
    HexPosition HexAt(int px, int py) const;
    HexPosition HexAtScreenPoint(const QPoint& cursor) const;

    /// Moves the view's top-left corner, as far as the grid goes.
    void ScrollTo(int left, int top);
    void ScrollBy(int columns, int rows);
    /// Another zoom (1..10), keeping the middle of the view where it was.
    void ZoomTo(int zoom);
    void SetLevel(int level);
    /// Centres the view on grid hex (x, y) of the level shown.
    void CentreOn(int x, int y);
    /// The checked jump: false, and nothing moved, when (x, y) is off the grid.
    bool MoveTo(int level, int x, int y);
    /// The home view kept in the settings.
    void GoHome(const TrecINI& settings);
    /// A click at `at` on the overview showing `area`, stretched over `control`: centres there.
    void OverviewClick(const OverviewArea& area, const QSize& control, const QPoint& at);
    /// The wheel turned over point `at` by `delta` eighths of a degree: zooms there (or scrolls,
    /// when the player switched wheel zooming off); with Shift it scrolls sideways, with Ctrl
    /// up and down.
    void Wheel(const QPoint& at, int delta, Qt::KeyboardModifiers modifiers);

    /// What the hexes show (draw option bits); repaints.
    void SetDrawOptions(int options);
    /// Repaints after the world itself changed in a way its change count does not tell: the
    /// buffered picture of the hexes is drawn afresh.
    void Redraw();
    /// Room in the buffer for the screen's own pixels and a margin around the view, so that
    /// short scrolls copy pixels.
    void SizeBufferFor(const QScreen& screen);

    /// The hex balloon: on or off, its timer's delay in tenths of a second, and the timer's
    /// start (it runs from then on; a tick with balloons off does nothing).
    void SetBalloons(bool on);
    void SetBalloonDelay(int tenths);
    void StartBalloonTimer();
    /// One tick of the balloon timer with the cursor at `cursor` (screen coordinates): a balloon
    /// with the hex's products comes after a short rest over a known hex and goes on a move.
    void HintTick(const QPoint& cursor);
    const HexBalloon& Balloon() const { return *balloon_; }

    /// Makes grid hex (x, y) of `level` blink, or, with `on` false, stops the blinking once
    /// the hex is drawn normally again. Positions off the grid are ignored.
    void SetFlashHex(bool on, int x, int level, int y);
    /// One blink, as the flash timer gives it.
    void FlashTick();

signals:
    /// The pointer moved over hex (x, y) of `level`, or over no hex (x and y -1).
    void hexHovered(int level, int x, int y);
    /// The pointer left the canvas.
    void pointerLeft();
    /// A mouse button was released over hex (x, y), or over no hex (x and y -1).
    void hexClicked(int level, int x, int y);
    /// The right button was released: the pop-up menu is wanted at `global`, for that hex.
    void contextMenuRequested(int level, int x, int y, const QPoint& global);
    /// A double click with the left button on hex (x, y).
    void hexActivated(int level, int x, int y);
    void viewChanged();
    /// The map has been painted.
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    /// Takes `next` as the view: repaints and tells, when it differs.
    void Show(const MapViewport& next);
    /// Moves, clicks and double clicks that do not pan.
    void Pointer(const QMouseEvent& mouse);
    /// Starts a drag with the middle button, or the left one while the space bar is held.
    bool StartPan(const QMouseEvent& mouse);
    /// The space bar held (with the left button it pans) or let go; false for other keys.
    bool SpaceBar(const QKeyEvent& key, bool held);
    void Hovered(const QPoint& at);
    void HideBalloon(const QPoint& cursor);
    MapFrame Frame() const;

    Workspace& workspace_;
    MapViewport view_;
    MapScene scene_;
    MapBuffer buffer_;
    int options_ = 0;
    bool forceRedraw_ = false;  // the next buffered paint draws the hexes afresh
    WheelNotches wheel_;
    // Dragging the view: where the drag started, and the view's corner then.
    bool panning_ = false;
    bool spaceHeld_ = false;
    QPoint panStart_;
    int panLeft_ = 0, panTop_ = 0;
    HexBalloon* balloon_ = nullptr;
    QTimer* tmrMapHint_ = nullptr;
    HexBalloonState hint_;
    bool balloonsOn_ = false;
    QTimer* tmrFlash_ = nullptr;
    FlashTarget flash_;
    FlashTarget::Redraw flashShown_;  // what the last blink drew
};

}  // namespace korvane
