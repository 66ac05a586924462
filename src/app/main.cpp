#include <QApplication>
#include <QIcon>

#include "app/navigator.h"
#include "app/screens.h"
#include "ui/picture.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qisma"));
    QApplication::setLayoutDirection(Qt::RightToLeft);

    Navigator navigator;
    registerScreens(navigator);
    navigator.showScreen(ScreenId::Form1);
    // The icon is set once the first window is up: its picture is not
    // needed to draw the splash screen.
    QApplication::setWindowIcon(QIcon(pictures::icon));
    return app.exec();
}
