// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8.h"

#include <algorithm>

namespace wordbloom {

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {

bool continuesCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U;
}

} // namespace

std::string elideMiddle(std::string_view text, std::size_t kept) {
    const auto forward = [&](std::size_t at) {
        do {
            ++at;
        } while (at < text.size() && continuesCharacter(text[at]));
        return at;
    };
    std::size_t front = 0;
    for (std::size_t count = 0; count < kept && front < text.size(); ++count) {
        front = forward(front);
    }
    std::size_t back = text.size();
    for (std::size_t count = 0; count < kept && back > front; ++count) {
        do {
            --back;
        } while (back > front && continuesCharacter(text[back]));
    }
    // One character between the ends is no shorter than "…".
    if (front >= back || forward(front) >= back) {
        return std::string(text);
    }
    return std::string(text.substr(0, front)) + "…" + std::string(text.substr(back));
}

std::string elideEnd(std::string_view text, std::size_t kept) {
    std::size_t seen = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (!continuesCharacter(text[at]) && seen++ == kept) {
            return std::string(text.substr(0, at)) + "…";
        }
    }
    return std::string(text);
}

std::optional<Utf8Character> decodeUtf8(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        return Utf8Character{lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        c = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        c = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        c = lead & 0x07;
        minimum = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (byte(i) & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    return Utf8Character{c, length};
}

std::string sanitizeUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    while (!bytes.empty()) {
        if (const auto decoded = decodeUtf8(bytes)) {
            out.append(bytes.substr(0, decoded->length));
            bytes.remove_prefix(decoded->length);
        } else {
            appendUtf8(out, kReplacement);
            bytes.remove_prefix(1);
        }
    }
    return out;
}

bool isWellFormedUtf8(std::string_view bytes, std::size_t& longest) {
    longest = 0;
    while (!bytes.empty()) {
        const auto decoded = decodeUtf8(bytes);
        if (!decoded) {
            return false;
        }
        longest = std::max<std::size_t>(longest, decoded->length);
        bytes.remove_prefix(decoded->length);
    }
    return true;
}

std::size_t utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xC0) != 0x80) {
            units += byte >= 0xF0 ? 2 : 1;
        }
    }
    return units;
}

} // namespace wordbloom
