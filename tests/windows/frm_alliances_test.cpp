// The alliance window: alliances and members edited, saved on OK, put back on Cancel; the picker.
#include "windows/frm_alliances.h"

#include "core/settings.h"
#include "windows/frm_alliance_list.h"
#include "windows/registry_builders.h"
#include "windows/window_test_helpers.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFrame>
#include <QMimeData>

#include <deque>
#include <filesystem>

namespace korvane {
namespace {

using Kind = testing::ScriptedInteraction::Kind;
using testing::Lines;

/// Four factions, alliance 1 "North" (7 and 12) and 2 "South" (30), the window over them shown; `picks` answer the picker.
class AlliancesWindow : public testing::OwnedWindowTest<TfrmAlliances>
{
protected:
    AlliancesWindow()
    {
        settings.DataDir = dir.Path();
        for (auto [number, name] : {std::pair{7, "Red Hand"}, {12, "Blue Guild"}, {30, "Green Men"}, {45, "Yellow"}})
            testing::AddFaction(factions, number, name);
        for (auto [name, members] : {std::pair{"North", std::vector{7, 12}}, {"South", std::vector{30}}}) {
            TAlliance* added = alliances.Add(std::make_unique<TAlliance>(
                TAlliance{.Name = name, .Comments = std::string(name) + " comment", .Colour = 0x0000FF}));
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
            topLines.push_back(std::exchange(topLine, 17));
            TFaction* picked = picks.empty() ? nullptr : picks.front();
            if (!picks.empty())
                picks.pop_front();
            return picked;
        };
        window = std::make_unique<TfrmAlliances>(alliances, factions, settings, ui, picker, nullptr);
        window->chooseColour = [this](const QColor&, QWidget*) { return colourAnswer; };
        window->show();
    }
    /// Typed over what the box holds, so that refused characters are refused as typed.
    void Type(const char* edit, const QString& text) const { testing::TypeOver(Get<QLineEdit>(edit), text); }
    void Recolour(const QColor& colour)
    {
        colourAnswer = colour;
        Click("cmdSetColour");
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
};

TEST_F(AlliancesWindow, SelectingAnAllianceShowsItEditingItOffersUpdateAndUpdateReplacesIt)
{
    EXPECT_EQ(std::tuple(Shown("lstAlliances"), Sample()), std::tuple(Lines{"North", "South"}, QColor(192, 192, 192)));
    for (const char* name : {"cmdUpdateAlliance", "cmdDeleteAlliance", "cmdAddFaction", "cmdRemoveFaction"})
        EXPECT_FALSE(Enabled(name)) << name;
    ClickLine("lstAlliances", 0);
    EXPECT_EQ(std::tuple(Text("txtAlName"), Sample(), Count(), Enabled("cmdUpdateAlliance")),
              std::tuple("North", QColor(255, 0, 0), "2", false))
        << "red is the low byte";
    QTest::keyClicks(Get<QLineEdit>("txtAlComment"), "!");
    EXPECT_TRUE(Enabled("cmdUpdateAlliance"));
    ClickLine("lstAlliances", 1);
    EXPECT_FALSE(Enabled("cmdUpdateAlliance"));
    Recolour(QColor(255, 0, 0));
    EXPECT_FALSE(Enabled("cmdUpdateAlliance")) << "the same colour again is no change";
    Recolour(QColor(0, 128, 0));
    EXPECT_EQ(std::tuple(Sample(), Enabled("cmdUpdateAlliance"), window->AlliancesChanged()),
              std::tuple(QColor(0, 128, 0), true, false))
        << "nothing is stored before Update";
    // Update refuses an empty name, then replaces the selected alliance.
    Type("txtAlName", "");
    Click("cmdUpdateAlliance");
    EXPECT_EQ(std::tuple(ui.Texts(Kind::Info), alliances.Items(1)->Name, window->AlliancesChanged()),
              std::tuple(Lines{"The alliance must have a name, I'm afraid."}, "South", false));
    Type("txtAlName", " Southern, \"Pact\" ");
    EXPECT_EQ(Text("txtAlName"), " Southern Pact ") << "quotes and commas are refused as typed";
    Recolour(QColor(0, 255, 0));
    Click("cmdUpdateAlliance");
    const TAlliance& south = *alliances.Items(1);
    EXPECT_EQ(std::tuple(south.Name, south.Colour, south.Number), std::tuple("Southern Pact", 0x00FF00, 2));
    EXPECT_EQ(std::tuple(Shown("lstAlliances"), Enabled("cmdUpdateAlliance"), window->AlliancesChanged()),
              std::tuple(Lines{"North", "Southern Pact"}, false, true));
    // Add makes the next alliance, selected; the file's separator cannot be typed whole.
    Type("txtAlName", "West^\"^Pact,");
    Type("txtAlComment", " met in the west ");
    Click("cmdAddAlliance");
    const TAlliance& added = *alliances.Items(2);
    EXPECT_EQ(std::tuple(added.Number, added.Name, added.Comments, south.Name, SelectedRow("lstAlliances")),
              std::tuple(3, "West^^Pact", "met in the west", "Southern Pact", 2));
}

TEST_F(AlliancesWindow, MembersAreAddedThroughThePickerOnBothSidesAndRemovedTwoAtATime)
{
    ClickLine("lstAlliances", 1);
    Click("cmdAddFaction");  // the player picks nothing
    EXPECT_EQ(std::tuple(Members(1), window->AlliancesChanged()), std::tuple(Lines{"00030"}, false));
    picks = {factions.Find(45), factions.Find(7)};
    Click("cmdAddFaction");
    Click("cmdAddFaction");
    EXPECT_EQ(topLines, (std::vector<int>{0, 0, 17})) << "the picker reopens where it was left after a pick";
    EXPECT_EQ(std::tuple(Members(1), Keys(7), Count(), window->AlliancesChanged()),
              std::tuple(Lines{"00007", "00030", "00045"}, Lines{"00001", "00002"}, "3", true));

    ClickLine("lstAlliances", 0);
    EXPECT_FALSE(Enabled("cmdRemoveFaction"));
    ClickLine("lstFactions", 0);
    ClickLine("lstFactions", 1, Qt::ControlModifier);
    Click("cmdRemoveFaction");
    EXPECT_EQ(std::tuple(Members(0), Keys(12), Keys(7), Count(), Enabled("cmdRemoveFaction")),
              std::tuple(Lines{}, Lines{}, Lines{"00002"}, "0", false));
}

TEST_F(AlliancesWindow, DroppedMembersJoinTheAllianceDroppedOnWhichIsThenSelected)
{
    ClickLine("lstAlliances", 0);
    ClickLine("lstFactions", 1);
    window->DropMembersOn(1);
    EXPECT_EQ(std::tuple(Members(1), Members(0)), std::tuple(Lines{"00012", "00030"}, Lines{"00007", "00012"}))
        << "members are shared, not moved";
    EXPECT_EQ(std::tuple(Keys(12), SelectedRow("lstAlliances"), Shown("lstFactions"), window->AlliancesChanged()),
              std::tuple(Lines{"00001", "00002"}, 1, Lines{"  12 Blue Guild", "  30 Green Men"}, true));
    // Only lines dragged from the member list are taken; anything else dragged in is refused.
    auto* target = Get<QListWidget>("lstAlliances");
    QMimeData text;
    text.setText("North");
    QDragEnterEvent enter(target->visualItemRect(target->item(0)).center(), Qt::CopyAction, &text, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(target->viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

TEST_F(AlliancesWindow, DeleteTakesTheNumberFromTheMembersAndOKSavesOnlyAfterAChange)
{
    Click("cmdOK");
    EXPECT_EQ(std::tuple(window->result(), std::filesystem::exists(dir.File("Alliance.dat"))),
              std::tuple(int(QDialog::Accepted), false))
        << "nothing changed, nothing written";
    for (bool writable : {true, false}) {
        Open();
        if (!writable)
            settings.DataDir = dir.Write("not-a-folder", "");
        ClickLine("lstAlliances", 0);
        Click("cmdDeleteAlliance");
        if (writable) {  // a second press cannot take another alliance
            EXPECT_EQ(std::tuple(Shown("lstAlliances"), Keys(7), Keys(30), Enabled("cmdDeleteAlliance"),
                                 Shown("lstFactions")),
                      std::tuple(Lines{"South"}, Lines{}, Lines{"00002"}, false, Lines{}));
        }
        Click("cmdOK");
        EXPECT_FALSE(window->isVisible());
    }
    EXPECT_EQ(dir.Read("Alliance.dat"), "VERSION^\"^2.31\r\n2^\"^South^\"^South comment^\"^255^\"^1^\"^00030^\"^\r\n");
    EXPECT_EQ(ui.Texts(Kind::Warning),
              Lines{"Error saving Alliance information. Some or all Alliance data may be lost."});
}

TEST_F(AlliancesWindow, CancelAsksBeforeDiscardingAndPutsEverythingBackAndThePickerPicksFromTheListKept)
{
    Click("cmdCancel");
    EXPECT_EQ(std::tuple(ui.shown.size(), window->result()), std::tuple(0UL, int(QDialog::Rejected)))
        << "nothing to lose, nothing asked";
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
    EXPECT_EQ(std::tuple(window->isVisible(), alliances.Count()), std::tuple(true, 2))
        << "No keeps the window open, however it was closed";
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_EQ(ui.Texts(Kind::YesNo), Lines(3, "Are you sure you wish to cancel all your changes ?"));
    EXPECT_EQ(std::tuple(window->isVisible(), window->result(), window->AlliancesChanged(), alliances.ListNames()),
              std::tuple(false, int(QDialog::Rejected), false, Lines{"North", "South"}))
        << "the opener has nothing new to show";
    EXPECT_EQ(std::tuple(Members(0), Keys(7), Keys(45)), std::tuple(Lines{"00007", "00012"}, Lines{"00001"}, Lines{}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("Alliance.dat")));

    // The line clicked, then the button pressed; none: the line is double clicked.
    for (const auto& [row, button, picked] : {std::tuple{1, "cmdSelect", 1}, {0, "", 0}, {0, "cmdCancel", -1}}) {
        TfrmAllianceList picker(alliances, nullptr);
        testing::WhenModalShown<TfrmAllianceList>([&](TfrmAllianceList* w) {
            auto* list = testing::Child<QListWidget>(*w, "lstAlliances");
            EXPECT_EQ(testing::LineTexts(list), (Lines{"North", "South"}));
            EXPECT_FALSE(testing::Child(*w, "cmdSelect")->isEnabled()) << "nothing is selected yet";
            QTest::keyClick(w, Qt::Key_Return);
            EXPECT_TRUE(w->isVisible());
            testing::ClickLine(list, row, {}, !*button);
            if (*button)
                QTest::mouseClick(testing::Child(*w, button), Qt::LeftButton);
        });
        const int result = picker.exec();
        EXPECT_EQ(std::pair(result, picker.PickedAlliance()),
                  std::pair(int(picked < 0 ? QDialog::Rejected : QDialog::Accepted),
                            picked < 0 ? nullptr : alliances.Items(picked)));
    }
}

}  // namespace
}  // namespace korvane
