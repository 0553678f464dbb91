// The faction window and its find window driven as a player would: details, saving, colour,
// search, picking and import.
#include "windows/frm_factions.h"

#include "core/settings.h"
#include "mapview/render/colour.h"
#include "people/faction_list.h"
#include "support/qt_printers.h"
#include "support/scripted_interaction.h"
#include "support/temp_dir.h"
#include "windows/frm_find.h"
#include "windows/window_test_helpers.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

namespace korvane {
namespace {

template <typename T>
T* Part(QWidget* window, const char* name)
{
    return testing::Child<T>(*window, name);
}
QListWidget* List(QWidget* w)
{
    return Part<QListWidget>(w, "lstFactions");
}
QLineEdit* Box(QWidget* w, const char* name)
{
    return Part<QLineEdit>(w, name);
}
QPushButton* Button(QWidget* w, const char* name)
{
    return Part<QPushButton>(w, name);
}
void Click(QWidget* w, const char* button)
{
    QTest::mouseClick(Button(w, button), Qt::LeftButton);
}
QColor Sample(QWidget* w)
{
    return Part<QLabel>(w, "shapeCol")->palette().color(QPalette::Window);
}
int Selected(QWidget* w)
{
    const QList<QListWidgetItem*> selected = List(w)->selectedItems();
    return selected.isEmpty() ? -1 : List(w)->row(selected.front());
}
std::string Line(QWidget* w, int row)
{
    return List(w)->item(row)->text().toStdString();
}

class FactionWindow : public ::testing::Test
{
protected:
    FactionWindow()
    {
        settings.DataDir = dir.Path();
        for (const auto& [number, name, email] : {std::tuple{3, "Ravenmoor Riders", "riders@example.org"},
                                                  {7, "Red Hand", ""},
                                                  {12, "The Silver Road", "road@example.org"},
                                                  {40, "Hand of Night", "night@example.org"}}) {
            auto faction = std::make_unique<TFaction>();
            faction->Number = number;
            faction->Name = name;
            faction->EMail = email;
            factions.Add(std::move(faction));
        }
    }

    /// A window over the factions whose colour questions `colourAnswer` answers.
    std::unique_ptr<TfrmFactions> Open(bool pickMode = false)
    {
        auto window = std::make_unique<TfrmFactions>(factions, settings, ui, nullptr);
        window->PickMode = pickMode;
        window->chooseColour = [this](const QColor& initial, QWidget*) {
            asked.push_back(initial);
            return colourAnswer;
        };
        return window;
    }

