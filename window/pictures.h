// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <future>
#include <map>

namespace wordbloom {

// The window's pictures, drawn as SVG and compiled in as resources
// (":/art/<name>.svg"), each at its one size. The set starts rendering them
// all on a thread of its own when it is made, so that the window can go on
// making its controls meanwhile; the first picture asked for waits for them.
// They are rendered from the SVG at ratio 1 and, on a high-density screen,
// at the screen's pixel ratio too, so that they stay sharp there: nothing is
// ever a small bitmap blown up.
class PictureSet {
public:
    explicit PictureSet(qreal devicePixelRatio);

    qreal devicePixelRatio() const { return m_devicePixelRatio; }
    // The picture at the screen's pixel ratio.
    QPixmap picture(const QString& name);
    // The picture as an icon, with each rendering of it.
    QIcon icon(const QString& name);

private:
    struct Rendered {
        QImage plain;  // ratio 1
        QImage screen; // the screen's ratio; null when that is 1
    };
    const Rendered& rendered(const QString& name);

    qreal m_devicePixelRatio;
    std::future<std::map<QString, Rendered>> m_rendering;
    std::map<QString, Rendered> m_rendered;
};

} // namespace wordbloom
