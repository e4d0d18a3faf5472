// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wordbloom {

// Text lives in memory as UTF-8 and in the data files as Shift_JIS in its
// Windows form (code page 932). These functions are the one place where the
// two meet.

// UTF-8 to code page 932. A character that the code page cannot hold is
// written as the reference "&#N;" (N its decimal code point), so nothing typed
// is ever lost on the way to a file.
std::string encodeCp932(std::string_view utf8);

// Code page 932 to UTF-8. A reference "&#N;" becomes its character again when
// N is a code point the code page cannot hold (the encoder made it); any other
// reference stays as the text it is. A byte that is not valid code page 932
// becomes U+FFFD.
std::string decodeCp932(std::string_view bytes);

// Decodes code page 932 that arrives in pieces, such as a file read block by
// block: appends the UTF-8 of one piece to out, leaving references "&#N;" as
// they are. Unless the piece is the last, a character cut off at its end is
// left undecoded and the count of its bytes returned: they must come again at
// the front of the next piece. Pieces decoded one after another and then
// passed to restoreReferences give the text decodeCp932 makes of the whole.
std::size_t decodeCp932Piece(std::string_view bytes, bool last, std::string& out);

// Turns each reference "&#N;" whose N the code page cannot hold back into its
// character, in place.
void restoreReferences(std::string& text);

// The form in which a text comes back from a data file: characters the code
// page maps onto another one come back as that one (U+301C 〜 as U+FF5E ～,
// for example). Answers are judged in this form so that a text matches itself
// from an earlier game.
std::string roundTripForm(std::string_view utf8);

// Decodes a file that a player may have edited by hand: UTF-8 (with or without
// a byte-order mark) is recognised; anything else is read as code page 932.
std::string decodeHandEditedText(std::string_view bytes);

// True when decodeHandEditedText takes the bytes for UTF-8 (a byte-order mark,
// or well-formed UTF-8 holding a kana or kanji).
bool readsAsUtf8(std::string_view bytes);

// The UTF-8 of a file name stored in code page 932, or nothing when a byte of
// it is no code page 932 character. References "&#N;" stay as they are.
std::optional<std::string> decodeCp932Name(std::string_view bytes);

// Some characters have two codes in code page 932 (the NEC and the IBM rows);
// the encoder always writes the same one. The bytes with each such character
// in the code the encoder writes, or nothing when they already are; bytes
// that hold no character stay as they are.
std::optional<std::string> withEncoderCodes(std::string_view bytes);

// Number of UTF-16 code units of a UTF-8 text: one per character, two for a
// character outside the Basic Multilingual Plane.
std::size_t utf16Length(std::string_view utf8);

} // namespace wordbloom
