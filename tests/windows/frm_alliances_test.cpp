// The alliance window driven as a player would: alliances made, changed and removed, members
// picked, removed and dragged, and the registry saved on OK or put back on Cancel.
#include "windows/frm_alliances.h"

#include "core/settings.h"
#include "mapview/render/colour.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/window_test_helpers.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QFrame>
#include <QLabel>
#include <QMimeData>

#include <deque>
#include <filesystem>
#include <memory>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;
using testing::Lines;

/// Four factions, alliance 1 "North" (Red Hand and Blue Guild) and alliance 2 "South" (Green
/// Men), and the window over them, shown. Faction picks are answered from `picks`.
class AlliancesWindow : public testing::WindowTest
{
protected:
    AlliancesWindow()
    {
        settings.DataDir = dir.Path();
        for (auto [number, name] : {std::pair{7, "Red Hand"}, {12, "Blue Guild"}, {30, "Green Men"}, {45, "Yellow"}}) {
            auto faction = std::make_unique<TFaction>();
            faction->Number = number;
            faction->Name = name;
            factions.Add(std::move(faction));
        }
        for (auto [name, members] : {std::pair{"North", std::vector{7, 12}}, {"South", std::vector{30}}}) {
            auto alliance = std::make_unique<TAlliance>();
            alliance->Name = name;
            alliance->Comments = std::string(name) + " comment";
            alliance->Colour = 0x0000FF;
            TAlliance* added = alliances.Add(std::move(alliance));
            for (int member : members) {
                added->AddMember(member);
                factions.Find(member)->AddAlliance(added->Number);
            }
        }
        Open();
    }

    void Open()
    {
        const FactionPicker picker = [this](int& topLine, QWidget*) -> TFaction* {
            topLines.push_back(topLine);
            topLine = 17;
            if (picks.empty())
                return nullptr;
            TFaction* picked = picks.front();
            picks.pop_front();
            return picked;
        };
        window = std::make_unique<TfrmAlliances>(alliances, factions, settings, ui, picker, nullptr);
        window->chooseColour = [this](const QColor&, QWidget*) { return colourAnswer; };
        window->show();
    }

    const QWidget& Window() const override { return *window; }
    /// Typed over what the box holds, so that refused characters are refused as typed.
    void Type(const char* edit, const QString& text) const { testing::TypeOver(Get<QLineEdit>(edit), text); }
    /// A click on a line, with `modifier` held.
    void ClickLine(const char* list, int row, Qt::KeyboardModifiers modifier = {}) const
    {
        auto* box = Get<QListWidget>(list);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, modifier, box->visualItemRect(box->item(row)).center());
    }
    int SelectedAllianceRow() const
    {
        const auto selected = Get<QListWidget>("lstAlliances")->selectedItems();
        return selected.isEmpty() ? -1 : Get<QListWidget>("lstAlliances")->row(selected.front());
    }
    QColor Sample() const { return Get<QFrame>("shapeAlCol")->palette().color(QPalette::Window); }
    QString Count() const { return Get<QLabel>("pnlFacCount")->text(); }
    const Lines& Keys(int faction) const { return factions.Find(faction)->AllianceKeys; }
    const Lines& Members(int row) const { return alliances.Items(row)->Members; }

    testing::TempDir dir;
    TrecINI settings{dir.File("ATLANTIS.INI")};
    TFactionList factions;
    TAllianceList alliances;
    testing::ScriptedInteraction ui;
    std::deque<TFaction*> picks;
    std::vector<int> topLines;
    std::optional<QColor> colourAnswer;
    std::unique_ptr<TfrmAlliances> window;
};

TEST_F(AlliancesWindow, SelectingAnAllianceShowsItAndEditingItOffersUpdate)
{
    EXPECT_EQ(Shown("lstAlliances"), (Lines{"North", "South"}));
    EXPECT_EQ(Sample(), QColor(192, 192, 192));
    for (const char* name : {"cmdUpdateAlliance", "cmdDeleteAlliance", "cmdAddFaction", "cmdRemoveFaction"})
        EXPECT_FALSE(Enabled(name)) << name;

    ClickLine("lstAlliances", 0);
    EXPECT_EQ(Text("txtAlName"), "North");
    EXPECT_EQ(Sample(), QColor(255, 0, 0)) << "red is the low byte";
    EXPECT_EQ(Shown("lstFactions"), (Lines{"   7 Red Hand", "  12 Blue Guild"}));
    EXPECT_EQ(Count(), "2");
    EXPECT_FALSE(Enabled("cmdUpdateAlliance"));

    QTest::keyClicks(Get<QLineEdit>("txtAlComment"), "!");
    EXPECT_TRUE(Enabled("cmdUpdateAlliance"));
    ClickLine("lstAlliances", 1);
    EXPECT_FALSE(Enabled("cmdUpdateAlliance"));
    colourAnswer = QColor(255, 0, 0);
    Click("cmdSetColour");
    EXPECT_FALSE(Enabled("cmdUpdateAlliance")) << "the same colour again is no change";
    colourAnswer = QColor(0, 128, 0);
    Click("cmdSetColour");
    EXPECT_EQ(Sample(), QColor(0, 128, 0));
    EXPECT_TRUE(Enabled("cmdUpdateAlliance"));
    EXPECT_FALSE(window->AlliancesChanged()) << "nothing is stored before Update";
}

