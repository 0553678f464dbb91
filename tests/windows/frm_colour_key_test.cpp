// The terrain colour key: its swatches, selection and colour choice.
#include "windows/frm_colour_key.h"

#include "mapview/render/colour.h"
#include "windows/key_window_test.h"

#include <QFontMetrics>

namespace korvane {
namespace {

class ColourKey : public testing::KeyWindowTest<TfrmColourKey>
{
protected:
    QFrame* Panel(int terrain) const { return Part<QFrame>("pnlTerrain", terrain); }
    QWidget* PaintBox(int terrain) const { return Part("picTerrain", terrain); }
    QLabel* Label(int terrain) const { return Part<QLabel>("lblTerrain", terrain); }
    /// The selected terrain, then those whose panel carries the bevel.
    std::vector<int> Selection() const
    {
        std::vector<int> selection = Raised("pnlTerrain", map.TerrainList.Count());
        selection.insert(selection.begin(), key->SelectedTerrain());
        return selection;
    }
    /// The whole name can be read and the swatch, in `colour`, lies within the window.
    void ExpectWhole(int terrain, const QColor& colour) const
    {
        const QLabel* label = Label(terrain);
        EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
        EXPECT_TRUE(key->rect().contains(Panel(terrain)->mapTo(key.get(), Panel(terrain)->rect().bottomRight())));
        EXPECT_EQ(Centre(PaintBox(terrain)), colour);
    }
};

TEST_F(ColourKey, ShowsEveryTerrainWholeAClickMovesTheBevelAndOnlyAKnownTerrainsColourIsChosen)
{
    ASSERT_EQ(map.TerrainList.Count(), 13);
    EXPECT_EQ(key->findChildren<QLabel*>().size(), 13);
    for (int i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Label(i)->text(), QString::fromStdString(map.TerrainList[i]));
        ExpectWhole(i, ToQColor(map.TerrainColour(i)));
    }
    // 1 beside 0, 2 below it.
    EXPECT_EQ(std::tuple(Panel(1)->y(), Panel(2)->x()), std::tuple(Panel(0)->y(), Panel(0)->x()));
    EXPECT_TRUE(Panel(0)->x() < Panel(1)->x() && Panel(0)->y() < Panel(2)->y());
    // A click on a panel, paint box or label moves the bevel.
    EXPECT_EQ(Selection(), (std::vector{0, 0}));
    for (auto [part, terrain] : {std::pair{"lblTerrain", 5}, {"picTerrain", 8}, {"pnlTerrain", 3}}) {
        QWidget* clicked = Part(part, terrain);
        QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(clicked->width() - 3, 3));  // off any child in its middle
        EXPECT_EQ(Selection(), (std::vector{terrain, terrain})) << part;
    }
    // A chosen colour goes into the map and the swatch; cancelling changes nothing.
    key->SelectTerrain(4);
    answer = QColor(0x12, 0x34, 0x56);
    QTest::mouseClick(SelColour(), Qt::LeftButton);
    EXPECT_EQ(asked, std::vector{QColor(0x80, 0, 0)}) << "preset to the terrain's maroon";
    EXPECT_EQ(std::tuple(map.TerrainColour(4), changed.count(), Centre(PaintBox(4))), std::tuple(0x563412, 1, *answer));

    answer.reset();
    key->SelectColour();
    EXPECT_EQ(std::tuple(asked.size(), map.TerrainColour(4), changed.count()), std::tuple(2u, 0x563412, 1));

    // A double click selects the swatch, then asks for its colour.
    answer = QColor(Qt::white);
    QTest::mouseDClick(PaintBox(1), Qt::LeftButton);
    EXPECT_EQ(asked.back(), QColor(Qt::blue));
    EXPECT_EQ(std::tuple(key->SelectedTerrain(), asked.size(), map.TerrainColour(1), changed.count()),
              std::tuple(1, 3u, 0xFFFFFF, 2));

    // A terrain added later is shown grey and whole, and offers no colour: the colour list is never extended.
    key->hide();
    const int added = map.TerrainList.Add("Volcanic highlands of the far east");
    key->show();
    ASSERT_NE(Label(added), nullptr);
    ExpectWhole(added, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(key->SelectedTerrain(), 1);
    QTest::mouseDClick(Label(added), Qt::LeftButton);
    EXPECT_EQ(key->SelectedTerrain(), added);
    EXPECT_FALSE(SelColour()->isEnabled());
    EXPECT_EQ(std::tuple(asked.size(), map.TerrainColours.size(), changed.count()), std::tuple(3u, 13u, 2));
    QTest::mouseClick(Label(2), Qt::LeftButton);
    EXPECT_TRUE(SelColour()->isEnabled());
}

}  // namespace
}  // namespace korvane
