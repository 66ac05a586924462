// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QFontDatabase>
#include <QTimer>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "app/navigator.h"
#include "app/screens.h"
#include "ui/picture.h"

namespace {

// Without a display Qt cannot start and says only that reinstalling might
// help. Say what is missing instead, before Qt is started. A platform chosen
// on purpose (QT_QPA_PLATFORM or -platform, say offscreen) is left to Qt.
bool graphicalSessionMissing(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return false;
    }
    return !set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY");
#else
    (void)argc;
    (void)argv;
    return false;
#endif
}

// Every text on the screens is Arabic: with no face that has Arabic letters
// they would show as empty boxes. Said once, on standard error.
void warnWithoutArabicFace()
{
    if (QFontDatabase::families(QFontDatabase::Arabic).isEmpty()) {
        std::fputs("qisma: no font with Arabic letters is installed, so the screens cannot show "
                   "their text; install the package fonts-noto-ui-core\n",
                   stderr);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (graphicalSessionMissing(argc, argv)) {
        std::fputs("qisma: needs a graphical session (neither DISPLAY nor WAYLAND_DISPLAY is "
                   "set); start it from the desktop, or run it under xvfb-run\n",
                   stderr);
        return 1;
    }
    // Reading the desktop's font configuration is the largest single cost of
    // the first screen. It runs on a second thread while Qt connects to the
    // display; Qt then finds it done.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    fontConfiguration.join();
    QApplication::setApplicationName(QStringLiteral("qisma"));
    // Docks and Wayland compositors match the windows to the menu entry by
    // this name.
    QApplication::setDesktopFileName(QStringLiteral(QISMA_APP_ID));
    QApplication::setLayoutDirection(Qt::RightToLeft);

    Navigator navigator;
    registerScreens(navigator);
    navigator.showScreen(ScreenId::Form1);
    // The icon is set once the event loop runs: drawing it is not needed for
    // the splash screen.
    QTimer::singleShot(0, [] {
        QApplication::setWindowIcon(applicationIcon());
        warnWithoutArabicFace();
    });
    return app.exec();
}
