// Centring windows over their opener.
#include "windows/centre_window.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace korvane {

QPoint CentredPosition(const std::optional<QRect>& reference, QSize size, const QRect& screen)
{
    const QRect area = reference.value_or(QRect(screen.topLeft() + QPoint(1, 1), screen.size()));
    // Integer division truncates towards zero, also when the window is the larger one.
    int x = area.x() + (area.width() - size.width()) / 2;
    int y = area.y() + (area.height() - size.height()) / 2;

    const int right = screen.x() + screen.width();
    const int bottom = screen.y() + screen.height();
    if (x + size.width() > right)
        x = right - size.width();
    if (y + size.height() > bottom)
        y = bottom - size.height();

    // A window larger than the screen keeps its title bar and left edge reachable.
    x = std::max(x, screen.x() + 1);
    y = std::max(y, screen.y() + 1);
    return {x, y};
}

void CentreWindow(QWidget* ref, QWidget* w)
{
    if (!w)
        return;
    std::optional<QRect> reference;
    if (ref) {
        // A control inside a window counts by its client area on the desktop; a window by its
        // frame, which is what move() places.
        reference = ref->isWindow() ? ref->frameGeometry() : QRect(ref->mapToGlobal(QPoint(0, 0)), ref->size());
    }
    QScreen* screen = ref ? ref->screen() : w->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    w->move(CentredPosition(reference, w->frameGeometry().size(), screen->availableGeometry()));
}

}  // namespace korvane
