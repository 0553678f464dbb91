// List lines with a colour square.
#include "windows/colour_square_delegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace korvane {

ColourSquareDelegate::ColourSquareDelegate(ColourOf colourOf, QObject* parent)
    : QStyledItemDelegate(parent)
    , colourOf_(std::move(colourOf))
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
    painter->save();
    painter->setPen(QPen(Qt::black, 1));
    painter->setBrush(colourOf_(index));
    painter->drawRect(QRect(line.left() + 2, line.top() + 2, h - 6, h - 6));
    const bool selected = option.state & QStyle::State_Selected;
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->drawText(line.adjusted(h, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

QSize ColourSquareDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize text = QStyledItemDelegate::sizeHint(option, index);
    // Room for the square, as wide as the line is high.
    const int h = std::max(text.height(), 16);
    return {text.width() + h, h};
}

}  // namespace korvane