TEST_F(AlliancesWindow, AddingNeedsANameAndMakesTheNextAlliance)
{
    Type("txtAlName", "   ");
    Click("cmdAddAlliance");
    EXPECT_EQ(ui.Texts(Kind::Info), Lines{"Please provide a name for the new alliance. Thanks."});
    EXPECT_EQ(alliances.Count(), 2);

    Type("txtAlName", "  Dragon's, \"Teeth\"  ");
    EXPECT_EQ(Text("txtAlName"), "  Dragons Teeth  ") << "quotes and commas are refused as typed";
    Type("txtAlComment", " met in the west ");
    colourAnswer = QColor(0, 0, 255);
    Click("cmdSetColour");
    Click("cmdAddAlliance");
    ASSERT_EQ(alliances.Count(), 3);
    const TAlliance& added = *alliances.Items(2);
    EXPECT_EQ(added.Number, 3);
    EXPECT_EQ(added.Name, "Dragons Teeth");
    EXPECT_EQ(added.Comments, "met in the west");
    EXPECT_EQ(added.Colour, 0xFF0000);
    EXPECT_EQ(SelectedAllianceRow(), 2);
    EXPECT_TRUE(window->AlliancesChanged());

    // Pasted, they are refused as well.
    ClickLine("lstAlliances", 0);
    QApplication::clipboard()->setText("North^\"^Pact,");
    Get<QLineEdit>("txtAlName")->selectAll();
    Get<QLineEdit>("txtAlName")->paste();
    Click("cmdAddAlliance");
    EXPECT_EQ(Shown("lstAlliances").back(), "North^^Pact");
    EXPECT_EQ(alliances.Items(0)->Name, "North") << "Add leaves the alliance shown before as it was";
}

TEST_F(AlliancesWindow, UpdateReplacesTheSelectedAllianceAndRefusesAnEmptyName)
{
    ClickLine("lstAlliances", 1);
    Type("txtAlName", "");
    Click("cmdUpdateAlliance");
    EXPECT_EQ(ui.Texts(Kind::Info), Lines{"The alliance must have a name, I'm afraid."});
    EXPECT_EQ(alliances.Items(1)->Name, "South");
    EXPECT_FALSE(window->AlliancesChanged());

    Type("txtAlName", " Southern Pact ");
    colourAnswer = QColor(0, 255, 0);
    Click("cmdSetColour");
    Click("cmdUpdateAlliance");
    EXPECT_EQ(alliances.Items(1)->Name, "Southern Pact");
    EXPECT_EQ(alliances.Items(1)->Colour, 0x00FF00);
    EXPECT_EQ(alliances.Items(1)->Number, 2);
    EXPECT_EQ(Shown("lstAlliances"), (Lines{"North", "Southern Pact"}));
    EXPECT_FALSE(Enabled("cmdUpdateAlliance"));
    EXPECT_TRUE(window->AlliancesChanged());
}

TEST_F(AlliancesWindow, DeleteRemovesTheAllianceAndItsNumberFromTheMembers)
{
    ClickLine("lstAlliances", 0);
    Click("cmdDeleteAlliance");
    EXPECT_EQ(Shown("lstAlliances"), Lines{"South"});
    EXPECT_TRUE(Keys(7).empty());
    EXPECT_EQ(Keys(30), Lines{"00002"});
    EXPECT_FALSE(Enabled("cmdDeleteAlliance")) << "a second press cannot take another alliance";
    EXPECT_TRUE(Shown("lstFactions").empty());
    EXPECT_TRUE(window->AlliancesChanged());
}

TEST_F(AlliancesWindow, MembersAreAddedThroughThePickerOnBothSides)
{
    ClickLine("lstAlliances", 1);
    Click("cmdAddFaction");  // the player picks nothing
    EXPECT_EQ(Members(1), Lines{"00030"});
    EXPECT_FALSE(window->AlliancesChanged());

    picks = {factions.Find(45), factions.Find(7)};
    Click("cmdAddFaction");
    Click("cmdAddFaction");
    EXPECT_EQ(topLines, (std::vector<int>{0, 0, 17})) << "the picker reopens where it was left after a pick";
    EXPECT_EQ(Members(1), (Lines{"00007", "00030", "00045"}));
    EXPECT_EQ(Keys(7), (Lines{"00001", "00002"}));
    EXPECT_EQ(Count(), "3");
    EXPECT_TRUE(window->AlliancesChanged());
}

