// Icon shapes: squares, circles, plus and x marks of a few sizes.
#include "mapview/render/icon_drawing.h"

#include "mapview/render/colour.h"
#include "mapview/render/hex_geometry.h"

#include <QPainter>

#include <algorithm>

namespace korvane {

namespace {

constexpr std::int32_t kSilver = 0xC0C0C0;

class IconShapes
{
public:
    IconShapes(QPainter& painter, int cx, int cy)
        : painter_(painter)
        , cx_(cx)
        , cy_(cy)
    {
    }

    // A square or circle of radius q covers cx - q .. cx + q both ways.
    void Square(int q) { painter_.drawRect(cx_ - q, cy_ - q, 2 * q, 2 * q); }
    void Circle(int q) { painter_.drawEllipse(cx_ - q, cy_ - q, 2 * q, 2 * q); }
    void Plus(int q)
    {
        painter_.drawLine(cx_, cy_ - q, cx_, cy_ + q);
        painter_.drawLine(cx_ - q, cy_, cx_ + q, cy_);
    }
    void Cross(int q)
    {
        painter_.drawLine(cx_ - q, cy_ - q, cx_ + q, cy_ + q);
        painter_.drawLine(cx_ - q, cy_ + q, cx_ + q, cy_ - q);
    }

private:
    QPainter& painter_;
    int cx_;
    int cy_;
};

}  // namespace

void DrawIcon(QPainter& painter, int cx, int cy, std::int32_t colour, int style, int side)
{
    const QColor fill = ToQColor(colour);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour == kSilver ? QBrush(Qt::NoBrush) : QBrush(fill));
    const int r = RoundHalfEven(side / 3.0);
    const int r2 = RoundHalfEven(0.2 * side);
    const int r4 = RoundHalfEven(0.25 * side);
    const int r1 = RoundHalfEven(0.1 * side);
    IconShapes shape(painter, cx, cy);
    auto hollow = [&painter] { painter.setBrush(Qt::NoBrush); };
    auto colouredLines = [&painter, &fill](int width) { painter.setPen(QPen(fill, width)); };
    switch (style) {
    case 0:
        shape.Square(r2);
        break;
    case 1:
        shape.Square(r);
        break;
    case 2:
        shape.Square(r2);
        shape.Square(std::max(r2 - 2, 2));
        break;
    case 3:
        shape.Square(r);
        shape.Square(std::max(r - 2, 2));
        break;
    case 4:
        shape.Square(r2);
        shape.Plus(r2);
        break;
    case 5:
        shape.Square(r);
        shape.Plus(r);
        break;
    case 6:
        shape.Circle(r);
        break;
    case 7:
        shape.Circle(r1);
        break;
    case 8:
        shape.Circle(r4);
        shape.Circle(std::max(r4 - 2, 2));
        break;
    case 9:
        shape.Circle(r1);
        shape.Circle(std::max(r1 - 2, 2));
        break;
    case 10:
        hollow();
        shape.Circle(r4);
        shape.Plus(r4);
        break;
    case 11:
        hollow();
        shape.Circle(r1);
        shape.Plus(r1);
        break;
    case 12:
        colouredLines(2);
        shape.Plus(r);
        break;
    case 13:
        colouredLines(1);
        shape.Cross(r4);
        break;
    case 14:
        colouredLines(2);
        shape.Cross(r);
        break;
    default:
        hollow();
        shape.Circle(r);
        shape.Plus(r);
        break;
    }
}

}  // namespace korvane
