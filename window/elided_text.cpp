// SPDX-License-Identifier: GPL-3.0-or-later
#include "elided_text.h"

namespace wordbloom {

namespace {

// A byte that begins a character: anything but a UTF-8 continuation byte.
bool beginsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

} // namespace

QString elidedText(std::string_view text, std::size_t characters) {
    std::size_t seen = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (beginsCharacter(text[at]) && seen++ == characters) {
            return QString::fromUtf8(text.data(), static_cast<qsizetype>(at)) + QStringLiteral("…");
        }
    }
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace wordbloom
