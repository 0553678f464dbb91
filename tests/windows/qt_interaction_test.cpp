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

/// Arranges for the next message box to be left with `press` (Escape for NoButton); its icon,
/// title, text and format, and its buttons.
auto WhenBoxShown(Box::StandardButton press)
{
    auto seen =
        std::make_shared<std::pair<std::tuple<Box::Icon, QString, QString, Qt::TextFormat>, Box::StandardButtons>>();
    testing::WhenModalShown<Box>([press, seen](Box* box) {
        *seen = {{box->icon(), box->windowTitle(), box->text(), box->textFormat()}, box->standardButtons()};
        press == Box::NoButton ? QTest::keyClick(box, Qt::Key_Escape)
                               : QTest::mouseClick(box->button(press), Qt::LeftButton);
    });
    return seen;
}

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
        {[&] { return ui.Warning(text), 0; }, Box::NoButton, Box::Warning, Box::Ok, 0},
        {[&] { return ui.Error(text), 0; }, Box::NoButton, Box::Critical, Box::Ok, 0},
        {yesNo, Box::Yes, Box::Question, two, true},
        {yesNo, Box::No, Box::Question, two, false},
        {yesNo, Box::NoButton, Box::Question, two, false},
        {yesNoCancel, Box::Yes, Box::Question, three, int(Answer::Yes)},
        {yesNoCancel, Box::No, Box::Question, three, int(Answer::No)},
        {yesNoCancel, Box::Cancel, Box::Question, three, int(Answer::Cancel)},
        {yesNoCancel, Box::NoButton, Box::Question, three, int(Answer::Cancel)}};
    for (const auto& [ask, press, icon, buttons, answer] : cases) {
        const auto seen = WhenBoxShown(press);
        EXPECT_EQ(ask(), answer) << icon << " " << press;
        EXPECT_EQ(seen->first, std::tuple(icon, "Korvane", QString::fromStdString(text), Qt::PlainText));
        EXPECT_EQ(seen->second, buttons) << icon;
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

/// Asks Identify as the report reader does and leaves the dialog with `leave`; the answer.
bool Identify(const std::string& object, std::function<void(TfrmItemTypeDlg*)> leave,
              std::pair<QString, Qt::TextFormat>* seen = nullptr)
{
    testing::WhenModalShown<TfrmItemTypeDlg>([seen, leave](TfrmItemTypeDlg* dialog) {
        if (seen)
            *seen = {Child<QLabel>(*dialog, "lblItem")->text(), Child<QLabel>(*dialog, "lblItem")->textFormat()};
        leave(dialog);
    });
    QtInteraction ui;
    return ui.Identify(object);
}

std::function<void(TfrmItemTypeDlg*)> Press(const char* button)
{
    return [button](TfrmItemTypeDlg* d) { QTest::mouseClick(Child(*d, button), Qt::LeftButton); };
}

TEST(ItemTypeDialog, ShowsTheObjectAsTextAndOnlyTheTroopButtonAnswersTroop)
{
    std::pair<QString, Qt::TextFormat> seen;
    // A Latin-1 name stays readable, and angle brackets are not taken as markup.
    EXPECT_TRUE(Identify("K\xE4"
                         "fer <b> [KAEF]",
                         Press("cmdIsTroop"), &seen));
    EXPECT_EQ(seen, std::pair(QString::fromUtf8("K\u00e4fer <b> [KAEF]"), Qt::PlainText));
    // Closing, by the title bar or Escape, makes an item; Enter must not choose: no default button.
    const std::pair<const char*, std::function<void(TfrmItemTypeDlg*)>> items[] = {
        {"sword [SWOR]", Press("cmdIsItem")},
        {"dye [DYE]", [](TfrmItemTypeDlg* d) { d->close(); }},
        {"wing [WING]", [](TfrmItemTypeDlg* d) { QTest::keyClick(d, Qt::Key_Escape); }},
        {"horse [HORS]", [](TfrmItemTypeDlg* d) {
             QTest::keyClick(d, Qt::Key_Return);
             if (d->isVisible())
                 Press("cmdIsItem")(d);
         }}};
    for (const auto& [object, leave] : items)
        EXPECT_FALSE(Identify(object, leave)) << object;
}

}  // namespace
}  // namespace korvane
