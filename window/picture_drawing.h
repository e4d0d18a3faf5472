// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <span>

namespace wordbloom {

// A picture of the window, drawn as SVG and compiled in as a resource
// (":/art/<name>.svg"), and the one size it is shown at.
struct PictureSize {
    const char* name;
    QSize size;
};

// Every picture of the window.
std::span<const PictureSize> windowPictures();

// The picture as the SVG draws it at `size` on a screen of the given pixel
// ratio: ceil(size × ratio) pixels, the drawing filling size × ratio of them
// exactly, so that a fractional ratio neither crops nor stretches it. Draws
// on any thread: images, unlike pixmaps, need not be made on the window's
// thread.
QImage drawPicture(const QString& name, QSize size, qreal devicePixelRatio);

} // namespace wordbloom
