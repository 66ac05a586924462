// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the program's SVG icon as a square PNG of the given side, for the
// icon theme's fixed sizes. Used at build time only.
//
//   qisma_render_icon ICON.svg SIDE OUT.png

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fputs("usage: qisma_render_icon ICON.svg SIDE OUT.png\n", stderr);
        return 2;
    }
    const int side = std::atoi(argv[2]);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || side < 1) {
        std::fprintf(stderr, "qisma_render_icon: cannot draw %s at %s px\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "qisma_render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
