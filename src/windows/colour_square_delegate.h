// Lines of a list drawn with a small square in a colour of their own before the text, as the
// lists of factions and alliances show each one's map colour.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

#include <functional>

namespace korvane {

class ColourSquareDelegate : public QStyledItemDelegate
{
public:
    /// `colourOf` gives the colour of a line's square.
    using ColourOf = std::function<QColor(const QModelIndex& index)>;
    ColourSquareDelegate(ColourOf colourOf, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    ColourOf colourOf_;
};

}  // namespace korvane
