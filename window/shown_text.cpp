// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/shown_text.h"

#include "record/utf8.h"

namespace wordbloom {

namespace {

constexpr std::size_t kShownAtEachEnd = 100;

} // namespace

QString shownText(std::string_view utf8) {
    const std::string shown = elideMiddle(utf8, kShownAtEachEnd);
    return QString::fromUtf8(shown.data(), static_cast<qsizetype>(shown.size()));
}

} // namespace wordbloom
