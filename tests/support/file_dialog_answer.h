// Answering a modal file dialog as a player picking a file would.
#pragma once

#include "windows/modal_driver.h"

#include <QFileDialog>
#include <QLineEdit>

#include <string>

namespace korvane::testing {

/// Answers the next modal file dialog with `file`. Call it right before what opens the dialog.
inline void PickFileWhenAsked(const std::string& file)
{
    WhenModalShown<QFileDialog>([file](QFileDialog* dialog) {
        const QString name = QString::fromStdString(file);
        // Typed into the name box: selectFile() leaves that box alone while it has the focus.
        if (auto* box = dialog->findChild<QLineEdit*>("fileNameEdit"))
            box->setText(name);
        else
            dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, "accept");
    });
}

}  // namespace korvane::testing
