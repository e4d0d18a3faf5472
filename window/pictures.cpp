#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace wordbloom {

QPixmap picture(const QString& name, QSize size, qreal devicePixelRatio) {
    QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon pictureIcon(const QString& name, QSize size, qreal devicePixelRatio) {
    QIcon icon(picture(name, size));
    if (devicePixelRatio > 1.0) {
        icon.addPixmap(picture(name, size, devicePixelRatio));
    }
    return icon;
}

} // namespace wordbloom
