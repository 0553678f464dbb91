// The terrain colour key: its swatches, selection and colour choice.
#include "windows/frm_colour_key.h"

#include "mapview/render/colour.h"
#include "support/qt_printers.h"
#include "world/map.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace korvane {
namespace {

/// A shown colour key over a map with the built-in vocabulary and colours; colour choices
/// are answered by `answer` and their presets kept in `asked`.
struct ColourKey
{
    ColourKey()
        : key(std::make_unique<TfrmColourKey>(map, nullptr))
    {
        key->chooseColour = [this](const QColor& initial, QWidget*) {
            asked.push_back(initial);
            return answer;
        };
        key->show();
    }

    template <typename T>
    T* Part(const char* prefix, int terrain) const
    {
        return key->findChild<T*>(prefix + QString::number(terrain));
    }
    QFrame* Panel(int terrain) const { return Part<QFrame>("pnlTerrain", terrain); }
    QWidget* PaintBox(int terrain) const { return Part<QWidget>("picTerrain", terrain); }
    QLabel* Label(int terrain) const { return Part<QLabel>("lblTerrain", terrain); }
    QPushButton* SelColour() const { return key->findChild<QPushButton*>("cmdSelColour"); }
    /// The terrains whose panel carries the bevel.
    std::vector<int> Raised() const
    {
        std::vector<int> raised;
        for (int terrain = 0; terrain < map.TerrainList.Count(); ++terrain)
            if (Panel(terrain)->frameShadow() == QFrame::Raised)
                raised.push_back(terrain);
        return raised;
    }
    /// The colour in the middle of the terrain's hex.
    QColor Drawn(int terrain) const
    {
        const QImage image = PaintBox(terrain)->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
    /// The whole name can be read, and the swatch lies within the window.
    void ExpectWhole(int terrain) const
    {
        const QLabel* label = Label(terrain);
        EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
        EXPECT_TRUE(key->rect().contains(Panel(terrain)->mapTo(key.get(), Panel(terrain)->rect().bottomRight())));
    }

    TMap map;
    std::unique_ptr<TfrmColourKey> key;
    std::optional<QColor> answer;
    std::vector<QColor> asked;
};

TEST(ColourKey, ShowsEveryTerrainOfTheVocabularyInTwoColumnsInItsColour)
{
    ColourKey k;
    ASSERT_EQ(k.map.TerrainList.Count(), 13);
    EXPECT_EQ(k.key->findChildren<QLabel*>().size(), 13);
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(k.Label(i)->text(), QString::fromStdString(k.map.TerrainList[i]));
        k.ExpectWhole(i);
        EXPECT_EQ(k.Drawn(i), ToQColor(k.map.TerrainColour(i)));
    }
    EXPECT_EQ(k.Panel(0)->y(), k.Panel(1)->y());
    EXPECT_LT(k.Panel(0)->x(), k.Panel(1)->x());
    EXPECT_EQ(k.Panel(2)->x(), k.Panel(0)->x());
    EXPECT_GT(k.Panel(2)->y(), k.Panel(0)->y());
}

TEST(ColourKey, AClickOnPanelPaintBoxOrLabelMovesTheBevel)
{
    ColourKey k;
    EXPECT_EQ(k.key->SelectedTerrain(), 0);
    EXPECT_EQ(k.Raised(), std::vector<int>{0});

    QTest::mouseClick(k.Label(5), Qt::LeftButton);
    EXPECT_EQ(k.key->SelectedTerrain(), 5);
    EXPECT_EQ(k.Raised(), std::vector<int>{5});
    QTest::mouseClick(k.PaintBox(8), Qt::LeftButton);
    EXPECT_EQ(k.key->SelectedTerrain(), 8);
    QTest::mouseClick(k.Panel(3), Qt::LeftButton, {}, QPoint(k.Panel(3)->width() - 3, 3));
    EXPECT_EQ(k.key->SelectedTerrain(), 3);
    EXPECT_EQ(k.Raised(), std::vector<int>{3});
}

TEST(ColourKey, AChosenColourGoesIntoTheMapAndTheSwatchAndCancellingChangesNothing)
{
    ColourKey k;
    QSignalSpy changed(k.key.get(), &TfrmColourKey::MapChanged);
    k.key->SelectTerrain(4);
    k.answer = QColor(0x12, 0x34, 0x56);
    QTest::mouseClick(k.SelColour(), Qt::LeftButton);
    ASSERT_EQ(k.asked.size(), 1u);
    EXPECT_EQ(k.asked[0], QColor(0x80, 0, 0));  // preset to the terrain's maroon
    EXPECT_EQ(k.map.TerrainColour(4), 0x563412);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(k.Drawn(4), QColor(0x12, 0x34, 0x56));

    k.answer.reset();
    k.key->SelectColour();
    EXPECT_EQ(k.asked.size(), 2u);
    EXPECT_EQ(k.map.TerrainColour(4), 0x563412);
    EXPECT_EQ(changed.count(), 1);

    // A double click selects the swatch, then asks for its colour.
    k.answer = QColor(Qt::white);
    QTest::mouseDClick(k.PaintBox(1), Qt::LeftButton);
    EXPECT_EQ(k.key->SelectedTerrain(), 1);
    ASSERT_EQ(k.asked.size(), 3u);
    EXPECT_EQ(k.asked[2], QColor(Qt::blue));
    EXPECT_EQ(k.map.TerrainColour(1), 0xFFFFFF);
    EXPECT_EQ(changed.count(), 2);
}

TEST(ColourKey, ATerrainAddedLaterIsShownGreyWholeAndOffersNoColour)
{
    ColourKey k;
    k.key->SelectTerrain(5);
    k.key->hide();
    const int added = k.map.TerrainList.Add("Volcanic highlands of the far east");
    k.key->show();
    ASSERT_NE(k.Label(added), nullptr);
    k.ExpectWhole(added);
    EXPECT_EQ(k.Drawn(added), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(k.key->SelectedTerrain(), 5);

    // The colour list is never extended, so no colour is asked that could not be kept.
    QSignalSpy changed(k.key.get(), &TfrmColourKey::MapChanged);
    k.answer = QColor(Qt::green);
    QTest::mouseDClick(k.Label(added), Qt::LeftButton);
    EXPECT_EQ(k.key->SelectedTerrain(), added);
    EXPECT_FALSE(k.SelColour()->isEnabled());
    EXPECT_TRUE(k.asked.empty());
    EXPECT_EQ(k.map.TerrainColours.size(), 13u);
    EXPECT_EQ(changed.count(), 0);
    QTest::mouseClick(k.Label(2), Qt::LeftButton);
    EXPECT_TRUE(k.SelColour()->isEnabled());
}

}  // namespace
}  // namespace korvane
