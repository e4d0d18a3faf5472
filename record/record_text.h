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

// Reads fields one after another through a whole decoded text, crossing line
// ends: the way the settings file and the topic list are read.
class FieldReader {
public:
    explicit FieldReader(std::string_view text) : m_text(text) {}
    explicit FieldReader(const char* text) : m_text(text) {}
    // The reader only looks at the text: it must outlive the reader.
    explicit FieldReader(std::string&&) = delete;

    // True when no bytes are left to read.
    bool atEnd() const { return m_pos >= m_text.size(); }

    // The next field; nothing when no bytes are left.
    std::optional<std::string> readField();

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
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

// Finds the first fields.size() fields of one line without copying a byte,
// by the rules of readWholeRecord. False for a short or torn record.
bool scanWholeRecord(std::string_view line, std::span<RawField> fields);

// The fields of one line, read by the same rules as FieldReader but never
// reaching into the next line: a record never shifts between lines.
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
