// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/text_grid_style.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

#include <algorithm>
#include <cmath>
#include <limits>

namespace wordbloom {

namespace {

constexpr QRgb kGridLineColour = qRgb(0xC0, 0xC0, 0xC0);
constexpr double kPixelsPerRowHeightUnit = 1.5;

} // namespace

int clampedCount(std::size_t count) {
    return static_cast<int>(
        std::min(count, static_cast<std::size_t>(std::numeric_limits<int>::max())));
}

int rowHeightPixels(float rowHeightSetting) {
    return std::max(1, static_cast<int>(std::lround(rowHeightSetting * kPixelsPerRowHeightUnit)));
}

Qt::Alignment dataAlignment(Alignment alignment) {
    switch (alignment) {
    case Alignment::Left:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case Alignment::Centre:
        return Qt::AlignCenter;
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

QFont fittingFont(const QFont& font, const QString& text, int width) {
    const int advance = QFontMetrics(font).horizontalAdvance(text);
    if (advance <= width) {
        return font;
    }
    // The text narrows about in step with the stretch; rounding may leave
    // it a pixel too wide, so the estimate is checked.
    const int normal = font.stretch() > 0 ? font.stretch() : QFont::Unstretched;
    int stretch = std::max(1, normal * width / advance);
    QFont condensed = font;
    condensed.setStretch(stretch);
    while (stretch > 1 && QFontMetrics(condensed).horizontalAdvance(text) > width) {
        condensed.setStretch(--stretch);
    }
    return condensed;
}

GridStyle::GridStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

int GridStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_Table_GridLineColor) {
        return static_cast<int>(kGridLineColour);
    }
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

int GridStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    if (metric == PM_FocusFrameHMargin) {
        return kCellPadding - 1;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void GridStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    if (element == CE_HeaderEmptyArea) {
        painter->fillRect(option->rect, kEmptyAreaColour);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace wordbloom
