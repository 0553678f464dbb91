// The "Show Troops" window: keeping display lists and what reaches the map.
#include "windows/frm_troop_show_select.h"

#include "core/settings.h"
#include "people/show_troop_collection.h"
#include "windows/registry_builders.h"
#include "windows/window_test_helpers.h"

#include <QRadioButton>
#include <QSignalSpy>

namespace korvane {
namespace {

using testing::Lines;

class TroopShowSelectTest : public testing::OwnedWindowTest<TfrmTroopShowSelect>
{
protected:
    TroopShowSelectTest()
    {
        testing::AddFaction(factions, 12, "Red Hand");
        testing::AddFaction(factions, 7, "Blue Moon");
        pact = alliances.Add(std::make_unique<TAlliance>());
        pact->Name = "Northern Pact";
        lists.SetList("General List", false, {});
        lists.SetList("Friends", false, {"7", "99"});
        settings.UnitList = "Friends";
        Open();
    }
    void Open() { window = std::make_unique<TfrmTroopShowSelect>(lists, factions, alliances, settings, ui, nullptr); }
    Lines Entries() const { return lists.GetList("Friends")->Entries; }

    TFactionList factions;
    TAllianceList alliances;
    TAlliance* pact = nullptr;
    TShowTroopCollection lists;
    TrecINI settings{"ATLANTIS.INI"};
    testing::ScriptedInteraction ui;
};

TEST_F(TroopShowSelectTest, EntriesComeFromThePickersAndAreStoredAndColouredAsTheirWholeNumbers)
{
    // 1234 is what the first four characters of 12345's line would name.
    testing::AddFaction(factions, 1234, "Short Reach", 0x0000FF);
    testing::AddFaction(factions, 12345, "Long Reach", 0xFF0000);
    settings.UnitList = "Gone";
    Open();
    window->show();
    EXPECT_EQ(std::tuple(window->EditedList(), Ticked("optShowFacts")), std::tuple("Friends", true))
        << "the first list, in name order";
    EXPECT_EQ(DisplayListItem("123456", false, factions, alliances), "123456") << "every digit kept";
    QSignalSpy mapChanged(window.get(), &TfrmTroopShowSelect::MapChanged);
    int topLineSeen = -1;
    window->pickFaction = [&](int& topLine, QWidget*) {
        topLineSeen = std::exchange(topLine, 3);
        return factions.Find(12);
    };
    window->AddEntry();
    window->AddEntry();  // the same faction once only; one unknown shows its number alone
    window->pickFaction = [this](int&, QWidget*) { return factions.Find(12345); };
    window->AddEntry();
    EXPECT_EQ(std::tuple(Shown("lstSels"), topLineSeen, Entries()),
              std::tuple(Lines{"   7 - Blue Moon", "  99", "  12 - Red Hand", "12345 - Long Reach"}, 3,
                         Lines{"7", "99", "12", "12345"}))
        << "the picker opens where it was left";
    EXPECT_GE(mapChanged.count(), 2);
    EXPECT_EQ(testing::LinePixel(Get<QListWidget>("lstSels"), 3, 4), QColor(Qt::blue)) << "12345's, not 1234's";
    Get<QListWidget>("lstSels")->setCurrentRow(1);
    window->RemoveEntry();
    EXPECT_EQ(Entries(), (Lines{"7", "12", "12345"}));
    window->chooseColour = [](const QColor&, QWidget*) { return std::optional<QColor>(QColor(0, 255, 0)); };
    for (int row : {0, 2}) {
        Get<QListWidget>("lstSels")->setCurrentRow(row);
        window->ChangeColour();
    }
    EXPECT_EQ(std::tuple(factions.Find(7)->Colour, factions.Find(12345)->Colour, factions.Find(1234)->Colour),
              std::tuple(0x00FF00, 0x00FF00, 0x0000FF))
        << "the registry's colour, not the list's";
}

TEST_F(TroopShowSelectTest, SwitchingKindsEmptiesTheListOnlyWhenAgreedNewListsAreNamedOnceAndTheLastStays)
{
    ui.yesNoAnswers = {false, true};
    Get<QRadioButton>("optShowAllies")->click();
    EXPECT_EQ(ui.shown.back().text,
              "Are you sure you wish to clear this list and recreate it as an Alliance based list ?");
    EXPECT_EQ(std::tuple(Ticked("optShowFacts"), Entries().size()), std::tuple(true, 2UL)) << "No puts the button back";
    Get<QRadioButton>("optShowAllies")->click();
    EXPECT_TRUE(lists.IsAllianceBased("Friends") && Entries().empty());
    window->pickAlliance = [this](QWidget*) { return pact; };
    window->AddEntry();
    EXPECT_EQ(std::tuple(Shown("lstSels"), Entries()), std::tuple(Lines{"   1 - Northern Pact"}, Lines{"1"}));
    // A new list needs a name of its own; the last list cannot go.
    QSignalSpy listsChanged(window.get(), &TfrmTroopShowSelect::ListsChanged);
    window->AddNewList("   ");
    window->AddNewList(" Friends ");
    EXPECT_EQ(ui.shown.back().text, "List of that name already exists. Unable to create new list.");
    window->AddNewList("Foes, old");
    EXPECT_NE(ui.shown.back().text.find("may not contain a comma"), std::string::npos) << "the file would split it";
    window->AddNewList(" Foes ");
    EXPECT_EQ(std::tuple(window->EditedList(), settings.UnitList, listsChanged.count()), std::tuple("Foes", "Foes", 1));
    window->DeleteList();
    window->SelectList("Friends");
    window->DeleteList();
    EXPECT_EQ(lists.Names(), Lines{"General List"});
    window->DeleteList();
    EXPECT_EQ(std::tuple(ui.shown.back().text, lists.Count()),
              std::tuple(std::string("You may not delete the last list."), 1));
    // Closing only hides, and says so.
    window->show();
    QSignalSpy hidden(window.get(), &TfrmTroopShowSelect::Hidden);
    window->close();
    EXPECT_EQ(std::tuple(window->isVisible(), hidden.count()), std::tuple(false, qsizetype(1)));
}

}  // namespace
}  // namespace korvane
