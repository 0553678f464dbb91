// Acting on a modal dialog from inside its own event loop, as a player's click would.
#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace korvane::testing {

/// Once a modal widget of type T is showing, calls `action` with it. Call this right before the
/// code that opens the dialog; the action runs inside the dialog's event loop and must end it.
template <typename T>
void WhenModalShown(std::function<void(T*)> action)
{
    // Owned by the application, so a dialog that never appears leaks nothing.
    auto* poll = new QTimer(qApp);
    poll->setInterval(10);
    QElapsedTimer clock;
    clock.start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, clock, action = std::move(action)] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && clock.elapsed() < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        if (dialog)
            action(dialog);
        else
            ADD_FAILURE() << "no modal dialog appeared";
    });
    poll->start();
}

}  // namespace korvane::testing
