// Answering a modal file dialog as a player picking a file would.
#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <string>

namespace korvane::testing {

/// Answers the next modal file dialog with `file`. Call it right before what opens the dialog.
inline void PickFileWhenAsked(const std::string& file)
{
    QTimer::singleShot(0, [file] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "a file dialog is open";
        dialog->selectFile(QString::fromStdString(file));
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

}  // namespace korvane::testing
