#include "play_history_file.h"

#include "code_page.h"
#include "decoded_file.h"
#include "formats.h"
#include "line_breaks.h"
#include "record_text.h"

#include <limits>

namespace wordbloom {

namespace {

constexpr std::size_t kPlayRecordFieldCount = 10;
constexpr std::size_t kNewCountField = 4;
constexpr std::size_t kExistingCountField = 5;

Integer16 readCount(const RawField& field) {
    // The raw bytes differ from the text only by a doubled quotation mark,
    // which makes both not a number.
    return readInteger16(field.raw);
}

std::int16_t saturatedSum(std::int16_t a, std::int16_t b, std::int16_t c) {
    const int sum = a + b + c;
    return static_cast<std::int16_t>(std::min(sum, int{std::numeric_limits<std::int16_t>::max()}));
}

bool countsAreNumbers(std::span<const RawField> fields) {
    return readCount(fields[kNewCountField]).reading == IntegerReading::Ok &&
           readCount(fields[kExistingCountField]).reading == IntegerReading::Ok;
}

} // namespace

bool PlayRecordFormat::isWhole(std::string_view line) {
    RawField fields[kPlayRecordFieldCount];
    return scanWholeRecord(line, fields, &countsAreNumbers);
}

PlayRecord PlayRecordFormat::read(std::string_view line) {
    RawField f[kPlayRecordFieldCount];
    scanWholeRecord(line, f, &countsAreNumbers);
    PlayRecord record;
    record.date = f[0].text();
    record.time = f[1].text();
    record.topic = f[2].text();
    record.total = f[3].text();
    record.newCount = readCount(f[kNewCountField]).value;
    record.existingCount = readCount(f[kExistingCountField]).value;
    record.duplicateCount = f[6].text();
    record.characters = f[7].text();
    record.rate = f[8].text();
    record.playLength = f[9].text();
    return record;
}

std::string PlayRecordFormat::line(const PlayRecord& record) {
    return RecordLine()
        .text(record.date)
        .text(record.time)
        .text(record.topic)
        .count(record.total)
        .integer(record.newCount)
        .integer(record.existingCount)
        .count(record.duplicateCount)
        .count(record.characters)
        .text(record.rate)
        .text(record.playLength)
        .fields();
}

PlayHistory readPlayHistory(const WorkDir& dir) {
    PlayHistory history;
    history.skippedLines = history.records.assign(readCp932Text(dir, kPlayHistoryFileName));
    return history;
}

PlayRecord toPlayRecord(const PlayResult& result) {
    PlayRecord record;
    record.date = result.date;
    record.time = result.time;
    record.topic = result.topic;
    record.total = std::to_string(
        saturatedSum(result.newAnswers, result.existingAnswers, result.duplicateAnswers));
    record.newCount = result.newAnswers;
    record.existingCount = result.existingAnswers;
    record.duplicateCount = std::to_string(result.duplicateAnswers);
    record.characters = std::to_string(result.characters);
    record.rate = formatRate(result.characters, result.playLength);
    record.playLength = formatPlayLength(result.playLength);
    return record;
}

void appendPlayRecord(const WorkDir& dir, const PlayResult& result) {
    requireSingleLine({result.date, result.time, result.topic}, kPlayHistoryFileName);
    dir.append(kPlayHistoryFileName, encodeCp932(fileLine<PlayRecordFormat>(toPlayRecord(result))));
}

void clearPlayHistoryFile(const WorkDir& dir) {
    dir.truncate(kPlayHistoryFileName);
}

} // namespace wordbloom
