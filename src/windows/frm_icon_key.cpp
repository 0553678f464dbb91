// The feature icon key.
#include "windows/frm_icon_key.h"

#include "mapview/render/icon_drawing.h"
#include "windows/widget_makers.h"
#include "world/map.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

namespace korvane {

namespace {

// Narrower than this, the window's title would not fit its title bar.
constexpr int kMinimumWidth = 200;

// Style swatches: 26 pixels square, five to a row, 35 pixels apart.
constexpr int kStyleSize = 26;
constexpr int kStyleStep = 35;
constexpr int kStylesPerRow = 5;
constexpr QRect kStylePaintBox(2, 2, kStyleSize - 4, kStyleSize - 4);
constexpr std::int32_t kStyleColour = 255;  // red

// In the order of MapIconIndex.
const char* const kFeatureNames[TfrmIconKey::kFeatures] = {"City", "Town", "Village", "Gate", "Shaft", "Other"};

}  // namespace

TfrmIconKey::TfrmIconKey(TMap& map, QWidget* owner)
    : KeyToolWindow(owner)
    , map_(map)
{
    setObjectName("frmIconKey");
    setWindowTitle("Feature Icons");

    std::vector<QString> names(std::begin(kFeatureNames), std::end(kFeatureNames));
    const QFont font = KeyLabelFont();
    const int width = TwoColumnPanelWidth(names, font, kMinimumWidth);

    auto* pnlIcons = Named<QWidget>("pnlIcons", this);
    const int visibleRows = (kIconStyleCount + kStylesPerRow - 1) / kStylesPerRow;
    pnlIcons->setFixedSize(width, 5 + (visibleRows - 1) * kStyleStep + kStyleSize + 5);
    const int gridLeft = (width - ((kStylesPerRow - 1) * kStyleStep + kStyleSize)) / 2;
    for (int tag = 0; tag < kStyleSwatches; ++tag) {
        auto* swatch = new KeySwatch(
            tag, "Icon" + QString::number(tag + 1), kStylePaintBox,
            [this, tag](QPainter& painter, const QRect& box) { PaintStyle(tag, painter, box); }, pnlIcons);
        swatch->setGeometry(gridLeft + (tag % kStylesPerRow) * kStyleStep, 5 + (tag / kStylesPerRow) * kStyleStep,
                            kStyleSize, kStyleSize);
        // Only the styles the map can draw are offered.
        swatch->setVisible(tag < kIconStyleCount);
        connect(swatch, &KeySwatch::Clicked, this, &TfrmIconKey::SelectStyle);
        styles_[static_cast<std::size_t>(tag)] = swatch;
    }

    auto* separator = new QFrame(this);
    separator->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    auto* pnlFeatures = Named<QWidget>("pnlFeatures", this);
    pnlFeatures->setFixedSize(width, TwoColumnPanelHeight(kFeatures));
    for (int feature = 0; feature < kFeatures; ++feature) {
        auto* swatch = new KeySwatch(
            feature, QString("Feature") + kFeatureNames[feature], kKeySwatchPaintBox,
            [this, feature](QPainter& painter, const QRect& box) { PaintFeature(feature, painter, box); }, pnlFeatures);
        swatch->setGeometry(TwoColumnSwatchRect(feature, width));
        swatch->AddLabel(kFeatureNames[feature], font);
        connect(swatch, &KeySwatch::Clicked, this, &TfrmIconKey::SelectFeature);
        connect(swatch, &KeySwatch::DoubleClicked, this, &KeyToolWindow::SelectColour);
        features_[static_cast<std::size_t>(feature)] = swatch;
    }

    cmdSelColour = Named<QPushButton>("cmdSelColour", "Select Colour", this);
    connect(cmdSelColour, &QPushButton::clicked, this, &KeyToolWindow::SelectColour);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(5, 0, 5, 5);
    buttonRow->addWidget(cmdSelColour);
    buttonRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(pnlIcons);
    layout->addWidget(separator);
    layout->addWidget(pnlFeatures);
    layout->addLayout(buttonRow);

    SelectFeature(kIconCity);
}

void TfrmIconKey::PaintStyle(int style, QPainter& painter, const QRect& box) const
{
    DrawIcon(painter, box.width() / 2, box.height() / 2, kStyleColour, style, box.width() - 4);
}

void TfrmIconKey::PaintFeature(int feature, QPainter& painter, const QRect& box) const
{
    DrawIcon(painter, box.width() / 2, box.height() / 2, map_.IconColour(feature), map_.IconStyle(feature),
             box.width());
}

void TfrmIconKey::SelectFeature(int feature)
{
    if (feature < 0 || feature >= kFeatures)
        return;
    if (selectedFeature_ >= 0)
        features_[static_cast<std::size_t>(selectedFeature_)]->SetSelected(false);
    selectedFeature_ = feature;
    features_[static_cast<std::size_t>(feature)]->SetSelected(true);
    MarkStyle(map_.IconStyle(feature));
    UpdateSelColour();
}

void TfrmIconKey::MarkStyle(int style)
{
    if (markedStyle_ >= 0)
        styles_[static_cast<std::size_t>(markedStyle_)]->SetSelected(false);
    // A style read from the file that no swatch shows leaves every swatch unmarked.
    markedStyle_ = style >= 0 && style < kIconStyleCount ? style : -1;
    if (markedStyle_ >= 0)
        styles_[static_cast<std::size_t>(markedStyle_)]->SetSelected(true);
}

void TfrmIconKey::SelectStyle(int style)
{
    if (style < 0 || style >= kIconStyleCount || selectedFeature_ < 0)
        return;
    const int feature = selectedFeature_;
    const int before = map_.IconStyle(feature);
    map_.SetIconStyle(feature, style);
    // The mark shows what the map now holds: an icon without an entry keeps its style.
    MarkStyle(map_.IconStyle(feature));
    if (map_.IconStyle(feature) == before)
        return;
    features_[static_cast<std::size_t>(feature)]->Repaint();
    emit MapChanged();
}

int TfrmIconKey::SelectedColourEntry() const
{
    return selectedFeature_ >= 0 && selectedFeature_ < static_cast<int>(map_.MapIcons.size()) ? selectedFeature_ : -1;
}

void TfrmIconKey::UpdateSelColour()
{
    // An icon list cut short by hand has no entry to change for the later features.
    const bool hasEntry = SelectedColourEntry() >= 0;
    cmdSelColour->setEnabled(hasEntry);
    cmdSelColour->setToolTip(hasEntry ? QString() : "This feature has no entry in the icon list.");
}

std::int32_t TfrmIconKey::EntryColour(int feature) const
{
    return map_.IconColour(feature);
}

void TfrmIconKey::SetEntryColour(int feature, std::int32_t colour)
{
    map_.SetIconColour(feature, colour);
    features_[static_cast<std::size_t>(feature)]->Repaint();
}

void TfrmIconKey::RefreshFromMap()
{
    for (KeySwatch* swatch : features_)
        swatch->Repaint();
    MarkStyle(map_.IconStyle(selectedFeature_));
    UpdateSelColour();
}

}  // namespace korvane
