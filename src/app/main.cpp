// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTimer>
#include <fontconfig/fontconfig.h>
#include <thread>

#include "app/navigator.h"
#include "app/screens.h"
#include "ui/picture.h"

int main(int argc, char* argv[])
{
    // Reading the desktop's font configuration is the largest single cost of
    // the first screen. It runs on a second thread while Qt connects to the
    // display; Qt then finds it done.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    fontConfiguration.join();
    QApplication::setApplicationName(QStringLiteral("qisma"));
    QApplication::setLayoutDirection(Qt::RightToLeft);

    Navigator navigator;
    registerScreens(navigator);
    navigator.showScreen(ScreenId::Form1);
    // The icon is set once the event loop runs: drawing it is not needed for
    // the splash screen.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(applicationIcon()); });
    return app.exec();
}
