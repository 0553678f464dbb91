// The window program's message boxes and questions, and its handling of waiting events.
#include "windows/qt_interaction.h"

#include "core/timing.h"
#include "windows/frm_item_type_dlg.h"
#include "windows/window_test_helpers.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace korvane {
namespace {

using testing::Child;
using Box = QMessageBox;

// Each box left with a button, or Escape (NoButton), which never confirms; what the call answers.
TEST(QtInteraction, MessageBoxesHaveTheirIconTitleButtonsShowPlainTextAndAnswerTheButtonPressed)
{
    const std::string text = "Turn <b>file</b> imported.";
    QtInteraction ui;
    const auto yesNo = [&] { return int(ui.AskYesNo(text)); };
    const auto yesNoCancel = [&] { return int(ui.AskYesNoCancel(text)); };
    const Box::StandardButtons two = Box::Yes | Box::No, three = Box::Yes | Box::No | Box::Cancel;
    const std::tuple<std::function<int()>, Box::StandardButton, Box::Icon, Box::StandardButtons, int> cases[] = {
        {[&] { return ui.Info(text), 0; }, Box::NoButton, Box::Information, Box::Ok, 0},
        {[&] { return ui.Error(text), 0; }, Box::NoButton, Box::Critical, Box::Ok, 0},
        {yesNo, Box::Yes, Box::Question, two, true},
        {yesNo, Box::NoButton, Box::Question, two, false},
        {yesNoCancel, Box::Yes, Box::Question, three, int(Answer::Yes)},
        {yesNoCancel, Box::No, Box::Question, three, int(Answer::No)},
        {yesNoCancel, Box::NoButton, Box::Question, three, int(Answer::Cancel)}};
    for (const auto& [ask, press, icon, buttons, answer] : cases) {
        std::tuple<Box::Icon, QString, QString, Qt::TextFormat, Box::StandardButtons> seen;
        testing::WhenModalShown<Box>([&seen, press = press](Box* box) {
            seen = {box->icon(), box->windowTitle(), box->text(), box->textFormat(), box->standardButtons()};
            press == Box::NoButton ? QTest::keyClick(box, Qt::Key_Escape)
                                   : QTest::mouseClick(box->button(press), Qt::LeftButton);
        });
        EXPECT_EQ(ask(), answer) << icon << " " << press;
        EXPECT_EQ(seen, std::tuple(icon, "Korvane", QString::fromStdString(text), Qt::PlainText, buttons)) << icon;
    }
}

TEST(QtInteraction, PendingMessagesAreHandledAndAPauseServesTheWindowSystem)
{
    QtInteraction ui;
    bool delivered = false;
    QTimer::singleShot(0, [&delivered] { delivered = true; });
    ui.ProcessPendingMessages();
    EXPECT_TRUE(delivered);
    // With nothing waiting the answer must be false, or a caller that sleeps only on false spins.
    for (int i = 0; i < 10 && ui.ProcessPendingMessages(); ++i) {
    }
    EXPECT_FALSE(ui.ProcessPendingMessages());

    bool fired = false;
    QTimer::singleShot(50, [&fired] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    PauseTenths(3, ui);  // its processor time is measured by bench/window_bench
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_TRUE(fired);
}

// Enter must not choose: there is no default button; then the button named is pressed, or Escape makes an item.
TEST(ItemTypeDialog, ShowsTheObjectAsTextAndOnlyTheTroopButtonAnswersTroop)
{
    const std::string latin1 = "K\xE4"
                               "fer <b> [KAEF]";  // Latin-1, and brackets that are no markup
    const std::tuple<std::string, const char*, bool> cases[] = {
        {latin1, "cmdIsTroop", true}, {"wing [WING]", "", false}, {"horse [HORS]", "cmdIsItem", false}};
    for (const auto& [object, button, troop] : cases) {
        std::pair<QString, Qt::TextFormat> seen;
        testing::WhenModalShown<TfrmItemTypeDlg>([&seen, button = button](TfrmItemTypeDlg* dialog) {
            seen = {Child<QLabel>(*dialog, "lblItem")->text(), Child<QLabel>(*dialog, "lblItem")->textFormat()};
            QTest::keyClick(dialog, Qt::Key_Return);
            if (dialog->isVisible() && *button)
                QTest::mouseClick(Child(*dialog, button), Qt::LeftButton);
            else if (dialog->isVisible())
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        QtInteraction ui;
        EXPECT_EQ(ui.Identify(object), troop) << object;
        EXPECT_EQ(seen, std::pair(QString::fromLatin1(object.c_str()), Qt::PlainText));
    }
}

}  // namespace
}  // namespace korvane
