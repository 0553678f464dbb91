// Messages, questions and identification through modal Qt dialogs.
#include "windows/qt_interaction.h"

#include "mapview/render/display_text.h"
#include "windows/frm_item_type_dlg.h"

#include <QAbstractEventDispatcher>
#include <QMessageBox>

namespace korvane {

namespace {

QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const std::string& text,
                                    QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, "Korvane", ToDisplayText(text), buttons, parent);
    // Messages quote names from reports and files; they are never markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtInteraction::Info(const std::string& text)
{
    ShowBox(parent_, QMessageBox::Information, text, QMessageBox::Ok);
}

void QtInteraction::Warning(const std::string& text)
{
    ShowBox(parent_, QMessageBox::Warning, text, QMessageBox::Ok);
}

void QtInteraction::Error(const std::string& text)
{
    ShowBox(parent_, QMessageBox::Critical, text, QMessageBox::Ok);
}

bool QtInteraction::AskYesNo(const std::string& text)
{
    // Escape and the close button answer No.
    return ShowBox(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtInteraction::AskYesNoCancel(const std::string& text)
{
    switch (ShowBox(parent_, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool QtInteraction::Identify(const std::string& objectText)
{
    TfrmItemTypeDlg dialog(parent_);
    return dialog.Identify(objectText);
}

bool QtInteraction::ProcessPendingMessages()
{
    // QCoreApplication::processEvents does the same work but cannot say whether there was any.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher)
        return false;
    // Drain what is waiting, but give up after a few rounds: a busy source (a zero-interval
    // timer, a flood of input) must not keep the caller here for ever.
    constexpr int kMaxRounds = 32;
    bool handled = false;
    for (int round = 0; round < kMaxRounds && dispatcher->processEvents(QEventLoop::AllEvents); ++round)
        handled = true;
    return handled;
}

}  // namespace korvane
