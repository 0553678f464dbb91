// ProgressDialog: how far long work is, shown in a small dialog whose Cancel button stops it.
#pragma once

#include "core/progress.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <chrono>

class QProgressDialog;
class QWidget;

namespace korvane {

/// Shows the progress of long work over `parent` and lets the player cancel it. Quick work shows
/// nothing: the dialog (objectName "dlgProgress", with the button "Cancel", `cmdCancel`) appears
/// only once the work has taken `showAfter`, or sooner when it will clearly take that long.
/// Between steps the windows are repainted and, once the dialog shows, the Cancel button is
/// served; the dialog is application-modal, so nothing else can be started or changed meanwhile.
/// One object serves one piece of work: create it just before, and let it go right after.
class ProgressDialog : public Progress
{
public:
    static constexpr std::chrono::milliseconds kShowAfter{500};

    ProgressDialog(QWidget* parent, const QString& text, std::chrono::milliseconds showAfter = kShowAfter);
    ~ProgressDialog() override;
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    bool Step(std::int64_t done, std::int64_t total) override;

    /// Whether the player cancelled (the button, Escape or closing the dialog).
    bool WasCancelled() const { return cancelled_; }

private:
    void ShowArrowWhileVisible();

    // Guarded: a parent destroyed first takes the dialog with it.
    QPointer<QProgressDialog> dialog_;
    QElapsedTimer sinceEvents_;
    bool cancelled_ = false;
    bool arrowCursor_ = false;
};

}  // namespace korvane
