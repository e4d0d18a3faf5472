// SPDX-License-Identifier: GPL-3.0-or-later
#include "record_text.h"

#include <algorithm>
#include <limits>

namespace wordbloom {

namespace {

// Consumes the line end at pos (CR LF, LF or CR).
void consumeLineEnd(std::string_view text, std::size_t& pos) {
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
        pos += 2;
    } else {
        ++pos;
    }
}

// How a quotation mark inside a quoted field is read. We write it doubled;
// older copies wrote it as it was, and read a quoted field up to the next
// mark, whatever followed it.
enum class QuoteReading { Doubled, Older };

// Finds one field starting at pos and leaves pos after its terminator. The
// result says whether the terminator was a comma (so another field follows on
// the same line).
struct ScannedField {
    RawField field;
    bool endedByComma;
    bool closed; // a quoted field found its closing quotation mark
};

// Scans one field of a line (the text holds no line end).
ScannedField scanField(std::string_view text, std::size_t& pos, QuoteReading reading) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    ScannedField scanned{{}, false, true};
    if (pos < text.size() && text[pos] == '"') {
        scanned.field.quoted = true;
        scanned.closed = false;
        const std::size_t begin = ++pos;
        for (;;) {
            const std::size_t quote = text.find('"', pos);
            if (quote == std::string_view::npos) {
                pos = text.size();
                scanned.field.raw = text.substr(begin);
                return scanned;
            }
            pos = quote + 1;
            if (reading == QuoteReading::Doubled && pos < text.size() && text[pos] == '"') {
                ++pos;
                continue;
            }
            scanned.field.raw = text.substr(begin, quote - begin);
            scanned.closed = true;
            break;
        }
        while (pos < text.size() && text[pos] != ',') {
            ++pos;
        }
    } else {
        const std::size_t stop = std::min(text.find(',', pos), text.size());
        scanned.field.raw = text.substr(pos, stop - pos);
        pos = stop;
    }
    if (pos < text.size()) {
        scanned.endedByComma = true;
        ++pos;
    }
    return scanned;
}

std::vector<std::string> splitLine(std::string_view line, QuoteReading reading, bool& closed) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    closed = true;
    for (;;) {
        const ScannedField scanned = scanField(line, pos, reading);
        closed = closed && scanned.closed;
        fields.push_back(scanned.field.text());
        if (!scanned.endedByComma) {
            return fields;
        }
    }
}

bool scanWholeRecordBy(std::string_view line, std::span<RawField> fields, QuoteReading reading) {
    std::size_t pos = 0;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const ScannedField scanned = scanField(line, pos, reading);
        if (!scanned.closed) {
            return false;
        }
        const bool last = index + 1 == fields.size();
        // A line that stops right after a comma, with nothing after it, was
        // cut off while it was being written.
        if (!scanned.endedByComma && last && scanned.field.raw.empty() && !scanned.field.quoted) {
            return false;
        }
        fields[index] = scanned.field;
        if (!scanned.endedByComma && !last) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string RawField::text() const {
    if (!quoted) {
        return std::string(raw);
    }
    // Copied a run at a time: a field can be megabytes long, and a grid asks
    // for its text each time it paints it.
    std::string made;
    made.reserve(raw.size());
    std::size_t from = 0;
    while (from < raw.size()) {
        const std::size_t quote = raw.find('"', from);
        if (quote == std::string_view::npos) {
            made.append(raw.substr(from));
            break;
        }
        made.append(raw.substr(from, quote + 1 - from));
        from = quote + 2; // past the second mark of the pair
    }
    return made;
}

std::optional<std::string> FieldReader::readField() {
    if (m_next == m_lineFields.size()) {
        if (m_pos >= m_text.size()) {
            return std::nullopt;
        }
        const std::size_t end = findLineEnd(m_text, m_pos);
        m_lineFields = splitRecordLine(m_text.substr(m_pos, end - m_pos));
        m_next = 0;
        m_pos = end;
        if (m_pos < m_text.size()) {
            consumeLineEnd(m_text, m_pos);
        } else if (m_lineFields.size() > 1 && m_lineFields.back().empty() &&
                   m_text.ends_with(',')) {
            // A comma at the very end of the text leaves nothing to read after it.
            m_lineFields.pop_back();
        }
    }
    return std::move(m_lineFields[m_next++]);
}

std::vector<std::string> splitRecordLine(std::string_view line) {
    bool closed = true;
    std::vector<std::string> fields = splitLine(line, QuoteReading::Doubled, closed);
    if (closed) {
        return fields;
    }
    return splitLine(line, QuoteReading::Older, closed);
}

bool scanWholeRecord(std::string_view line, std::span<RawField> fields, RecordCheck isSound) {
    for (const QuoteReading reading : {QuoteReading::Doubled, QuoteReading::Older}) {
        if (scanWholeRecordBy(line, fields, reading) && (isSound == nullptr || isSound(fields))) {
            return true;
        }
    }
    return false;
}

std::optional<std::vector<std::string>> readWholeRecord(std::string_view line,
                                                        std::size_t fieldCount) {
    std::vector<RawField> raw(fieldCount);
    if (!scanWholeRecord(line, raw)) {
        return std::nullopt;
    }
    std::vector<std::string> fields;
    fields.reserve(fieldCount);
    for (const RawField& field : raw) {
        fields.push_back(field.text());
    }
    return fields;
}

bool containsLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

void RecordLine::separate() {
    if (!m_empty) {
        m_line += ',';
    }
    m_empty = false;
}

RecordLine& RecordLine::text(std::string_view value) {
    separate();
    m_line += '"';
    for (const char c : value) {
        if (c == '"') {
            m_line += '"';
        }
        m_line += c;
    }
    m_line += '"';
    return *this;
}

RecordLine& RecordLine::integer(std::int16_t value) {
    separate();
    m_line += std::to_string(value);
    return *this;
}

RecordLine& RecordLine::count(std::string_view value) {
    const std::string_view digits = value.starts_with('-') ? value.substr(1) : value;
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return text(value);
    }
    separate();
    m_line += value;
    return *this;
}

Integer16 readInteger16(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    if (first == std::string_view::npos) {
        return {IntegerReading::NotANumber, 0};
    }
    std::string_view digits = text.substr(first, last - first + 1);
    const bool negative = digits.front() == '-';
    if (negative || digits.front() == '+') {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return {IntegerReading::NotANumber, 0};
    }
    long value = 0;
    bool overflow = false;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return {IntegerReading::NotANumber, 0};
        }
        if (!overflow) {
            value = value * 10 + (c - '0');
            overflow = value > 32768;
        }
    }
    if (negative) {
        value = -value;
    }
    if (overflow || value > std::numeric_limits<std::int16_t>::max() ||
        value < std::numeric_limits<std::int16_t>::min()) {
        return {IntegerReading::Overflow, 0};
    }
    return {IntegerReading::Ok, static_cast<std::int16_t>(value)};
}

} // namespace wordbloom
