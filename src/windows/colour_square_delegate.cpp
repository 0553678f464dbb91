// List lines with a colour square.
#include "windows/colour_square_delegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace korvane {

void DrawColourSquare(QPainter& painter, const QRect& line, const QColor& colour, bool crossed)
{
    const int h = line.height();
    const int left = line.left(), top = line.top();
    painter.save();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour);
    // A one-pixel outline of QRect(x, y, w, h) covers w + 1 columns: this one spans columns
    // left + 2 to left + h - 5, the corners the cross joins.
    painter.drawRect(QRect(left + 2, top + 2, h - 7, h - 7));
    if (crossed) {
        // A red cross would vanish on a red faction's square.
        const bool red = colour.rgb() == QColor(Qt::red).rgb();
        painter.setPen(QPen(red ? Qt::blue : Qt::red, 1));
        painter.drawLine(left + 2, top + 2, left + h - 5, top + h - 5);
        painter.drawLine(left + h - 5, top + 2, left + 2, top + h - 5);
    }
    painter.restore();
}

ColourSquareDelegate::ColourSquareDelegate(ColourOf colourOf, QObject* parent)
    : ColourSquareDelegate(std::move(colourOf), nullptr, parent)
{
}

ColourSquareDelegate::ColourSquareDelegate(ColourOf colourOf, CrossedOf crossedOf, QObject* parent)
    : QStyledItemDelegate(parent)
    , colourOf_(std::move(colourOf))
    , crossedOf_(std::move(crossedOf))
{
}

void ColourSquareDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    // The style draws the line's background and selection; the square and the text are ours.
    item.text.clear();
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect line = option.rect;
    const int h = line.height();
    DrawColourSquare(*painter, line, colourOf_(index), crossedOf_ && crossedOf_(index));
    const int mark = MarkWidth(h);
    if (mark > 0)
        DrawMark(*painter, QRect(line.left() + h, line.top(), mark, h), index);
    painter->save();
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->drawText(line.adjusted(h + mark, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

QSize ColourSquareDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    // Room for the square, as wide as the line is high.
    const int h = std::max(text.height(), 16);
    return {text.width() + h + MarkWidth(h), h};
}

}  // namespace korvane
