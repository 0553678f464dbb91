// The key windows' common behaviour, their selectable swatches and the swatches' layout.
#include "windows/key_swatch.h"

#include "mapview/render/colour.h"
#include "mapview/render/map_fonts.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <utility>

namespace korvane {

namespace {

// The label starts this far right of the paint box and keeps this much room to its right.
constexpr int kLabelGap = 2;

/// A box whose picture comes from its swatch's paint function. It takes no mouse events of
/// its own, so a click on it reaches the swatch.
class SwatchPaintBox : public QWidget
{
public:
    SwatchPaintBox(KeySwatch::PaintFunction paint, QWidget* parent)
        : QWidget(parent)
        , paint_(std::move(paint))
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        paint_(painter, rect());
    }

private:
    KeySwatch::PaintFunction paint_;
};

}  // namespace

KeySwatch::KeySwatch(int tag, const QString& name, const QRect& paintBox, PaintFunction paint, QWidget* parent)
    : QFrame(parent)
    , tag_(tag)
{
    setObjectName("pnl" + name);
    setFrameStyle(QFrame::NoFrame);
    paintBox_ = new SwatchPaintBox(std::move(paint), this);
    paintBox_->setObjectName("pic" + name);
    paintBox_->setGeometry(paintBox);
}

void KeySwatch::SetSelected(bool selected)
{
    // The bevel is drawn over the panel's edge, so nothing inside moves when it comes and goes.
    setFrameStyle(selected ? QFrame::Panel | QFrame::Raised : QFrame::NoFrame);
    setLineWidth(selected ? 2 : 0);
}

void KeySwatch::AddLabel(const QString& text, const QFont& font)
{
    label_ = new QLabel(this);
    label_->setObjectName("lbl" + objectName().mid(3));
    // Names may come from the player's files; never let one be read as markup.
    label_->setTextFormat(Qt::PlainText);
    label_->setFont(font);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label_->setText(text);
    PlaceLabel();
}

void KeySwatch::PlaceLabel()
{
    if (!label_)
        return;
    const QRect box = paintBox_->geometry();
    const int left = box.x() + box.width() + kLabelGap;
    label_->setGeometry(left, box.y() + (box.height() - kKeySwatchLabelHeight) / 2,
                        std::max(0, width() - left - kLabelGap), kKeySwatchLabelHeight);
}

void KeySwatch::Repaint()
{
    paintBox_->update();
}

void KeySwatch::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    PlaceLabel();
}

void KeySwatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mousePressEvent(event);
        return;
    }
    emit Clicked(tag_);
}

void KeySwatch::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QFrame::mouseDoubleClickEvent(event);
        return;
    }
    // The press before it has already selected the swatch; selecting again costs nothing and
    // keeps a double click whole where the press went elsewhere.
    emit Clicked(tag_);
    emit DoubleClicked(tag_);
}

QRect TwoColumnSwatchRect(int index, int width)
{
    return QRect(5 + (index % 2) * ((width - 10) / 2), 5 + (index / 2) * kKeySwatchRowStep, (width - 20) / 2,
                 kKeySwatchHeight);
}

int TwoColumnPanelHeight(int count)
{
    const int rows = (std::max(count, 0) + 1) / 2;
    return 5 + rows * kKeySwatchRowStep + 3;
}

int TwoColumnPanelWidth(const std::vector<QString>& names, const QFont& font, int minimum)
{
    const QFontMetrics metrics(font);
    int text = 0;
    for (const QString& name : names)
        text = std::max(text, metrics.horizontalAdvance(name));
    // The label's room in a swatch of width (w - 20) div 2 is that less the paint box and gaps.
    const int labelLeft = kKeySwatchPaintBox.x() + kKeySwatchPaintBox.width() + kLabelGap;
    const int needed = 2 * (labelLeft + text + 2 * kLabelGap) + 20;
    return std::max(minimum, needed);
}

QFont KeyLabelFont()
{
    QFont font(QString::fromLatin1(kMapSansFont));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

KeyToolWindow::KeyToolWindow(QWidget* owner)
    : QWidget(owner, Qt::Tool)
{
}

std::optional<std::int32_t> KeyToolWindow::AskNewColour(std::int32_t current)
{
    if (!chooseColour)
        return std::nullopt;
    const std::optional<QColor> chosen = chooseColour(ToQColor(current), this);
    if (!chosen || FromQColor(*chosen) == current)
        return std::nullopt;
    return FromQColor(*chosen);
}

void KeyToolWindow::SelectColour()
{
    const int entry = SelectedColourEntry();
    if (entry < 0)
        return;
    const std::optional<std::int32_t> colour = AskNewColour(EntryColour(entry));
    if (!colour)
        return;
    SetEntryColour(entry, *colour);
    emit MapChanged();
}

void KeyToolWindow::showEvent(QShowEvent* event)
{
    // The map's lists may have been loaded since the window was last shown.
    RefreshFromMap();
    QWidget::showEvent(event);
}

void KeyToolWindow::closeEvent(QCloseEvent* event)
{
    // The window lives as long as the map window; closing it only hides it.
    event->accept();
    emit Hidden();
}

}  // namespace korvane
