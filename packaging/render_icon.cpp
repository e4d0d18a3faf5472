// SPDX-License-Identifier: GPL-3.0-or-later
// Renders an SVG picture into a square PNG of the given size, so that the
// desktop icon's bitmaps come from the same drawing as the window's icon.
//
//   wordbloom_render_icon <picture.svg> <size in pixels> <out.png>

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <picture.svg> <size> <out.png>\n", argv[0]);
        return 2;
    }
    const QString source = QString::fromLocal8Bit(argv[1]);
    const QString target = QString::fromLocal8Bit(argv[3]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 4096) {
        std::fprintf(stderr, "render_icon: bad size '%s'\n", argv[2]);
        return 2;
    }

    QSvgRenderer renderer(source);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read '%s'\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(target, "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write '%s'\n", argv[3]);
        return 1;
    }
    return 0;
}