TEST_F(AlliancesWindow, RemovingTwoSelectedMembersRemovesBoth)
{
    ClickLine("lstAlliances", 0);
    EXPECT_FALSE(Enabled("cmdRemoveFaction"));
    ClickLine("lstFactions", 0);
    ClickLine("lstFactions", 1, Qt::ControlModifier);
    EXPECT_TRUE(Enabled("cmdRemoveFaction"));
    Click("cmdRemoveFaction");
    EXPECT_TRUE(Members(0).empty());
    EXPECT_TRUE(Keys(12).empty());
    EXPECT_EQ(Count(), "0");
    EXPECT_FALSE(Enabled("cmdRemoveFaction"));
    EXPECT_TRUE(window->AlliancesChanged());
}

TEST_F(AlliancesWindow, DroppedMembersJoinTheAllianceDroppedOnWhichIsThenSelected)
{
    ClickLine("lstAlliances", 0);
    ClickLine("lstFactions", 1);
    window->DropMembersOn(1);
    EXPECT_EQ(Members(1), (Lines{"00012", "00030"}));
    EXPECT_EQ(Members(0), (Lines{"00007", "00012"})) << "members are shared, not moved";
    EXPECT_EQ(Keys(12), (Lines{"00001", "00002"}));
    EXPECT_EQ(SelectedAllianceRow(), 1);
    EXPECT_EQ(Shown("lstFactions"), (Lines{"  12 Blue Guild", "  30 Green Men"}));
    EXPECT_TRUE(window->AlliancesChanged());

    // Only lines dragged from the member list are taken; anything else dragged in is refused.
    auto* target = Get<QListWidget>("lstAlliances");
    QMimeData text;
    text.setText("North");
    QDragEnterEvent enter(target->visualItemRect(target->item(0)).center(), Qt::CopyAction, &text, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(AlliancesWindow, OKSavesOnlyAfterAChangeAndWarnsWhenItCannot)
{
    const std::string file = dir.File("Alliance.dat");
    Click("cmdOK");
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(std::filesystem::exists(file)) << "nothing changed, nothing written";

    Open();
    ClickLine("lstAlliances", 0);
    Click("cmdDeleteAlliance");
    Click("cmdOK");
    EXPECT_EQ(dir.Read("Alliance.dat"), "VERSION^\"^2.31\r\n2^\"^South^\"^South comment^\"^255^\"^1^\"^00030^\"^\r\n");
    EXPECT_TRUE(ui.shown.empty());

    Open();
    settings.DataDir = dir.Write("not-a-folder", "");
    ClickLine("lstAlliances", 0);
    Click("cmdDeleteAlliance");
    Click("cmdOK");
    EXPECT_EQ(ui.Texts(Kind::Warning),
              Lines{"Error saving Alliance information. Some or all Alliance data may be lost."});
    EXPECT_FALSE(window->isVisible());
}

TEST_F(AlliancesWindow, CancelAsksBeforeDiscardingAndPutsEverythingBack)
{
    Click("cmdCancel");
    EXPECT_TRUE(ui.shown.empty()) << "nothing to lose, nothing asked";
    EXPECT_EQ(window->result(), QDialog::Rejected);

    Open();
    ClickLine("lstAlliances", 0);
    Click("cmdDeleteAlliance");
    ClickLine("lstAlliances", 0);
    picks = {factions.Find(45)};
    Click("cmdAddFaction");
    Type("txtAlName", "West");
    Click("cmdAddAlliance");

    ui.yesNoAnswers = {false, false, true};
    Click("cmdCancel");
    window->close();
    EXPECT_TRUE(window->isVisible()) << "No keeps the window open, however it was closed";
    EXPECT_EQ(alliances.Count(), 2);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(ui.Texts(Kind::YesNo), Lines(3, "Are you sure you wish to cancel all your changes ?"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_FALSE(window->AlliancesChanged()) << "the opener has nothing new to show";

    EXPECT_EQ(alliances.ListNames(), (Lines{"North", "South"}));
    EXPECT_EQ(Members(0), (Lines{"00007", "00012"}));
    EXPECT_EQ(Keys(7), Lines{"00001"});
    EXPECT_TRUE(Keys(45).empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("Alliance.dat")));
}

}  // namespace
}  // namespace korvane
