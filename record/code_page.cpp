// SPDX-License-Identifier: GPL-3.0-or-later
#include "code_page.h"

#include "utf8.h"

#include <algorithm>
#include <cerrno>
#include <iconv.h>
#include <optional>
#include <stdexcept>
#include <unordered_map>

namespace wordbloom {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class Converter {
public:
    Converter(const char* to, const char* from) : m_cd(::iconv_open(to, from)) {
        // iconv_open reports failure as (iconv_t)-1.
        if (m_cd == reinterpret_cast<iconv_t>(-1)) { // NOLINT(performance-no-int-to-ptr)
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter() { ::iconv_close(m_cd); }

    // Runs one conversion step; returns iconv's result and leaves errno set.
    std::size_t step(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft) {
        return ::iconv(m_cd, const_cast<char**>(&in), &inLeft, &out, &outLeft);
    }
    void reset() { ::iconv(m_cd, nullptr, nullptr, nullptr, nullptr); }

private:
    iconv_t m_cd;
};

Converter& toCp932() {
    static thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& fromCp932() {
    static thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

std::string reference(char32_t c) {
    return "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
}

// Converts with iconv; at each spot it cannot convert, onFailure consumes some
// input and appends its own replacement.
template <typename OnFailure>
std::string convert(Converter& converter, std::string_view input, OnFailure onFailure) {
    std::string out;
    out.resize(input.size() * 2 + 16);
    const char* in = input.data();
    std::size_t inLeft = input.size();
    std::size_t used = 0;
    converter.reset();
    while (inLeft > 0) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        const std::size_t result = converter.step(in, inLeft, outPtr, outLeft);
        const int reason = errno;
        used = out.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) {
            break;
        }
        if (reason == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        std::string replacement;
        const std::size_t consumed = onFailure(std::string_view(in, inLeft), replacement);
        in += consumed;
        inLeft -= consumed;
        if (out.size() - used < replacement.size()) {
            out.resize(used + replacement.size() + inLeft * 2 + 16);
        }
        out.replace(used, replacement.size(), replacement);
        used += replacement.size();
        converter.reset();
    }
    out.resize(used);
    return out;
}

std::string encodeRaw(std::string_view utf8) {
    return convert(toCp932(), utf8, [](std::string_view rest, std::string& replacement) {
        if (const auto decoded = decodeUtf8(rest)) {
            replacement = reference(decoded->codePoint);
            return decoded->length;
        }
        replacement = reference(kReplacement);
        return std::size_t{1};
    });
}

bool cp932CanHold(char32_t c) {
    static thread_local std::unordered_map<char32_t, bool> known;
    if (const auto found = known.find(c); found != known.end()) {
        return found->second;
    }
    std::string utf8;
    appendUtf8(utf8, c);
    Converter& converter = toCp932();
    converter.reset();
    char buffer[8];
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* out = buffer;
    std::size_t outLeft = sizeof buffer;
    const bool holds = converter.step(in, inLeft, out, outLeft) != static_cast<std::size_t>(-1);
    known.emplace(c, holds);
    return holds;
}

// Parses "&#N;" at the front of text; returns the code point and length.
std::optional<Utf8Character> parseReference(std::string_view text) {
    constexpr std::size_t kMaxDigits = 7;
    if (text.size() < 4 || text[0] != '&' || text[1] != '#') {
        return std::nullopt;
    }
    char32_t value = 0;
    std::size_t i = 2;
    while (i < text.size() && i - 2 < kMaxDigits && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + static_cast<char32_t>(text[i] - '0');
        ++i;
    }
    if (i == 2 || i >= text.size() || text[i] != ';') {
        return std::nullopt;
    }
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return std::nullopt;
    }
    return Utf8Character{value, i + 1};
}

} // namespace

std::string encodeCp932(std::string_view utf8) {
    return encodeRaw(utf8);
}

std::size_t decodeCp932Piece(std::string_view bytes, bool last, std::string& out) {
    // Converted in steps through a buffer of its own, so that out only ever
    // grows by what was made.
    constexpr std::size_t kStep = 1 << 16;
    char buffer[kStep];
    Converter& converter = fromCp932();
    converter.reset();
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = kStep;
        const std::size_t result = converter.step(in, inLeft, outPtr, outLeft);
        const int reason = errno;
        out.append(buffer, kStep - outLeft);
        if (result != static_cast<std::size_t>(-1) || reason == E2BIG) {
            continue;
        }
        // A character is at most two bytes: a failure on the last byte of a
        // piece may be a character that the next piece completes.
        if (!last && inLeft < 2) {
            return inLeft;
        }
        appendUtf8(out, kReplacement);
        ++in;
        --inLeft;
        converter.reset();
    }
    return 0;
}

void restoreReferences(std::string& text) {
    std::size_t read = text.find("&#");
    if (read == std::string::npos) {
        return;
    }
    // A character is always shorter than its reference, so the text only
    // shrinks and can be rewritten from front to back in place.
    std::size_t write = read;
    while (read < text.size()) {
        const std::size_t next = std::min(text.find("&#", read), text.size());
        std::copy(text.begin() + static_cast<std::ptrdiff_t>(read),
                  text.begin() + static_cast<std::ptrdiff_t>(next),
                  text.begin() + static_cast<std::ptrdiff_t>(write));
        write += next - read;
        read = next;
        if (read == text.size()) {
            break;
        }
        const auto ref = parseReference(std::string_view(text).substr(read));
        if (ref && !cp932CanHold(ref->codePoint)) {
            std::string character;
            appendUtf8(character, ref->codePoint);
            std::copy(character.begin(), character.end(),
                      text.begin() + static_cast<std::ptrdiff_t>(write));
            write += character.size();
            read += ref->length;
        } else {
            text[write++] = '&';
            text[write++] = '#';
            read += 2;
        }
    }
    text.resize(write);
}

std::string decodeCp932(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 2 + 16);
    decodeCp932Piece(bytes, true, text);
    restoreReferences(text);
    return text;
}

std::string roundTripForm(std::string_view utf8) {
    return decodeCp932(encodeCp932(utf8));
}

bool readsAsUtf8(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        return true;
    }
    // Two-byte UTF-8 sequences also occur in Shift_JIS text: half-width
    // katakana such as ﾃｽ are the bytes C3 BD. Every kana and kanji takes three
    // bytes in UTF-8, which Shift_JIS text hardly ever forms, so only a file
    // that holds one is taken for UTF-8.
    constexpr std::size_t kKanaLength = 3;
    std::size_t longest = 0;
    return isWellFormedUtf8(bytes, longest) && longest >= kKanaLength;
}

std::string decodeHandEditedText(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) {
        return sanitizeUtf8(bytes.substr(kByteOrderMark.size()));
    }
    return readsAsUtf8(bytes) ? std::string(bytes) : decodeCp932(bytes);
}


} // namespace wordbloom
