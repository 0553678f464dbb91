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

// Escape makes an item; Enter must not choose: there is no default button.
TEST(ItemTypeDialog, ShowsTheObjectAsTextAndOnlyTheTroopButtonAnswersTroop)
{
    using Leave = std::function<void(TfrmItemTypeDlg*)>;
    const auto press = [](const char* button) -> Leave {
        return [button](TfrmItemTypeDlg* d) { QTest::mouseClick(Child(*d, button), Qt::LeftButton); };
    };
    const std::tuple<std::string, Leave, bool> cases[] = {
        {"K\xE4"
         "fer <b> [KAEF]",
         press("cmdIsTroop"), true},  // Latin-1, and brackets that are no markup
        {"wing [WING]", [](TfrmItemTypeDlg* d) { QTest::keyClick(d, Qt::Key_Escape); }, false},
        {"horse [HORS]",
         [&](TfrmItemTypeDlg* d) {
             QTest::keyClick(d, Qt::Key_Return);
             if (d->isVisible())
                 press("cmdIsItem")(d);
         },
         false}};
    for (const auto& [object, leave, troop] : cases) {
        std::pair<QString, Qt::TextFormat> seen;
        testing::WhenModalShown<TfrmItemTypeDlg>([&seen, leave = leave](TfrmItemTypeDlg* dialog) {
            seen = {Child<QLabel>(*dialog, "lblItem")->text(), Child<QLabel>(*dialog, "lblItem")->textFormat()};
            leave(dialog);
        });
        QtInteraction ui;
        EXPECT_EQ(ui.Identify(object), troop) << object;
        EXPECT_EQ(seen, std::pair(QString::fromLatin1(object.c_str()), Qt::PlainText));
    }
}

}  // namespace
}  // namespace korvane
