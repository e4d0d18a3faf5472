// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace wordbloom {

// The picture as drawPicture draws it at ratio 1, drawn when the program was
// built (the build writes this function's source), so that a screen of
// ratio 1 shows the pictures without drawing any at start-up. The image
// reads the program's own constant pixels; null for a name without a
// picture.
QImage bakedPicture(const QString& name);

} // namespace wordbloom
