// The faction window and its find window: details, saving, colour, search, picking and import.
#include "windows/frm_factions.h"

#include "core/settings.h"
#include "mapview/render/colour.h"
#include "windows/frm_find.h"
#include "windows/registry_builders.h"
#include "windows/window_test_helpers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

#include <filesystem>

namespace korvane {
namespace {

QListWidget* List(const QWidget* w)
{
    return testing::Child<QListWidget>(*w, "lstFactions");
}
void Press(const QWidget* w, const char* button)
{
    QTest::mouseClick(testing::Child(*w, button), Qt::LeftButton);
}

class FactionWindow : public testing::OwnedWindowTest<TfrmFactions>
{
protected:
    FactionWindow()
    {
        settings.DataDir = dir.Path();
        testing::AddFaction(factions, 3, "Ravenmoor Riders", {}, "riders@example.org");
        testing::AddFaction(factions, 7, "Red Hand");
        testing::AddFaction(factions, 12, "The Silver Road", {}, "road@example.org");
        testing::AddFaction(factions, 40, "Hand of Night", {}, "night@example.org");
    }

    /// A window over the factions, shown unless a picker; `colourAnswer` answers its colour questions.
    TfrmFactions& Open(bool pickMode = false)
    {
        window = std::make_unique<TfrmFactions>(factions, settings, ui, nullptr);
        window->PickMode = pickMode;
        window->chooseColour = [this](const QColor& initial, QWidget*) {
            asked.push_back(initial);
            return colourAnswer;
        };
        if (!pickMode)
            window->show();
        return *window;
    }
    QColor Sample() const { return Get<QLabel>("shapeCol")->palette().color(QPalette::Window); }
    std::string Line(int row) const { return List(window.get())->item(row)->text().toStdString(); }

