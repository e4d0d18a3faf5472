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

// Reads one field starting at pos and leaves pos after its terminator. The
// result says whether the terminator was a comma (so another field follows on
// the same line).
struct Field {
    std::string text;
    bool endedByComma;
    bool quoted;
    bool closed; // a quoted field found its closing quotation mark
};

Field parseField(std::string_view text, std::size_t& pos) {
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    Field field{{}, false, false, true};
    if (pos < text.size() && text[pos] == '"') {
        field.quoted = true;
        field.closed = false;
        ++pos;
        for (;;) {
            const std::size_t quote = text.find('"', pos);
            if (quote == std::string_view::npos) {
                field.text.append(text.substr(pos));
                pos = text.size();
                return field;
            }
            field.text.append(text.substr(pos, quote - pos));
            pos = quote + 1;
            if (pos < text.size() && text[pos] == '"') {
                field.text += '"';
                ++pos;
                continue;
            }
            field.closed = true;
            break;
        }
        while (pos < text.size() && text[pos] != ',' && !isLineEnd(text[pos])) {
            ++pos;
        }
    } else {
        const std::size_t end = text.find_first_of(",\r\n", pos);
        const std::size_t stop = end == std::string_view::npos ? text.size() : end;
        field.text.assign(text.substr(pos, stop - pos));
        pos = stop;
    }
    if (pos < text.size()) {
        if (text[pos] == ',') {
            field.endedByComma = true;
            ++pos;
        } else {
            consumeLineEnd(text, pos);
        }
    }
    return field;
}

} // namespace

std::optional<std::string> FieldReader::readField() {
    if (atEnd()) {
        return std::nullopt;
    }
    return parseField(m_text, m_pos).text;
}

std::vector<std::string> splitRecordLine(std::string_view line) {
    std::vector<std::string> fields;
    std::size_t pos = 0;
    for (;;) {
        Field field = parseField(line, pos);
        fields.push_back(std::move(field.text));
        if (!field.endedByComma) {
            return fields;
        }
    }
}

std::optional<std::vector<std::string>> readWholeRecord(std::string_view line,
                                                        std::size_t fieldCount) {
    std::vector<std::string> fields;
    fields.reserve(fieldCount);
    std::size_t pos = 0;
    bool more = true;
    while (more && fields.size() < fieldCount) {
        Field field = parseField(line, pos);
        if (!field.closed) {
            return std::nullopt;
        }
        more = field.endedByComma;
        // A line that stops right after a comma, with nothing after it, was
        // cut off while it was being written.
        if (!more && fields.size() + 1 == fieldCount && field.text.empty() && !field.quoted) {
            return std::nullopt;
        }
        fields.push_back(std::move(field.text));
    }
    if (fields.size() < fieldCount) {
        return std::nullopt;
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