    testing::TempDir dir;
    TrecINI settings{dir.File("ATLANTIS.INI")};
    testing::ScriptedInteraction ui;
    TFactionList factions;
    std::optional<QColor> colourAnswer;
    std::vector<QColor> asked;
};

TEST_F(FactionWindow, ListsFactionsInColumnsAndShowsTheOneSelected)
{
    auto window = Open();
    window->show();
    QWidget* w = window.get();
    EXPECT_EQ(Line(w, 0), "3    Ravenmoor Riders           riders@example.org");
    EXPECT_EQ(Line(w, 1), "7    Red Hand                   ");
    EXPECT_TRUE(QFontInfo(List(w)->font()).fixedPitch()) << "the columns line up";
    EXPECT_FALSE(Button(w, "cmdSetColour")->isEnabled());
    EXPECT_EQ(Sample(w), QColor(192, 192, 192));
    EXPECT_FALSE(Button(w, "cmdCancel")->isVisible()) << "only a picker can be cancelled";

    List(w)->setCurrentRow(0);
    EXPECT_EQ(Part<QLabel>(w, "pnlFacNo")->text(), "3");
    EXPECT_EQ(Box(w, "txtFacName")->text(), "Ravenmoor Riders");
    EXPECT_EQ(Sample(w), QColor(0, 0, 255));
    EXPECT_FALSE(Button(w, "cmdSave")->isEnabled()) << "nothing typed yet";
}

TEST_F(FactionWindow, SaveKeepsTheTrimmedDetailsAndTheColourChosen)
{
    auto window = Open();
    window->show();
    QWidget* w = window.get();
    List(w)->setCurrentRow(0);
    // Edits dropped by moving to another faction are not saved, and leave Save off.
    QTest::keyClicks(Box(w, "txtPlayer"), "nobody");
    EXPECT_TRUE(Button(w, "cmdSave")->isEnabled());
    List(w)->setCurrentRow(1);
    EXPECT_FALSE(Button(w, "cmdSave")->isEnabled());
    EXPECT_EQ(factions.Find(3)->Player, "");

    colourAnswer = QColor(0, 0, 255);  // the colour it has: no change
    Click(w, "cmdSetColour");
    EXPECT_FALSE(Button(w, "cmdSave")->isEnabled());
    colourAnswer = QColor(200, 100, 50);
    Click(w, "cmdSetColour");
    EXPECT_EQ(asked, (std::vector<QColor>{QColor(0, 0, 255), QColor(0, 0, 255)})) << "starts on the sample";
    EXPECT_EQ(Sample(w), QColor(200, 100, 50));
    EXPECT_TRUE(Button(w, "cmdSave")->isEnabled());

    Box(w, "txtFacName")->setText("   Red Hand of Doom  ");
    Box(w, "txtPlayer")->insert("  Björn ");
    QTest::keyClick(Box(w, "txtPlayer"), Qt::Key_Return);  // Enter saves, and keeps the window open
    const TFaction& red = *factions.Find(7);
    EXPECT_EQ(red.Name, "Red Hand of Doom");
    EXPECT_EQ(red.Player, "Bj\xC3\xB6rn");
    EXPECT_EQ(red.Colour, FromQColor(QColor(200, 100, 50)));
    EXPECT_TRUE(window->FactionsChanged());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(Selected(w), 1);
    EXPECT_EQ(Line(w, 1), "7    Red Hand of Doom           ");
    EXPECT_EQ(Box(w, "txtFacName")->text(), "Red Hand of Doom") << "the box shows what was kept";
    EXPECT_FALSE(Button(w, "cmdSave")->isEnabled());

    // Saving what is already kept changes nothing.
    auto again = Open();
    again->show();
    List(again.get())->setCurrentRow(2);
    Box(again.get(), "txtFacName")->setText("The Silver Road ");
    Click(again.get(), "cmdSave");
    EXPECT_FALSE(again->FactionsChanged());
}

TEST_F(FactionWindow, TypedSeparatorsAndBreaksCannotSplitTheRegistryFile)
{
    auto window = Open();
    window->show();
    QWidget* w = window.get();
    List(w)->setCurrentRow(0);
    Box(w, "txtFacName")->setText("Riders^\"^of the Moor");  // the file's field separator
    Box(w, "txtComments")->setText("line one\nline two");  // pasted with its line break
    Click(w, "cmdSave");

    ASSERT_TRUE(factions.SaveToFile(settings));
    TFactionList reloaded;
    ASSERT_TRUE(reloaded.LoadFromFile(settings));
    ASSERT_EQ(reloaded.Count(), factions.Count());
    const TFaction& kept = *factions.Find(3);
    const TFaction& back = *reloaded.Find(3);
    EXPECT_EQ(back.Name, kept.Name) << "what the window keeps is what the file gives back";
    EXPECT_EQ(back.Comments, kept.Comments);
    EXPECT_EQ(back.EMail, "riders@example.org");
    EXPECT_EQ(Box(w, "txtFacName")->text().toStdString(), kept.Name);
}

TEST_F(FactionWindow, FindSearchesInAnyCaseStepsToTheNextAndWrapsAround)
{
    auto window = Open();
    window->show();
    QWidget* w = window.get();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->move(screen.left() + 50, screen.top() + 300);
    Click(w, "cmdFind");
    auto* find = w->findChild<TfrmFind*>();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible() && !find->isModal());
    // Just above the faction window, overlapping it a little.
    EXPECT_EQ(find->frameGeometry().top(), w->frameGeometry().top() - find->frameGeometry().height() + 20);

    QLineEdit* text = Box(find, "txtSrch");
    QTest::keyClicks(text, "HAND");
    Click(find, "cmdSearch");
    EXPECT_EQ(Selected(w), 1);
    EXPECT_EQ(Box(w, "txtFacName")->text(), "Red Hand") << "shown as a click shows it";
    text->setText("hand");
    QTest::keyClick(text, Qt::Key_Return);  // the default button
    EXPECT_EQ(Selected(w), 3);
    QTest::keyClick(text, Qt::Key_Return);
    EXPECT_EQ(Selected(w), 1) << "round to the top";

    // A new text starts at the selected line, which may itself match; no match changes nothing.
    window->SearchList("red");
    EXPECT_EQ(Selected(w), 1);
    window->SearchList("dragons");
    EXPECT_EQ(Selected(w), 1);

