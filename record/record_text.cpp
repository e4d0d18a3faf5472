#include "record_text.h"

#include <limits>

namespace wordbloom {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Consumes the line end at pos (CR LF, LF or CR).
void consumeLineEnd(std::string_view text, std::size_t& pos) {
    if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
        pos += 2;
    } else {
        ++pos;
    }
}

// Finds one field starting at pos and leaves pos after its terminator. The
// result says whether the terminator was a comma (so another field follows on
// the same line).
struct ScannedField {
    RawField field;
    bool endedByComma;
    bool closed; // a quoted field found its closing quotation mark
};

ScannedField scanField(std::string_view text, std::size_t& pos) {
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
            if (pos < text.size() && text[pos] == '"') {
                ++pos;
                continue;
            }
            scanned.field.raw = text.substr(begin, quote - begin);
            scanned.closed = true;
            break;
        }
        while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos])) {
            ++pos;
        }
    } else {
        std::size_t stop = pos;
        while (stop < text.size() && text[stop] != ',' && !isLineEnd(text[stop])) {
            ++stop;
        }
        scanned.field.raw = text.substr(pos, stop - pos);
        pos = stop;
    }
    if (pos < text.size()) {
        if (text[pos] == ',') {
            scanned.endedByComma = true;
            ++pos;
        } else {
            consumeLineEnd(text, pos);
        }
    }
    return scanned;
}

} // namespace

std::string RawField::text() const {
    if (!quoted) {
        return std::string(raw);
    }
    std::string made;
    made.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        made += raw[i];
        if (raw[i] == '"') {
            ++i; // the second mark of the pair
        }
    }
    return made;
}

std::optional<std::string> FieldReader::readField() {
    if (atEnd()) {
        return std::nullopt;
    }
    return scanField(m_text, m_pos).field.text();
}

std::vector<std::string> splitRecordLine(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (;;) {
        const ScannedField scanned = scanField(line, pos);
        fields.push_back(scanned.field.text());
        if (!scanned.endedByComma) {
            return fields;
        }
    }
}

bool scanWholeRecord(std::string_view line, std::span<RawField> fields) {
    std::size_t pos = 0;
    for (std::size_t index = 0; index < fields.size(); ++index) {
        const ScannedField scanned = scanField(line, pos);
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
