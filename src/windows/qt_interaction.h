// QtInteraction: the window program's answer to UserInteraction, with modal message boxes.
#pragma once

#include "core/user_interaction.h"

#include <QPointer>
#include <QWidget>

namespace korvane {

class QtInteraction : public UserInteraction
{
public:
    /// Message boxes and dialogs are shown modally over `parent` (centred on the screen when null).
    explicit QtInteraction(QWidget* parent = nullptr)
        : parent_(parent)
    {
    }

    /// The window the boxes belong to; the main window sets itself once it exists.
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Info(const std::string& text) override;
    void Warning(const std::string& text) override;
    void Error(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    bool Identify(const std::string& objectText) override;

    /// Handles what the window system has waiting, without waiting for more. Returns true only
    /// when the event dispatcher reports that it handled something, so a loop that sleeps
    /// whenever this returns false never spins idle. Events Qt posts to itself (repaints,
    /// queued calls) are delivered as well but are not always counted; such a call returns
    /// false and the caller merely sleeps a moment longer.
    bool ProcessPendingMessages() override;

private:
    // Guarded: a parent destroyed before this object turns back into "no parent".
    QPointer<QWidget> parent_;
};

}  // namespace korvane
