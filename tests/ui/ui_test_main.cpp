// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the screen tests inside one QApplication on the offscreen platform.
#include <QApplication>
#include <QStyleHints>
#include <gtest/gtest.h>

// The offscreen platform cannot raise windows and says so each time a
// screen is shown; that line is noise in the test output.
static QtMessageHandler standardMessages = nullptr;

static void quietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!text.contains(QLatin1String("does not support raise()")))
        standardMessages(type, context, text);
}

int main(int argc, char** argv)
{
    standardMessages = qInstallMessageHandler(quietMessages);
    // The tests' own desktop, whatever the caller's environment says.
    qputenv("QT_QPA_PLATFORM", OFFSCREEN_DESKTOP);
    QApplication app(argc, argv);
    // Tests click as soon as a screen shows; the tests of the guard against
    // double-clicks set the interval they need.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
