// Acting on a modal dialog from inside its own event loop, as a player's click would.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace korvane::testing {

/// Thrown by a widget lookup that found nothing, after failing the test: it stops rather than crash.
struct MissingWidget : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

/// Ends a modal dialog the way its title bar would.
inline void CloseModal(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
    else
        modal->close();
}

/// Calls `action`, which must end it, once a modal T shows (call before opening it); else fails and closes what shows.
template <typename T>
void WhenModalShown(std::function<void(T*)> action, int timeoutMs = 5000)
{
    // Owned by the application, so a dialog that never appears leaks nothing.
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, timeoutMs, action = std::move(action)] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<T*>(modal);
        if (!dialog && clock.elapsed() < timeoutMs)
            return;
        poll->stop();
        poll->deleteLater();
        if (!dialog) {
            ADD_FAILURE() << "no " << T::staticMetaObject.className() << " appeared"
                          << (modal ? std::string(", only a ") + modal->metaObject()->className() : "");
            if (modal)
                CloseModal(modal);
            return;
        }
        // An exception must not cross the dialog's event loop; the test has failed already.
        try {
            action(dialog);
        } catch (const std::exception& e) {
            if (!dynamic_cast<const MissingWidget*>(&e))
                ADD_FAILURE() << e.what();
            if (dialog->isVisible())
                CloseModal(dialog);
        }
    });
    poll->start();
}

}  // namespace korvane::testing
