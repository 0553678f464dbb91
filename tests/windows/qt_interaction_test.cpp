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

TEST(QtInteraction, MessageBoxesHaveTheirIconTitleButtonsAndShowPlainText)
{
    const std::string text = "Turn <b>file</b> imported.";
    QtInteraction ui;
    const std::tuple<std::function<void()>, Box::Icon, Box::StandardButtons> kinds[] = {
        {[&] { ui.Info(text); }, Box::Information, Box::Ok},
        {[&] { ui.Warning(text); }, Box::Warning, Box::Ok},
        {[&] { ui.Error(text); }, Box::Critical, Box::Ok},
        {[&] { ui.AskYesNo(text); }, Box::Question, Box::Yes | Box::No},
        {[&] { ui.AskYesNoCancel(text); }, Box::Question, Box::Yes | Box::No | Box::Cancel}};
    for (const auto& [show, icon, buttons] : kinds) {
        const auto seen = WhenBoxShown(Box::NoButton);
        show();
        EXPECT_EQ(seen->first, std::tuple(icon, "Korvane", QString::fromStdString(text), Qt::PlainText));
        EXPECT_EQ(seen->second, buttons) << icon;
    }
}

TEST(QtInteraction, QuestionsReturnTheButtonPressedAndEscapeNeverConfirms)
{
    QtInteraction ui;
    for (const auto& [press, yes] : {std::pair{Box::Yes, true}, {Box::No, false}, {Box::NoButton, false}}) {
        WhenBoxShown(press);
        EXPECT_EQ(ui.AskYesNo("Data has changed. Do you wish to exit without saving ?"), yes) << press;
    }
    for (const auto& [press, answer] : {std::pair{Box::Yes, Answer::Yes},
                                        {Box::No, Answer::No},
                                        {Box::Cancel, Answer::Cancel},
                                        {Box::NoButton, Answer::Cancel}}) {
        WhenBoxShown(press);
        EXPECT_EQ(ui.AskYesNoCancel("Save ?"), answer) << press;
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
