// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/grid_layout.h"

#include <QColor>
#include <QFont>
#include <QProxyStyle>
#include <QString>

#include <cstddef>

namespace wordbloom {

// How the grid draws: its colours, its cell padding and its units.

inline const QColor kEmptyAreaColour(0x80, 0x80, 0x80);

// Text stands this far from a cell's edges, so that dates, times and
// numbers fit the narrow columns.
inline constexpr int kCellPadding = 2;

// The views count rows in int; a larger source shows its first INT_MAX rows.
int clampedCount(std::size_t count);
int rowHeightPixels(float rowHeightSetting);
Qt::Alignment dataAlignment(Alignment alignment);

// The font, condensed just enough for `text` to fit into `width` pixels;
// the font itself where the text fits already.
QFont fittingFont(const QFont& font, const QString& text, int width);

// The application's style with the grid's own line colour, padding and
// empty area. A style sheet could set the colours too, but it would stop the
// grid from taking the window's palette.
class GridStyle final : public QProxyStyle {
public:
    GridStyle();
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    // Item views keep their text one pixel further in than this margin.
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    // The header row right of the last column, like the area below the rows.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

} // namespace wordbloom
