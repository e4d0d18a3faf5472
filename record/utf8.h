// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wordbloom {

// UTF-8, the form text takes in memory.

inline constexpr char32_t kReplacement = 0xFFFD;

struct Utf8Character {
    char32_t codePoint;
    std::size_t length; // in bytes
};

void appendUtf8(std::string& out, char32_t c);

// Reads one UTF-8 sequence at the front of text: its code point and length,
// or nothing when the bytes are not well-formed UTF-8.
std::optional<Utf8Character> decodeUtf8(std::string_view text);

// The text with only its first and last `kept` characters, joined by "…",
// when it holds more than 2 × kept + 1 characters; otherwise the text itself.
// Only the kept ends are looked at, so a text of megabytes costs no more than
// a short one.
std::string elideMiddle(std::string_view text, std::size_t kept);

// The text's first `kept` characters and "…" when it holds more; otherwise
// the text itself. Only the kept characters are looked at.
std::string elideEnd(std::string_view text, std::size_t kept);

// Keeps well-formed UTF-8 and puts U+FFFD for each byte that is not.
std::string sanitizeUtf8(std::string_view bytes);

// True for well-formed UTF-8; `longest` gets the length in bytes of its
// longest character.
bool isWellFormedUtf8(std::string_view bytes, std::size_t& longest);

} // namespace wordbloom
