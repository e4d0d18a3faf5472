// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/shown_text.h"

#include "record/utf8.h"

namespace wordbloom {

namespace {

constexpr std::size_t kShownAtEachEnd = 100;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString shownText(std::string_view utf8) {
    return fromUtf8(elideMiddle(utf8, kShownAtEachEnd));
}

QString shownStart(std::string_view utf8, std::size_t characters) {
    return fromUtf8(elideEnd(utf8, characters));
}

} // namespace wordbloom
