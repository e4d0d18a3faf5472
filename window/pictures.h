#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace wordbloom {

// The window's pictures, drawn as SVG and compiled in as resources
// (":/art/<name>.svg"). They are rendered at the screen's pixel ratio so that
// they stay sharp on high-density screens.
QPixmap picture(const QString& name, QSize size, qreal devicePixelRatio = 1.0);
// An icon with the picture at ratio 1 and, on a high-density screen, at the
// screen's ratio too: each rendering costs start-up time.
QIcon pictureIcon(const QString& name, QSize size, qreal devicePixelRatio = 1.0);

} // namespace wordbloom
