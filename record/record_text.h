// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace wordbloom {

// Every data file is a sequence of lines; a line is a record of
// comma-separated fields or a raw line of text. A line ends in CR LF when we
// write it; when we read, CR LF, LF alone and CR alone all end a line, since
// files edited by hand on Linux end their lines in LF.

// Reads fields one after another through a whole decoded text, line after
// line: the way the settings file and the topic list are read. Each line is
// split as splitRecordLine splits it, so a field never runs past its line.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : m_text(text) {}
    explicit FieldReader(const char* text) : m_text(text) {}
    // The reader only looks at the text: it must outlive the reader.
    explicit FieldReader(std::string&&) = delete;

    // True when no field is left to read.
    bool atEnd() const { return m_next == m_lineFields.size() && m_pos >= m_text.size(); }

    // The next field; nothing when no field is left.
    std::optional<std::string> readField();

private:
    std::string_view m_text;
    std::size_t m_pos = 0; // where the next line starts
    std::vector<std::string> m_lineFields;
    std::size_t m_next = 0; // the next field of the line read last
};

// The position of the first CR or LF at or after start; the text's size when
// there is none.
inline std::size_t findLineEnd(std::string_view text, std::size_t start) {
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            return i;
        }
    }
    return text.size();
}

// Calls onLine for each line of the text, without its line end. A last line
// without a line end counts as a line; nothing follows the last line end.
template <typename OnLine> void forEachLine(std::string_view text, OnLine onLine) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = findLineEnd(text, start);
        onLine(text.substr(start, end - start));
        start = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[start] == '\n') {
            ++start;
        }
    }
}

// One field as it stands in a line, before its text is made: the bytes
// between the quotation marks of a quoted field (a quotation mark inside
// still doubled), or the bytes of an unquoted one.
struct RawField {
    std::string_view raw;
    bool quoted = false;

    // The field's text: for a quoted field, each doubled quotation mark made
    // single.
    std::string text() const;
};

// A further test a whole record must pass, such as counts that are numbers.
using RecordCheck = bool (*)(std::span<const RawField> fields);

// Finds the first fields.size() fields of one line without copying a byte,
// by the rules of readWholeRecord. False for a short or torn record, or one
// that fails isSound.
//
// A doubled quotation mark inside a quoted field is read as one mark, the way
// we write it. When that reading gives no whole, sound record, the line is
// read as older copies wrote and read it: a quoted field ends at the next
// mark, and what follows up to the next comma is skipped. So a record reads as
// whole whenever either reading finds it whole.
bool scanWholeRecord(std::string_view line, std::span<RawField> fields,
                     RecordCheck isSound = nullptr);

// The fields of one line. Doubled quotation marks are read as one where every
// quoted field then finds its closing mark; otherwise the line is read by the
// older rules, with each quoted field ending at the next mark or at the end of
// the line. A field never reaches into the next line.
std::vector<std::string> splitRecordLine(std::string_view line);

// The first fieldCount fields of one line, when the line holds a whole record:
// at least that many fields, every quoted one closed, and the last one not cut
// off after its comma. Further fields are ignored. Nothing for a short or torn
// record, which readers skip.
std::optional<std::vector<std::string>> readWholeRecord(std::string_view line,
                                                        std::size_t fieldCount);

// True when the text holds a CR or an LF, which no field or raw line may hold.
bool containsLineBreak(std::string_view text);

// Builds one record line: fields joined by single commas, then CR LF. Text
// fields are quoted, with a quotation mark inside written doubled.
class RecordLine {
public:
    RecordLine& text(std::string_view value);
    RecordLine& integer(std::int16_t value);
    // A count that a record keeps as the text it was read as: written bare, as
    // integer() writes it, when it is the digits of a whole number ("12",
    // "-3"); quoted as text() writes it otherwise, so that whatever an older
    // file held in its place reads back the same.
    RecordLine& count(std::string_view value);
    // The finished line, CR LF included.
    std::string finish() const { return m_line + "\r\n"; }
    // The line so far, without a line end.
    const std::string& fields() const { return m_line; }

private:
    void separate();
    std::string m_line;
    bool m_empty = true;
};

enum class IntegerReading { Ok, NotANumber, Overflow };

struct Integer16 {
    IntegerReading reading;
    std::int16_t value;
};

// Reads a field's text as a 16-bit signed decimal integer. Spaces around the
// digits are allowed; anything else makes it not a number.
Integer16 readInteger16(std::string_view text);

} // namespace wordbloom