    testing::TempDir dir;
    TrecINI settings{dir.File("ATLANTIS.INI")};
    testing::ScriptedInteraction ui;
    TFactionList factions;
    std::optional<QColor> colourAnswer;
    std::vector<QColor> asked;
};

TEST_F(FactionWindow, ShowsTheOneSelectedAndSaveKeepsTheDetailsAndColourAsTheRegistryFileStoresThem)
{
    Open();
    EXPECT_EQ(std::tuple(Enabled("cmdSetColour"), Sample(), Get("cmdCancel")->isVisible()),
              std::tuple(false, QColor(192, 192, 192), false))
        << "only a picker can be cancelled";
    List(window.get())->setCurrentRow(0);
    EXPECT_EQ(std::tuple(Get<QLabel>("pnlFacNo")->text(), Text("txtFacName"), Line(0), Enabled("cmdSave")),
              std::tuple("3", "Ravenmoor Riders", "3    Ravenmoor Riders           riders@example.org", false));
    // Edits dropped by moving to another faction are not saved, and leave Save off.
    QTest::keyClicks(Get<QLineEdit>("txtPlayer"), "nobody");
    EXPECT_TRUE(Enabled("cmdSave"));
    List(window.get())->setCurrentRow(1);
    EXPECT_FALSE(Enabled("cmdSave"));
    EXPECT_EQ(factions.Find(3)->Player, "");
    colourAnswer = QColor(0, 0, 255);  // the colour it has: no change
    Click("cmdSetColour");
    EXPECT_FALSE(Enabled("cmdSave"));
    colourAnswer = QColor(200, 100, 50);
    Click("cmdSetColour");
    EXPECT_EQ(asked, (std::vector<QColor>{QColor(0, 0, 255), QColor(0, 0, 255)})) << "starts on the sample";
    EXPECT_EQ(std::pair(Sample(), Enabled("cmdSave")), std::pair(QColor(200, 100, 50), true));

    Type("txtFacName", "   Red Hand of Doom  ");
    Get<QLineEdit>("txtPlayer")->insert("  Björn ");
    QTest::keyClick(Get<QLineEdit>("txtPlayer"), Qt::Key_Return);  // Enter saves, and keeps the window open
    const TFaction& red = *factions.Find(7);
    EXPECT_EQ(std::tuple(red.Name, red.Player, red.Colour),
              std::tuple("Red Hand of Doom", "Bj\xC3\xB6rn", FromQColor(QColor(200, 100, 50))));
    EXPECT_TRUE(window->FactionsChanged() && window->isVisible());
    EXPECT_EQ(std::tuple(SelectedRow("lstFactions"), Line(1), Text("txtFacName"), Enabled("cmdSave")),
              std::tuple(1, "7    Red Hand of Doom           ", "Red Hand of Doom", false))
        << "the box shows what was kept";
    // Saving what is already kept changes nothing.
    Open();
    List(window.get())->setCurrentRow(2);
    Type("txtFacName", "The Silver Road ");
    Click("cmdSave");
    EXPECT_FALSE(window->FactionsChanged());
    // Kept as the registry file will give it back: no field separator, no line break.
    List(window.get())->setCurrentRow(0);
    Type("txtFacName", "Riders^\"^of the Moor");
    Type("txtComments", "line one\nline two");  // pasted with its line break
    Click("cmdSave");
    const TFaction& kept = *factions.Find(3);
    EXPECT_EQ(std::tuple(kept.Name, kept.Comments, kept.EMail, Text("txtFacName").toStdString()),
              std::tuple("Riders^'^of the Moor", "line one line two", "riders@example.org", kept.Name));
}

TEST_F(FactionWindow, FindSearchesInAnyCaseAndWrapsAroundAndImportMergesTheGameListKeepingTheFactionShown)
{
    Open();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->move(screen.left() + 50, screen.top() + 300);
    Click("cmdFind");
    auto* find = window->findChild<TfrmFind*>();
    ASSERT_NE(find, nullptr);
    EXPECT_TRUE(find->isVisible() && !find->isModal());
    // Just above the faction window, overlapping it a little.
    EXPECT_EQ(find->frameGeometry().top(), window->frameGeometry().top() - find->frameGeometry().height() + 20);

    QLineEdit* text = testing::Child<QLineEdit>(*find, "txtSrch");
    QTest::keyClicks(text, "HAND");
    Press(find, "cmdSearch");
    EXPECT_EQ(SelectedRow("lstFactions"), 1);
    EXPECT_EQ(Text("txtFacName"), "Red Hand") << "shown as a click shows it";
    text->setText("hand");
    for (int next : {3, 1}) {  // Enter presses Search; round to the top
        QTest::keyClick(text, Qt::Key_Return);
        EXPECT_EQ(SelectedRow("lstFactions"), next);
    }
    // A new text starts at the selected line, which may itself match; no match changes nothing.
    for (const char* other : {"red", "dragons"}) {
        window->SearchList(other);
        EXPECT_EQ(SelectedRow("lstFactions"), 1) << other;
    }
    Press(find, "cmdClose");
    EXPECT_FALSE(find->isVisible());
    Click("cmdFind");
    EXPECT_EQ(window->findChild<TfrmFind*>(), find);
    EXPECT_EQ(text->selectedText(), "hand") << "typing replaces the last search";
    // A faction window at the top of the screen keeps its find window on the screen.
    Open().move(screen.topLeft());
    Click("cmdFind");
    EXPECT_EQ(window->findChild<TfrmFind*>()->frameGeometry().top(), screen.top());

    // Import merges the game list and keeps the faction shown.
    std::filesystem::create_directory(dir.File("IMPORT"));
    const std::string file = dir.Write("IMPORT/factions.txt",
                                       "Red Hand (7), red@example.org\r\nGreen Men (9),\r\n  green@example.org\r\n");
    Open();
    List(window.get())->setCurrentRow(1);
    QString startedIn;
    testing::AnswerFileDialog(startedIn, file);
    Click("cmdImport");
    EXPECT_EQ(startedIn.toStdString(), dir.File("IMPORT"));
    EXPECT_TRUE(window->FactionsChanged());
    EXPECT_EQ(std::tuple(Line(1), Line(2)),
              std::tuple("7    Red Hand                   red@example.org",
                         "9    Green Men                  green@example.org"));
    EXPECT_EQ(std::tuple(SelectedRow("lstFactions"), Text("txtEMail")), std::tuple(1, "red@example.org"))
        << "still on the faction shown";
    EXPECT_TRUE(ui.shown.empty()) << "a good import needs no message here";
}

TEST_F(FactionWindow, PickerPicksByDoubleClickOrOkNeverOnCancelAndReopensWhereItWasLeft)
{
    for (const auto& [row, leave, picked] :
         {std::tuple{2, "double click", 12}, {1, "cmdClose", 7}, {1, "cmdCancel", 0}, {-1, "cmdClose", 0}}) {
        Open(true);
        testing::WhenModalShown<TfrmFactions>([&](TfrmFactions* w) {
            EXPECT_TRUE(testing::Child(*w, "cmdCancel")->isVisible()) << "a picker can be cancelled";
            List(w)->setCurrentRow(row);
            if (std::string_view(leave) == "double click")
                testing::ClickLine(List(w), row, {}, true);
            else
                Press(w, leave);
        });
        window->exec();
        EXPECT_EQ(window->PickedFaction(), picked ? factions.Find(picked) : nullptr) << leave << " on " << row;
    }
    Open();
    testing::ClickLine(List(window.get()), 2, {}, true);
    EXPECT_TRUE(window->isVisible()) << "without PickMode a double click only selects";
    // The picker reopens scrolled where it was left.
    for (int n = 100; n < 160; ++n)
        testing::AddFaction(factions, n, "");
    int topLine = 0;
    std::vector<int> shownTops;
    for (int pick = 0; pick < 2; ++pick) {
        testing::WhenModalShown<TfrmFactions>([&](TfrmFactions* w) {
            shownTops.push_back(List(w)->indexAt(QPoint(2, 2)).row());
            List(w)->verticalScrollBar()->setValue(30);
            Press(w, "cmdCancel");
        });
        TfrmFactions::Pick(factions, settings, ui, topLine, nullptr);
    }
    EXPECT_EQ(std::pair(topLine, shownTops), std::pair(30, std::vector{0, 30}));
}

}  // namespace
}  // namespace korvane
