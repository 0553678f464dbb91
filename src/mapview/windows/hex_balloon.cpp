// The hex balloon's shape and contents.
#include "mapview/windows/hex_balloon.h"

#include "mapview/render/display_text.h"
#include "mapview/render/map_fonts.h"

#include <QPainter>
#include <QPolygon>

namespace korvane {

namespace {

// The body leaves room for the pointer on the side the cursor is.
constexpr int kBodyWidth = 166;
constexpr int kPointerRoom = 14;
const QColor kBalloonYellow(0xFF, 0xFF, 0x00);

bool PointsLeft(int corner)
{
    return corner == 1 || corner == 3;
}

// The pointer's three corners: along the body's edge, at the balloon's corner, and back in.
QPolygon Pointer(int corner, int o)
{
    const int edge = corner <= 2 ? 0 : HexBalloon::kHeight - 1;
    const int inward = corner <= 2 ? 8 : -8;
    if (PointsLeft(corner))
        return QPolygon({QPoint(o + 10, edge), QPoint(0, edge), QPoint(o + 1, edge + inward)});
    return QPolygon({QPoint(155, edge), QPoint(HexBalloon::kWidth - 1, edge), QPoint(164, edge + inward)});
}

}  // namespace

HexBalloon::HexBalloon(QWidget* owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint)
{
    setObjectName("hexBalloon");
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(kWidth, kHeight);
}

void HexBalloon::ShowAt(const BalloonTexts& texts, const BalloonPlace& place)
{
    texts_ = texts;
    corner_ = place.corner;
    move(place.x, place.y);
    show();
    update();
}

void HexBalloon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int o = PointsLeft(corner_) ? kPointerRoom : 0;
    painter.setPen(Qt::black);
    painter.setBrush(kBalloonYellow);
    painter.drawRoundedRect(QRectF(o + 0.5, 0.5, kBodyWidth - 1, kHeight - 1), 10, 10);
    // The pointer is drawn over the body's edge, then its join with the body is painted out.
    const QPolygon pointer = Pointer(corner_, o);
    painter.drawPolygon(pointer);
    painter.setPen(kBalloonYellow);
    painter.drawLine(pointer[0], pointer[2]);

    painter.setPen(Qt::red);
    painter.setFont(MapFont(kMapSerifFont, 18));
    DrawTextAt(painter, o + 10, 3, ToDisplayText(texts_.Title));
    painter.setPen(Qt::black);
    painter.setFont(MapFont(kMapSansFont, 15));
    const int amountRight = o + 40;
    for (std::size_t i = 0; i < texts_.Products.size(); ++i) {
        const int top = 21 + 16 * static_cast<int>(i);
        if (top + 16 > kHeight)
            break;
        const auto& [amount, name] = texts_.Products[i];
        const QString amountText = ToDisplayText(amount);
        DrawTextAt(painter, amountRight - painter.fontMetrics().horizontalAdvance(amountText), top, amountText);
        DrawTextAt(painter, o + 45, top, ToDisplayText(name));
    }
}

}  // namespace korvane
