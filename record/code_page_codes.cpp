// SPDX-License-Identifier: GPL-3.0-or-later
// The code page's characters with two codes, and file names in it.
#include "code_page.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace wordbloom {

namespace {

// What a byte is when a character starts with it: a character of its own,
// the first of two bytes, or the first of two in a row whose characters also
// have another code (NEC row 13, the NEC-selected IBM rows ED and EE, and
// part of the IBM rows, FA).
constexpr std::uint8_t kSingleByte = 0;
constexpr std::uint8_t kLeadByte = 1;
constexpr std::uint8_t kLeadOfSecondCode = 2;
constexpr std::array<std::uint8_t, 256> kLeadKinds = [] {
    std::array<std::uint8_t, 256> kinds{};
    for (std::size_t byte = 0x81; byte <= 0xFC; ++byte) {
        kinds[byte] = byte <= 0x9F || byte >= 0xE0 ? kLeadByte : kSingleByte;
    }
    for (const std::size_t byte : {0x87U, 0xEDU, 0xEEU, 0xFAU}) {
        kinds[byte] = kLeadOfSecondCode;
    }
    return kinds;
}();

// The code the encoder writes for the character of a two-byte code; the code
// itself when it is no character or has no other code.
const std::string& encoderCode(std::string_view character) {
    static thread_local std::unordered_map<std::string, std::string> known;
    const auto [entry, fresh] = known.try_emplace(std::string(character));
    if (fresh) {
        const std::string text = decodeCp932(character);
        const std::string written = encodeCp932(text);
        const bool oneCharacter = written.size() == 2 && text.find("\uFFFD") == std::string::npos;
        entry->second = oneCharacter ? written : std::string(character);
    }
    return entry->second;
}

} // namespace

std::optional<std::string> decodeCp932Name(std::string_view bytes) {
    // A byte that is no character becomes U+FFFD, which no code page 932
    // character does; references stay as the text they are.
    std::string name;
    decodeCp932Piece(bytes, true, name);
    if (name.find("\uFFFD") != std::string::npos) {
        return std::nullopt;
    }
    return name;
}

std::optional<std::string> withEncoderCodes(std::string_view bytes) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    std::optional<std::string> changed;
    std::size_t known = 0; // a character is known to start here
    for (std::size_t hit = 0;; ++hit) {
        // Such a byte is rare enough to look for first, and only where one
        // is found are the characters before it walked through.
        while (hit < size && kLeadKinds[data[hit]] != kLeadOfSecondCode) {
            ++hit;
        }
        if (hit + 1 >= size) {
            return changed;
        }
        // A byte below 0x40 is never the second of two: a character starts
        // right after it.
        std::size_t at = hit;
        while (at > known && data[at - 1] >= 0x40) {
            --at;
        }
        while (at < hit) {
            at += kLeadKinds[data[at]] == kSingleByte ? 1U : 2U;
        }
        known = at;
        if (at != hit) {
            continue; // the second byte of a character
        }
        const std::string_view character = bytes.substr(hit, 2);
        const std::string& written = encoderCode(character);
        if (written != character) {
            if (!changed) {
                changed.emplace(bytes);
            }
            changed->replace(hit, 2, written);
        }
        known = hit + 2;
        hit = known - 1;
    }
}

} // namespace wordbloom
