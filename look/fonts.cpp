// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

#include <QStringList>

namespace wordbloom {

void installFontSubstitutions() {
    QFont::insertSubstitutions(QString::fromUtf8(kWindowFontFamily),
                               {QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("IPAGothic")});
}

QFont windowFont(double pointSize) {
    QFont font(QString::fromUtf8(kWindowFontFamily));
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

} // namespace wordbloom
