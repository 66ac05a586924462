// SPDX-License-Identifier: GPL-3.0-or-later
// A bare Qt Widgets window the size of the program's splash screen (418 x 458 px) and nothing
// else: the yardstick that the start-up benchmark measures the program against.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(418, 458);
    window.show();
    return app.exec();
}
