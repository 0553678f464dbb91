// Test entry point for drawing and window tests: one QApplication for the whole run.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

// The offscreen platform warns about window hints it cannot honour; that noise hides real output.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains("propagateSizeHints") || message.contains("does not support raise()"))
        return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

int main(int argc, char** argv)
{
    // Headless unless the caller chose a platform (e.g. to watch the windows under Xvfb).
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
