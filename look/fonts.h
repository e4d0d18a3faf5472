// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace wordbloom {

// The family every given font of the window asks for.
inline constexpr const char* kWindowFontFamily = "ＭＳ Ｐゴシック";

// Maps the window's font family onto metric-compatible fonts that Linux has,
// so that Japanese text renders rather than showing empty boxes.
void installFontSubstitutions();

// The window's font at a point size.
QFont windowFont(double pointSize);

} // namespace wordbloom
