// The "Show Troops" window: keeping display lists and what reaches the map.
#include "windows/frm_troop_show_select.h"

#include "core/settings.h"
#include "people/alliance_list.h"
#include "people/faction_list.h"
#include "people/show_troop_collection.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "windows/window_test_helpers.h"

#include <QRadioButton>
#include <QSignalSpy>

namespace korvane {
namespace {

using testing::Lines;

class TroopShowSelectTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto& [number, name] : {std::pair(12, "Red Hand"), std::pair(7, "Blue Moon")}) {
            auto faction = std::make_unique<TFaction>();
            std::tie(faction->Number, faction->Name) = std::tuple(number, name);
            factions.Add(std::move(faction));
        }
        auto alliance = std::make_unique<TAlliance>();
        alliance->Name = "Northern Pact";
        pact = alliances.Add(std::move(alliance));
        lists.SetList("General List", false, {});
        lists.SetList("Friends", false, {"7", "99"});
        settings.UnitList = "Friends";
    }

    Lines Items() const { return testing::LineTexts(*testing::Child<QListWidget>(*window, "lstSels")); }

    TFactionList factions;
    TAllianceList alliances;
    TAlliance* pact = nullptr;
    TShowTroopCollection lists;
    TrecINI settings{"ATLANTIS.INI"};
    testing::ScriptedInteraction ui;
    std::unique_ptr<TfrmTroopShowSelect> window;

    void Open() { window = std::make_unique<TfrmTroopShowSelect>(lists, factions, alliances, settings, ui, nullptr); }
};

TEST_F(TroopShowSelectTest, ShowsTheListInUseWithNamesOfKnownFactions)
{
    Open();
    EXPECT_EQ(window->EditedList(), "Friends");
    EXPECT_EQ(Items(), (Lines{"   7 - Blue Moon", "  99"})) << "an unknown faction shows its number alone";
    EXPECT_TRUE(window->findChild<QRadioButton*>("optShowFacts")->isChecked());

    settings.UnitList = "Gone";
    Open();
    EXPECT_EQ(window->EditedList(), "Friends") << "the first list, in name order";
    EXPECT_EQ(DisplayListItem("123456", false, factions, alliances), "123456") << "every digit kept";
}

TEST_F(TroopShowSelectTest, ALongFactionNumberIsStoredAndColouredAsItself)
{
    for (const auto& [number, name, colour] :
         {std::tuple(1234, "Short Reach", 0x0000FF), {12345, "Long Reach", 0xFF0000}}) {
        auto faction = std::make_unique<TFaction>();
        std::tie(faction->Number, faction->Name, faction->Colour) = std::tuple(number, name, colour);
        factions.Add(std::move(faction));
    }
    Open();
    window->show();
    window->pickFaction = [this](int&, QWidget*) { return factions.Find(12345); };
    window->AddEntry();
    window->AddEntry();
    EXPECT_EQ(Items(), (Lines{"   7 - Blue Moon", "  99", "12345 - Long Reach"}));
    EXPECT_EQ(lists.GetList("Friends")->Entries, (std::vector<std::string>{"7", "99", "12345"}));

    auto* sels = testing::Child<QListWidget>(*window, "lstSels");
    const QRect line = sels->visualItemRect(sels->item(2));
    EXPECT_EQ(sels->viewport()->grab().toImage().pixelColor(line.left() + 4, line.center().y()), QColor(Qt::blue))
        << "the square of faction 12345, not of 1234";
    sels->setCurrentRow(2);
    window->chooseColour = [](const QColor&, QWidget*) { return std::optional<QColor>(QColor(0, 255, 0)); };
    window->ChangeColour();
    EXPECT_EQ(std::tuple(factions.Find(12345)->Colour, factions.Find(1234)->Colour), std::tuple(0x00FF00, 0x0000FF));
}

