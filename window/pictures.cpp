// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include <QPainter>
#include <QSize>
#include <QSvgRenderer>

#include <cmath>
#include <stdexcept>
#include <utility>

namespace wordbloom {

namespace {

// Every picture of the window and the size it is shown at.
const std::pair<const char*, QSize> kPictures[] = {
    {"title", {324, 63}},     {"start", {32, 32}},         {"save", {32, 32}},
    {"clear", {32, 32}},      {"help", {32, 32}},          {"end", {32, 32}},
    {"signal_red", {32, 32}}, {"signal_yellow", {32, 32}}, {"signal_green", {32, 32}},
    {"autosave", {16, 16}},   {"start_shown", {24, 22}},   {"history", {32, 32}},
};

// The picture as the SVG draws it at `size` on a screen of the given pixel
// ratio: ceil(size × ratio) pixels, the drawing filling size × ratio of them
// exactly, so that a fractional ratio neither crops nor stretches it. Renders
// on any thread: images, unlike pixmaps, need not be made on the window's
// thread.
QImage renderPicture(const QString& name, QSize size, qreal devicePixelRatio) {
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

} // namespace

PictureSet::PictureSet(qreal devicePixelRatio)
    : m_devicePixelRatio(devicePixelRatio),
      m_rendering(std::async(std::launch::async, [devicePixelRatio] {
          std::map<QString, Rendered> rendered;
          for (const auto& [name, size] : kPictures) {
              const QString key = QString::fromLatin1(name);
              rendered[key] = {renderPicture(key, size, 1.0),
                               devicePixelRatio > 1.0 ? renderPicture(key, size, devicePixelRatio)
                                                      : QImage()};
          }
          return rendered;
      })) {}

const PictureSet::Rendered& PictureSet::rendered(const QString& name) {
    if (m_rendering.valid()) {
        m_rendered = m_rendering.get();
    }
    const auto found = m_rendered.find(name);
    if (found == m_rendered.end()) {
        throw std::logic_error("no picture named " + name.toStdString());
    }
    return found->second;
}

QPixmap PictureSet::picture(const QString& name) {
    const Rendered& images = rendered(name);
    return QPixmap::fromImage(images.screen.isNull() ? images.plain : images.screen);
}

QIcon PictureSet::icon(const QString& name) {
    const Rendered& images = rendered(name);
    QIcon icon(QPixmap::fromImage(images.plain));
    if (!images.screen.isNull()) {
        icon.addPixmap(QPixmap::fromImage(images.screen));
    }
    return icon;
}

} // namespace wordbloom
