// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <string_view>

namespace wordbloom {

// A UTF-8 text for a chart label or a list: its first `characters`
// characters and "…" when it is longer. Only the part shown is converted, so
// an answer of a million characters costs no more than a short one.
QString elidedText(std::string_view text, std::size_t characters);

} // namespace wordbloom