TEST_F(TroopShowSelectTest, NewListsAreNamedOnceAndTheLastListStays)
{
    Open();
    QSignalSpy listsChanged(window.get(), &TfrmTroopShowSelect::ListsChanged);
    window->AddNewList("   ");
    window->AddNewList(" Friends ");
    EXPECT_EQ(ui.shown.back().text, "List of that name already exists. Unable to create new list.");
    window->AddNewList("Foes, old");
    EXPECT_NE(ui.shown.back().text.find("may not contain a comma"), std::string::npos) << "the file would split it";
    window->AddNewList(" Foes ");
    EXPECT_EQ(window->EditedList(), "Foes");
    EXPECT_EQ(settings.UnitList, "Foes");
    EXPECT_EQ(listsChanged.count(), 1);
    EXPECT_EQ(lists.Names(), (std::vector<std::string>{"General List", "Friends", "Foes"}));

    window->DeleteList();
    window->SelectList("Friends");
    window->DeleteList();
    EXPECT_EQ(lists.Names(), std::vector<std::string>{"General List"});
    window->DeleteList();
    EXPECT_EQ(ui.shown.back().text, "You may not delete the last list.");
    EXPECT_EQ(lists.Count(), 1);
}

TEST_F(TroopShowSelectTest, EntriesComeFromThePickersAndAreStoredAsNumbers)
{
    Open();
    QSignalSpy mapChanged(window.get(), &TfrmTroopShowSelect::MapChanged);
    int topLineSeen = -1;
    window->pickFaction = [&](int& topLine, QWidget*) {
        topLineSeen = topLine;
        topLine = 3;
        return factions.Find(12);
    };
    window->AddEntry();
    window->AddEntry();  // the same faction once only
    EXPECT_EQ(Items(), (Lines{"   7 - Blue Moon", "  99", "  12 - Red Hand"}));
    EXPECT_EQ(topLineSeen, 3) << "the picker opens where it was left";
    EXPECT_EQ(lists.GetList("Friends")->Entries, (std::vector<std::string>{"7", "99", "12"}));
    EXPECT_GE(mapChanged.count(), 2);

    window->findChild<QListWidget*>("lstSels")->setCurrentRow(1);
    window->RemoveEntry();
    EXPECT_EQ(lists.GetList("Friends")->Entries, (std::vector<std::string>{"7", "12"}));

    window->findChild<QListWidget*>("lstSels")->setCurrentRow(0);
    window->chooseColour = [](const QColor&, QWidget*) { return std::optional<QColor>(QColor(0, 255, 0)); };
    window->ChangeColour();
    EXPECT_EQ(factions.Find(7)->Colour, 0x00FF00) << "the registry's colour, not the list's";
}

TEST_F(TroopShowSelectTest, SwitchingKindsEmptiesTheListOnlyWhenThePlayerAgrees)
{
    Open();
    ui.yesNoAnswers = {false};
    window->findChild<QRadioButton*>("optShowAllies")->click();
    EXPECT_EQ(ui.shown.back().text,
              "Are you sure you wish to clear this list and recreate it as an Alliance based list ?");
    EXPECT_TRUE(window->findChild<QRadioButton*>("optShowFacts")->isChecked()) << "No puts the button back";
    EXPECT_EQ(lists.GetList("Friends")->Entries.size(), 2u);

    ui.yesNoAnswers = {true};
    window->findChild<QRadioButton*>("optShowAllies")->click();
    EXPECT_TRUE(lists.IsAllianceBased("Friends"));
    EXPECT_TRUE(lists.GetList("Friends")->Entries.empty());
    window->pickAlliance = [this](QWidget*) { return pact; };
    window->AddEntry();
    EXPECT_EQ(Items(), Lines{"   1 - Northern Pact"});
    EXPECT_EQ(lists.GetList("Friends")->Entries, std::vector<std::string>{"1"});
}

TEST_F(TroopShowSelectTest, ClosingOnlyHides)
{
    Open();
    window->show();
    QSignalSpy hidden(window.get(), &TfrmTroopShowSelect::Hidden);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(hidden.count(), 1);
}

}  // namespace
}  // namespace korvane
