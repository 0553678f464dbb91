// The progress dialog of long work, over QProgressDialog.
#include "windows/progress_dialog.h"

#include "windows/widget_makers.h"

#include <QApplication>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>

namespace korvane {

namespace {

// The bar counts in thousandths, so totals beyond an int's range show as well as small ones.
constexpr int kBarSteps = 1000;
// Events are handled at most this often: a step per line of a file must not spend its time there.
constexpr qint64 kEventIntervalMs = 25;

}  // namespace

ProgressDialog::ProgressDialog(QWidget* parent, const QString& text, std::chrono::milliseconds showAfter)
    : dialog_(new QProgressDialog(text, QString(), 0, kBarSteps, parent))
{
    dialog_->setObjectName("dlgProgress");
    dialog_->setWindowTitle("Korvane");
    auto* cancel = Named<QPushButton>("cmdCancel", "Cancel", dialog_);
    dialog_->setCancelButton(cancel);
    // Application-wide: another window changing the map halfway through would tear the work.
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(static_cast<int>(showAfter.count()));
    // The button, Escape and closing the dialog all say so.
    QObject::connect(dialog_, &QProgressDialog::canceled, dialog_, [this] { cancelled_ = true; });
    dialog_->setValue(0);  // starts the clock that decides when to show
    sinceEvents_.start();
}

ProgressDialog::~ProgressDialog()
{
    if (arrowCursor_)
        QApplication::restoreOverrideCursor();
    delete dialog_;
}

bool ProgressDialog::Step(std::int64_t done, std::int64_t total)
{
    if (cancelled_ || !dialog_)
        return !cancelled_;
    const std::int64_t value = total > 0 ? std::clamp<std::int64_t>(done, 0, total) * kBarSteps / total : kBarSteps;
    if (value != dialog_->value())
        dialog_->setValue(static_cast<int>(value));  // may show the dialog, or hide it at the end
    if (sinceEvents_.elapsed() >= kEventIntervalMs) {
        // Until the dialog shows, input waits: a click must not start other work in the middle.
        QCoreApplication::processEvents(dialog_->isVisible() ? QEventLoop::AllEvents
                                                             : QEventLoop::ExcludeUserInputEvents);
        sinceEvents_.restart();
    }
    ShowArrowWhileVisible();
    return !cancelled_;
}

void ProgressDialog::ShowArrowWhileVisible()
{
    // The caller's busy cursor would make the Cancel button look as if it could not be clicked.
    const bool visible = dialog_ && dialog_->isVisible();
    if (visible && !arrowCursor_)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    else if (!visible && arrowCursor_)
        QApplication::restoreOverrideCursor();
    arrowCursor_ = visible;
}

}  // namespace korvane
