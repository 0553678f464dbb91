// The message boxes of the window program and its handling of waiting events.
#include "windows/modal_driver.h"
#include "windows/qt_interaction.h"

#include "core/timing.h"

#include "support/param_names.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <memory>

namespace korvane {
namespace {

using testing::WhenModalShown;

struct BoxSeen
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    QMessageBox::StandardButtons buttons;
    Qt::TextFormat format = Qt::AutoText;
};

/// Arranges for the next message box to be recorded and left with `press`, or with Escape
/// when `press` is NoButton.
std::shared_ptr<BoxSeen> WhenBoxShown(QMessageBox::StandardButton press)
{
    auto seen = std::make_shared<BoxSeen>();
    WhenModalShown<QMessageBox>([press, seen](QMessageBox* box) {
        *seen = {box->icon(), box->windowTitle(), box->text(), box->standardButtons(), box->textFormat()};
        if (press == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            QTest::mouseClick(box->button(press), Qt::LeftButton);
    });
    return seen;
}

const std::string kText = "Turn file imported successfully.";

struct BoxCase
{
    const char* name;
    std::function<void(QtInteraction&)> show;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// The row's name says which box it is.
void PrintTo(const BoxCase& c, std::ostream* os)
{
    *os << c.name;
}

class MessageBoxKinds : public ::testing::TestWithParam<BoxCase>
{
};

TEST_P(MessageBoxKinds, HaveTheirIconTitleAndButtons)
{
    const BoxCase& c = GetParam();
    const auto seen = WhenBoxShown(QMessageBox::NoButton);
    QtInteraction ui;
    c.show(ui);
    EXPECT_EQ(seen->icon, c.icon);
    EXPECT_EQ(seen->title, "Korvane");
    EXPECT_EQ(seen->text, QString::fromStdString(kText));
    EXPECT_EQ(seen->buttons, c.buttons);
    EXPECT_EQ(seen->format, Qt::PlainText);
}

INSTANTIATE_TEST_SUITE_P(
    QtInteraction, MessageBoxKinds,
    ::testing::Values(
        BoxCase{"Info", [](QtInteraction& ui) { ui.Info(kText); }, QMessageBox::Information, QMessageBox::Ok},
        BoxCase{"Warning", [](QtInteraction& ui) { ui.Warning(kText); }, QMessageBox::Warning, QMessageBox::Ok},
        BoxCase{"Error", [](QtInteraction& ui) { ui.Error(kText); }, QMessageBox::Critical, QMessageBox::Ok},
        BoxCase{"YesNo", [](QtInteraction& ui) { ui.AskYesNo(kText); }, QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No},
        BoxCase{"YesNoCancel", [](QtInteraction& ui) { ui.AskYesNoCancel(kText); }, QMessageBox::Question,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel}),
    testing::NameField());

TEST(QtInteraction, QuestionsReturnTheButtonPressedAndEscapeNeverConfirms)
{
    QtInteraction ui;
    using Press = QMessageBox::StandardButton;
    for (const auto& [press, yes] : {std::pair{Press::Yes, true}, {Press::No, false}, {Press::NoButton, false}}) {
        WhenBoxShown(press);
        EXPECT_EQ(ui.AskYesNo("Data has changed. Do you wish to exit without saving ?"), yes) << press;
    }
    for (const auto& [press, answer] : {std::pair{Press::Yes, Answer::Yes},
                                        {Press::No, Answer::No},
                                        {Press::Cancel, Answer::Cancel},
                                        {Press::NoButton, Answer::Cancel}}) {
        WhenBoxShown(press);
        EXPECT_EQ(ui.AskYesNoCancel("Save ?"), answer) << press;
    }
}

TEST(QtInteraction, PendingMessagesAreHandledAndIdleIsReported)
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
}

TEST(QtInteraction, PauseServesTheWindowSystemWithoutSpinning)
{
    QtInteraction ui;
    bool fired = false;
    QTimer::singleShot(50, [&fired] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    const std::clock_t cpuStart = std::clock();
    PauseTenths(3, ui);
    const double cpuMs = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_TRUE(fired);
    // An idle pause sleeps between rounds; one that spins would burn the whole 300 ms.
    EXPECT_LT(cpuMs, 150.0);
}

}  // namespace
}  // namespace korvane
