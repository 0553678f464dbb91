// What the terrain colour and feature icon keys share: KeyToolWindow, the window itself;
// KeySwatch, one selectable entry; and their two-column layout.
#pragma once

#include "windows/colour_choice.h"

#include <QColor>
#include <QFrame>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPainter;

namespace korvane {

/// A panel that shows a raised bevel while selected, holding a paint box ("pic" + name) and,
/// when given one, a label ("lbl" + name). A click anywhere on it, paint box and label
/// included, reports its tag.
class KeySwatch : public QFrame
{
    Q_OBJECT

public:
    /// Paints the paint box, whose rectangle is given in its own coordinates.
    using PaintFunction = std::function<void(QPainter&, const QRect&)>;

    /// The panel is named "pnl" + `name`; the paint box sits at `paintBox` within it.
    KeySwatch(int tag, const QString& name, const QRect& paintBox, PaintFunction paint, QWidget* parent);

    /// Raised bevel while selected, none otherwise.
    void SetSelected(bool selected);

    /// Adds the label just right of the paint box, vertically centred on it, filling the rest
    /// of the panel.
    void AddLabel(const QString& text, const QFont& font);
    QLabel* Label() const { return label_; }

    /// Paints the paint box again: what it shows has changed.
    void Repaint();

signals:
    void Clicked(int tag);
    void DoubleClicked(int tag);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PlaceLabel();

    int tag_;
    QWidget* paintBox_;
    QLabel* label_ = nullptr;
};

/// The height of a two-column swatch and the step from one row to the next.
inline constexpr int kKeySwatchHeight = 32;
inline constexpr int kKeySwatchRowStep = 34;
/// The paint box of a two-column swatch and the label's height.
inline constexpr QRect kKeySwatchPaintBox(2, 2, 30, 28);
inline constexpr int kKeySwatchLabelHeight = 16;

/// Where swatch `index` of a two-column key lies in a panel `width` pixels wide: alternately
/// left and right, rows top to bottom.
QRect TwoColumnSwatchRect(int index, int width);
/// The height of a panel holding `count` swatches in two columns, with the same margin below
/// the last row as above the first.
int TwoColumnPanelHeight(int count);
/// The narrowest panel width, at least `minimum`, whose two-column swatches show each of
/// `names` whole in `font`.
int TwoColumnPanelWidth(const std::vector<QString>& names, const QFont& font, int minimum);

/// The font of swatch labels.
QFont KeyLabelFont();

/// A key of the map: a tool window of the map window, so it stays above it, living as long
/// as it. Closing it only hides it; showing it brings it up to date with the map.
class KeyToolWindow : public QWidget
{
    Q_OBJECT

public:
    /// Asks for a new colour; the colour dialog unless replaced.
    ColourChooser chooseColour = AskColourWithDialog;

    /// Shows what the map holds again, after its lists were loaded anew.
    virtual void RefreshFromMap() = 0;

    /// Asks for a colour for the selected entry and stores it. An entry its list has no place
    /// for cannot be given one (the lists are never extended), so nothing is asked.
    void SelectColour();

signals:
    /// Something the map draws changed: it must be drawn afresh, not from its buffer.
    void MapChanged();
    /// The player closed the window; it is only hidden.
    void Hidden();

protected:
    explicit KeyToolWindow(QWidget* owner);
    /// The selected entry when its list has a colour for it, else -1.
    virtual int SelectedColourEntry() const = 0;
    /// The colour the map holds for `entry`, one SelectedColourEntry has given.
    virtual std::int32_t EntryColour(int entry) const = 0;
    /// Stores `colour` for `entry` in the map and shows it on the entry's swatch.
    virtual void SetEntryColour(int entry, std::int32_t colour) = 0;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    /// Asks for a colour preset to `current` (a stored colour); the one chosen when it differs
    /// from `current`, nothing when it does not or the player cancelled.
    std::optional<std::int32_t> AskNewColour(std::int32_t current);
};

}  // namespace korvane
