// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

#include <future>
#include <map>

namespace wordbloom {

// The window's pictures, each at its one size, from their SVGs: at ratio 1
// as drawn when the program was built, and, on a high-density screen, at the
// screen's pixel ratio too, so that they stay sharp there: nothing is ever a
// small bitmap blown up. Those are drawn on a thread of their own, started
// when the set is made, so that the window can go on making its controls
// meanwhile; the first picture asked for waits for them.
class PictureSet {
public:
    explicit PictureSet(qreal devicePixelRatio);

    qreal devicePixelRatio() const { return m_devicePixelRatio; }
    // The picture at the screen's pixel ratio.
    QPixmap picture(const QString& name);
    // The picture as an icon, with each rendering of it.
    QIcon icon(const QString& name);

private:
    // The pictures at the screen's ratio; none when that is 1.
    const std::map<QString, QImage>& onScreen();

    qreal m_devicePixelRatio;
    std::future<std::map<QString, QImage>> m_drawing;
    std::map<QString, QImage> m_onScreen;
};

} // namespace wordbloom
