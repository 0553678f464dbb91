// The map area's mouse, wheel and keys: pointing at hexes, panning and wheel zoom.
#include "mapview/windows/map_canvas.h"

#include "mapview/render/hex_geometry.h"
#include "workspace/workspace.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

namespace korvane {

void MapCanvas::Wheel(const QPoint& at, int delta, Qt::KeyboardModifiers modifiers)
{
    const int notches = wheel_.Add(delta);
    if (notches == 0)
        return;
    const int lines = QApplication::wheelScrollLines();
    if (modifiers & Qt::ShiftModifier) {
        ScrollBy(-notches * lines, 0);
    } else if ((modifiers & Qt::ControlModifier) || !workspace_.Settings.WheelZooms) {
        ScrollBy(0, -notches * lines);
    } else {
        MapViewport next = view_;
        ZoomViewportAt(next, view_.Zoom + notches, at.x(), at.y(), width(), height());
        Show(next);
        Hovered(at);
    }
}

void MapCanvas::wheelEvent(QWheelEvent* event)
{
    // A sideways wheel (or a Shift turn the platform made sideways) scrolls sideways too.
    const QPoint angle = event->angleDelta();
    const bool sideways = angle.y() == 0 && angle.x() != 0;
    Wheel(event->position().toPoint(), sideways ? angle.x() : angle.y(),
          sideways ? event->modifiers() | Qt::ShiftModifier : event->modifiers());
}

bool MapCanvas::SpaceBar(const QKeyEvent& key, bool held)
{
    if (key.key() != Qt::Key_Space || key.isAutoRepeat())
        return false;
    spaceHeld_ = held;
    if (!panning_)
        setCursor(held ? Qt::OpenHandCursor : Qt::ArrowCursor);
    return true;
}

void MapCanvas::keyPressEvent(QKeyEvent* event)
{
    if (!SpaceBar(*event, true))
        QWidget::keyPressEvent(event);
}

void MapCanvas::keyReleaseEvent(QKeyEvent* event)
{
    if (!SpaceBar(*event, false))
        QWidget::keyReleaseEvent(event);
}

void MapCanvas::focusOutEvent(QFocusEvent* event)
{
    // The space bar's release goes elsewhere once the map lost the keys.
    spaceHeld_ = false;
    QWidget::focusOutEvent(event);
}

void MapCanvas::leaveEvent(QEvent* event)
{
    emit pointerLeft();
    QWidget::leaveEvent(event);
}

bool MapCanvas::StartPan(const QMouseEvent& mouse)
{
    const bool pan = mouse.button() == Qt::MiddleButton || (mouse.button() == Qt::LeftButton && spaceHeld_);
    if (!pan)
        return false;
    panning_ = true;
    panStart_ = mouse.position().toPoint();
    panLeft_ = view_.ViewLeft;
    panTop_ = view_.ViewTop;
    setCursor(Qt::ClosedHandCursor);
    return true;
}

void MapCanvas::mousePressEvent(QMouseEvent* event)
{
    if (StartPan(*event))
        return;
    Pointer(*event);
    QWidget::mousePressEvent(event);
}

void MapCanvas::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (StartPan(*event))
        return;
    Pointer(*event);
    // What a plain widget does with a double click, without taking it for a second press here.
    QWidget::mousePressEvent(event);
}

void MapCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (!panning_) {
        Pointer(*event);
        QWidget::mouseMoveEvent(event);
        return;
    }
    const QPoint moved = event->position().toPoint() - panStart_;
    const HexGeometry hex = HexGeometry::ForZoom(view_.Zoom);
    // The map follows the pointer: dragging right brings the columns on the left into view.
    const int left = panLeft_ - static_cast<int>(std::lround(double(moved.x()) / hex.C));
    const int top = panTop_ - static_cast<int>(std::lround(double(moved.y()) / hex.Hh));
    ScrollTo(left, top);
}

void MapCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (!panning_) {
        Pointer(*event);
        QWidget::mouseReleaseEvent(event);
        return;
    }
    if (event->buttons() & (Qt::MiddleButton | Qt::LeftButton))
        return;  // the other button still holds the drag
    panning_ = false;
    setCursor(spaceHeld_ ? Qt::OpenHandCursor : Qt::ArrowCursor);
}

void MapCanvas::Pointer(const QMouseEvent& mouse)
{
    // The balloon never stays in the way: any move or click over the map takes it away.
    if (mouse.type() != QEvent::MouseButtonRelease)
        HideBalloon(mouse.globalPosition().toPoint());
    const QPoint at = mouse.position().toPoint();
    if (mouse.type() == QEvent::MouseMove)
        Hovered(at);
    if (mouse.type() == QEvent::MouseButtonRelease) {
        const HexPosition hex = HexAt(at.x(), at.y());
        emit hexClicked(view_.ViewLevel, hex.x, hex.y);
        if (mouse.button() == Qt::RightButton) {
            hint_.Suppress();
            emit contextMenuRequested(view_.ViewLevel, hex.x, hex.y, mouse.globalPosition().toPoint());
        }
    }
    if (mouse.type() == QEvent::MouseButtonDblClick && mouse.button() == Qt::LeftButton) {
        if (const HexPosition hex = HexAt(at.x(), at.y()); hex.IsValid())
            emit hexActivated(view_.ViewLevel, hex.x, hex.y);
    }
}

void MapCanvas::Hovered(const QPoint& at)
{
    const HexPosition hex = HexAt(at.x(), at.y());
    emit hexHovered(view_.ViewLevel, hex.x, hex.y);
}

}  // namespace korvane