    Click(find, "cmdClose");
    EXPECT_FALSE(find->isVisible());
    Click(w, "cmdFind");
    EXPECT_EQ(w->findChild<TfrmFind*>(), find);
    EXPECT_EQ(text->selectedText(), "hand") << "typing replaces the last search";

    // A faction window at the top of the screen keeps its find window on the screen.
    auto high = Open();
    high->show();
    high->move(screen.topLeft());
    Click(high.get(), "cmdFind");
    EXPECT_EQ(high->findChild<TfrmFind*>()->frameGeometry().top(), screen.top());
}

TEST_F(FactionWindow, PickerPicksByDoubleClickOrOkButNeverOnCancel)
{
    const auto doubleClick = [](TfrmFactions* w) {
        const QPoint centre = List(w)->visualItemRect(List(w)->item(2)).center();
        QTest::mouseClick(List(w)->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(List(w)->viewport(), Qt::LeftButton, {}, centre);
    };
    const std::vector<std::tuple<const char*, std::function<void(TfrmFactions*)>, std::int32_t>> cases{
        {"double click", doubleClick, 12},
        {"OK",
         [](TfrmFactions* w) {
             List(w)->setCurrentRow(1);
             Click(w, "cmdClose");
         },
         7},
        {"Cancel",
         [](TfrmFactions* w) {
             List(w)->setCurrentRow(1);
             Click(w, "cmdCancel");
         },
         0},
        {"Escape",
         [](TfrmFactions* w) {
             List(w)->setCurrentRow(1);
             QTest::keyClick(w, Qt::Key_Escape);
         },
         0},
        {"OK with nothing selected", [](TfrmFactions* w) { Click(w, "cmdClose"); }, 0},
    };
    for (const auto& [name, leave, picked] : cases) {
        auto window = Open(true);
        bool cancelShown = false;
        testing::WhenModalShown<TfrmFactions>([&](TfrmFactions* w) {
            cancelShown = Button(w, "cmdCancel")->isVisible();
            leave(w);
        });
        window->exec();
        EXPECT_TRUE(cancelShown) << name;
        EXPECT_EQ(window->PickedFaction(), picked ? factions.Find(picked) : nullptr) << name;
    }

    auto window = Open();
    window->show();
    doubleClick(window.get());
    EXPECT_TRUE(window->isVisible()) << "without PickMode a double click only selects";
}

TEST_F(FactionWindow, PickerReopensScrolledWhereItWasLeft)
{
    for (int n = 100; n < 160; ++n) {
        auto faction = std::make_unique<TFaction>();
        faction->Number = n;
        factions.Add(std::move(faction));
    }
    int topLine = 0;
    testing::WhenModalShown<TfrmFactions>([](TfrmFactions* w) {
        List(w)->verticalScrollBar()->setValue(30);
        Click(w, "cmdCancel");
    });
    TfrmFactions::Pick(factions, settings, ui, topLine, nullptr);
    EXPECT_EQ(topLine, 30);

    int shownTop = -1;
    testing::WhenModalShown<TfrmFactions>([&](TfrmFactions* w) {
        shownTop = List(w)->indexAt(QPoint(2, 2)).row();
        Click(w, "cmdCancel");
    });
    TfrmFactions::Pick(factions, settings, ui, topLine, nullptr);
    EXPECT_EQ(shownTop, 30);
}

TEST_F(FactionWindow, ImportMergesTheGameListAndKeepsTheFactionShown)
{
    std::filesystem::create_directory(dir.File("IMPORT"));
    const std::string file = dir.Write("IMPORT/factions.txt",
                                       "Red Hand (7), red@example.org\r\nGreen Men (9),\r\n  green@example.org\r\n");
    auto window = Open();
    window->show();
    QWidget* w = window.get();
    List(w)->setCurrentRow(1);

    QString startedIn;
    testing::AnswerFileDialog(startedIn, file);
    Click(w, "cmdImport");
    EXPECT_EQ(startedIn.toStdString(), dir.File("IMPORT"));
    EXPECT_TRUE(window->FactionsChanged());
    EXPECT_EQ(Line(w, 1), "7    Red Hand                   red@example.org");
    EXPECT_EQ(Line(w, 2), "9    Green Men                  green@example.org");
    EXPECT_EQ(Selected(w), 1) << "still on the faction shown";
    EXPECT_EQ(Box(w, "txtEMail")->text(), "red@example.org");
    EXPECT_TRUE(ui.shown.empty()) << "a good import needs no message here";
}

}  // namespace
}  // namespace korvane
