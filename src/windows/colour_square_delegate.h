// Lines of a list drawn with a small square in a colour of their own before the text, as the
// lists of factions and alliances show each one's map colour; a square may be crossed out, as
// the unit lists mark units whose orders are complete.
#pragma once

#include <QColor>
#include <QStyledItemDelegate>

#include <functional>

class QPainter;
class QRect;

namespace korvane {

/// The square of a line at `line`'s left, as wide as the line is high, filled with `colour`;
/// `crossed` draws a cross over it, red, or blue on a pure red square.
void DrawColourSquare(QPainter& painter, const QRect& line, const QColor& colour, bool crossed);

class ColourSquareDelegate : public QStyledItemDelegate
{
public:
    /// `colourOf` gives the colour of a line's square.
    using ColourOf = std::function<QColor(const QModelIndex& index)>;
    /// `crossedOf`, when given, tells which squares are crossed out.
    using CrossedOf = std::function<bool(const QModelIndex& index)>;
    ColourSquareDelegate(ColourOf colourOf, QObject* parent);
    ColourSquareDelegate(ColourOf colourOf, CrossedOf crossedOf, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    /// Room between the square and the text for a mark of the line's own; none here.
    virtual int MarkWidth(int lineHeight) const
    {
        (void)lineHeight;
        return 0;
    }
    /// Draws a line's mark in `place`, MarkWidth wide and as high as the line.
    virtual void DrawMark(QPainter& painter, const QRect& place, const QModelIndex& index) const
    {
        (void)painter, (void)place, (void)index;
    }

private:
    ColourOf colourOf_;
    CrossedOf crossedOf_;
};

}  // namespace korvane
