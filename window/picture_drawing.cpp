// SPDX-License-Identifier: GPL-3.0-or-later
#include "picture_drawing.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace wordbloom {

namespace {

const PictureSize kPictures[] = {
    {"title", {324, 63}},     {"start", {32, 32}},         {"save", {32, 32}},
    {"clear", {32, 32}},      {"help", {32, 32}},          {"end", {32, 32}},
    {"signal_red", {32, 32}}, {"signal_yellow", {32, 32}}, {"signal_green", {32, 32}},
    {"autosave", {16, 16}},   {"start_shown", {24, 22}},   {"history", {32, 32}},
};

} // namespace

std::span<const PictureSize> windowPictures() {
    return kPictures;
}

QImage drawPicture(const QString& name, QSize size, qreal devicePixelRatio) {
    const QSizeF drawn = QSizeF(size) * devicePixelRatio;
    QImage image(static_cast<int>(std::ceil(drawn.width())),
                 static_cast<int>(std::ceil(drawn.height())), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(QStringLiteral(":/art/%1.svg").arg(name))
        .render(&painter, QRectF(QPointF(), drawn));
    painter.end();
    image.setDevicePixelRatio(devicePixelRatio);
    return image;
}

} // namespace wordbloom
