// The feature icon key: style swatches, feature selection, style and colour choice, closing.
#include "windows/frm_icon_key.h"

#include "windows/key_window_test.h"

namespace korvane {
namespace {

class IconKey : public testing::KeyWindowTest<TfrmIconKey>
{
protected:
    /// Style swatches are numbered from 1.
    QFrame* Style(int style) const { return Part<QFrame>("pnlIcon", style + 1); }
    std::vector<int> MarkedStyles() const { return Raised("pnlIcon", TfrmIconKey::kStyleSwatches, 1); }
    /// A part of a feature's swatch: "pnl" its panel, "pic" its box, "lbl" its label.
    QWidget* Feature(const QString& part, const char* name) const
    {
        return key->findChild<QWidget*>(part + "Feature" + name);
    }
};

TEST_F(IconKey, OffersFifteenStylesMarksTheSelectedFeaturesStyleAndAClickChangesItsStyleOrColour)
{
    for (int style = 0; style < TfrmIconKey::kStyleSwatches; ++style)
        EXPECT_EQ(Style(style)->isVisible(), style < 15) << style;
    EXPECT_TRUE(Style(5)->x() == Style(0)->x() && Style(5)->y() > Style(0)->y()) << "five to a row";

    EXPECT_EQ(std::tuple(key->SelectedFeature(), static_cast<QFrame*>(Feature("pnl", "City"))->frameShadow()),
              std::tuple(kIconCity, QFrame::Raised));
    EXPECT_EQ(MarkedStyles(), std::vector{9});
    // A chosen colour goes into the map and the swatch (cancelling is the colour key's test).
    answer = QColor(Qt::blue);
    QTest::mouseClick(SelColour(), Qt::LeftButton);
    EXPECT_EQ(asked, std::vector{QColor(Qt::red)});
    EXPECT_EQ(std::tuple(map.MapIcons[kIconCity], changed.count()), std::tuple("9,16711680", 1));
    EXPECT_EQ(Centre(Feature("pic", "City")), QColor(Qt::blue));

    // Selecting another feature moves both bevels.
    QTest::mouseClick(Feature("lbl", "Gate"), Qt::LeftButton);
    EXPECT_EQ(std::tuple(key->SelectedFeature(),
                         static_cast<QFrame*>(Feature("pnl", "City"))->frameShadow() == QFrame::Raised, MarkedStyles()),
              std::tuple(kIconGate, false, std::vector{2}));
    QTest::mouseClick(Feature("pic", "Town"), Qt::LeftButton);
    EXPECT_EQ(MarkedStyles(), std::vector{7});

    // A style click changes the selected icon and moves the mark.
    key->SelectFeature(kIconShaft);
    QTest::mouseClick(Style(14), Qt::LeftButton);
    EXPECT_EQ(std::tuple(MarkedStyles(), changed.count()), std::tuple(std::vector{14}, 2));
    // An x through the centre of the feature's box, in the shaft's black.
    EXPECT_EQ(Centre(Feature("pic", "Shaft")), QColor(Qt::black));

    QTest::mouseClick(Style(14), Qt::LeftButton);
    EXPECT_EQ(changed.count(), 2);
    key->SelectStyle(15);  // not offered
    EXPECT_EQ(map.MapIcons, (std::vector<std::string>{"9,16711680", "7,255", "6,255", "2,16711680", "14,0", "10,0"}));
    // A style from the file that no swatch offers marks none.
    map.MapIcons[kIconOther] = "17,0";
    key->SelectFeature(kIconOther);
    EXPECT_TRUE(MarkedStyles().empty());
    // A double click selects the feature, then asks for its colour.
    answer = QColor(Qt::yellow);
    QTest::mouseDClick(Feature("lbl", "Village"), Qt::LeftButton);
    EXPECT_EQ(std::tuple(key->SelectedFeature(), map.MapIcons[kIconVillage], changed.count(), asked.size()),
              std::tuple(kIconVillage, "6,65535", 3, 2UL));
    // A feature missing from a short icon list cannot be changed; the mark stays on what the map draws for it.
    map.MapIcons.resize(3);
    key->SelectFeature(kIconGate);
    key->SelectColour();
    QTest::mouseClick(Style(0), Qt::LeftButton);
    EXPECT_EQ(std::tuple(SelColour()->isEnabled(), asked.size(), MarkedStyles(), map.MapIcons.size(), changed.count()),
              std::tuple(false, 2UL, std::vector{10}, 3UL, 3));
}

}  // namespace
}  // namespace korvane
