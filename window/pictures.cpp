// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures.h"

#include "baked_pictures.h"
#include "picture_drawing.h"

#include <stdexcept>

namespace wordbloom {

namespace {

QImage plainPicture(const QString& name) {
    QImage baked = bakedPicture(name);
    if (baked.isNull()) {
        throw std::logic_error("no picture named " + name.toStdString());
    }
    return baked;
}

} // namespace

PictureSet::PictureSet(qreal devicePixelRatio) : m_devicePixelRatio(devicePixelRatio) {
    if (devicePixelRatio > 1.0) {
        m_drawing = std::async(std::launch::async, [devicePixelRatio] {
            std::map<QString, QImage> drawn;
            for (const PictureSize& picture : windowPictures()) {
                const QString name = QString::fromLatin1(picture.name);
                drawn[name] = drawPicture(name, picture.size, devicePixelRatio);
            }
            return drawn;
        });
    }
}

const std::map<QString, QImage>& PictureSet::onScreen() {
    if (m_drawing.valid()) {
        m_onScreen = m_drawing.get();
    }
    return m_onScreen;
}

QPixmap PictureSet::picture(const QString& name) {
    const auto& drawn = onScreen();
    const auto found = drawn.find(name);
    return QPixmap::fromImage(found != drawn.end() ? found->second : plainPicture(name));
}

QIcon PictureSet::icon(const QString& name) {
    QIcon icon(QPixmap::fromImage(plainPicture(name)));
    const auto& drawn = onScreen();
    if (const auto found = drawn.find(name); found != drawn.end()) {
        icon.addPixmap(QPixmap::fromImage(found->second));
    }
    return icon;
}

} // namespace wordbloom
