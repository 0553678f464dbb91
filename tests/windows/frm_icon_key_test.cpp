// The feature icon key: style swatches, feature selection, style and colour choice, closing.
#include "windows/frm_icon_key.h"

#include "support/qt_printers.h"
#include "world/map.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace korvane {
namespace {

/// A shown icon key over a map with the built-in icons; colour choices are answered by
/// `answer` and their presets kept in `asked`.
struct IconKey
{
    IconKey()
        : key(std::make_unique<TfrmIconKey>(map, nullptr))
    {
        key->chooseColour = [this](const QColor& initial, QWidget*) {
            asked.push_back(initial);
            return answer;
        };
        key->show();
    }

    /// Style swatches are numbered from 1.
    QFrame* Style(int style) const { return key->findChild<QFrame*>("pnlIcon" + QString::number(style + 1)); }
    QFrame* Feature(const char* name) const { return key->findChild<QFrame*>(QString("pnlFeature") + name); }
    QWidget* FeatureBox(const char* name) const { return key->findChild<QWidget*>(QString("picFeature") + name); }
    QLabel* FeatureLabel(const char* name) const { return key->findChild<QLabel*>(QString("lblFeature") + name); }
    QPushButton* SelColour() const { return key->findChild<QPushButton*>("cmdSelColour"); }
    /// The styles whose swatch carries the bevel.
    std::vector<int> MarkedStyles() const
    {
        std::vector<int> marked;
        for (int style = 0; style < TfrmIconKey::kStyleSwatches; ++style)
            if (Style(style)->frameShadow() == QFrame::Raised)
                marked.push_back(style);
        return marked;
    }
    QColor FeatureCentre(const char* name) const
    {
        const QImage image = FeatureBox(name)->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }

    TMap map;
    std::unique_ptr<TfrmIconKey> key;
    std::optional<QColor> answer;
    std::vector<QColor> asked;
};

TEST(IconKey, OffersFifteenStylesAndMarksTheStyleOfTheSelectedFeature)
{
    IconKey k;
    for (int style = 0; style < TfrmIconKey::kStyleSwatches; ++style)
        EXPECT_EQ(k.Style(style)->isVisible(), style < 15) << style;
    EXPECT_EQ(k.Style(5)->x(), k.Style(0)->x()) << "five to a row";
    EXPECT_GT(k.Style(5)->y(), k.Style(0)->y());

    EXPECT_EQ(k.key->SelectedFeature(), kIconCity);
    EXPECT_EQ(k.Feature("City")->frameShadow(), QFrame::Raised);
    EXPECT_EQ(k.MarkedStyles(), std::vector<int>{9});
    EXPECT_EQ(k.FeatureCentre("City"), QColor(Qt::red));

    // Selecting another feature moves both bevels.
    QTest::mouseClick(k.FeatureLabel("Gate"), Qt::LeftButton);
    EXPECT_EQ(k.key->SelectedFeature(), kIconGate);
    EXPECT_NE(k.Feature("City")->frameShadow(), QFrame::Raised);
    EXPECT_EQ(k.MarkedStyles(), std::vector<int>{2});
    QTest::mouseClick(k.FeatureBox("Town"), Qt::LeftButton);
    EXPECT_EQ(k.MarkedStyles(), std::vector<int>{7});

    // A style from the file that no swatch offers marks none.
    k.map.MapIcons[kIconOther] = "17,0";
    k.key->SelectFeature(kIconOther);
    EXPECT_TRUE(k.MarkedStyles().empty());
}

TEST(IconKey, AStyleClickChangesTheSelectedIconAndMovesTheMark)
{
    IconKey k;
    QSignalSpy changed(k.key.get(), &TfrmIconKey::MapChanged);
    k.key->SelectFeature(kIconShaft);
    QTest::mouseClick(k.Style(14), Qt::LeftButton);
    EXPECT_EQ(k.MarkedStyles(), std::vector<int>{14});
    EXPECT_EQ(changed.count(), 1);
    // An x through the centre of the feature's box, in the shaft's black.
    EXPECT_EQ(k.FeatureCentre("Shaft"), QColor(Qt::black));

    QTest::mouseClick(k.Style(14), Qt::LeftButton);
    EXPECT_EQ(changed.count(), 1);
    k.key->SelectStyle(15);  // not offered
    EXPECT_EQ(k.map.MapIcons, (std::vector<std::string>{"9,255", "7,255", "6,255", "2,16711680", "14,0", "10,0"}));
}

TEST(IconKey, AChosenColourGoesIntoTheMapAndCancellingChangesNothing)
{
    IconKey k;
    QSignalSpy changed(k.key.get(), &TfrmIconKey::MapChanged);
    k.answer = QColor(Qt::blue);
    QTest::mouseClick(k.SelColour(), Qt::LeftButton);
    ASSERT_EQ(k.asked.size(), 1u);
    EXPECT_EQ(k.asked[0], QColor(Qt::red));
    EXPECT_EQ(k.map.MapIcons[kIconCity], "9,16711680");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(k.FeatureCentre("City"), QColor(Qt::blue));

    k.answer.reset();
    k.key->SelectColour();
    EXPECT_EQ(k.map.MapIcons[kIconCity], "9,16711680");
    EXPECT_EQ(changed.count(), 1);

    // A double click selects the feature, then asks for its colour.
    k.answer = QColor(Qt::yellow);
    QTest::mouseDClick(k.FeatureLabel("Village"), Qt::LeftButton);
    EXPECT_EQ(k.key->SelectedFeature(), kIconVillage);
    EXPECT_EQ(k.map.MapIcons[kIconVillage], "6,65535");
    EXPECT_EQ(changed.count(), 2);
}

TEST(IconKey, AFeatureMissingFromAShortIconListCannotBeChanged)
{
    IconKey k;
    k.map.MapIcons.resize(3);
    QSignalSpy changed(k.key.get(), &TfrmIconKey::MapChanged);
    k.answer = QColor(Qt::green);
    k.key->SelectFeature(kIconGate);
    EXPECT_FALSE(k.SelColour()->isEnabled());
    k.key->SelectColour();
    EXPECT_TRUE(k.asked.empty());
    // The mark stays on what the map draws for it.
    QTest::mouseClick(k.Style(0), Qt::LeftButton);
    EXPECT_EQ(k.MarkedStyles(), std::vector<int>{10});
    EXPECT_EQ(k.map.MapIcons.size(), 3u);
    EXPECT_EQ(changed.count(), 0);
}

TEST(IconKey, ClosingOnlyHidesItAndSaysSo)
{
    IconKey k;
    QSignalSpy hidden(k.key.get(), &TfrmIconKey::Hidden);
    EXPECT_TRUE(k.key->close());
    EXPECT_TRUE(k.key->isHidden());
    EXPECT_EQ(hidden.count(), 1);
}

}  // namespace
}  // namespace korvane
