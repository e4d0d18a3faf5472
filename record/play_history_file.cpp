// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_history_file.h"

#include "code_page.h"
#include "decoded_file.h"
#include "formats.h"
#include "line_breaks.h"
#include "record_text.h"

#include <limits>
#include <utility>

namespace wordbloom {

namespace {

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
    return readCount(fields[PlayRecordFormat::NewCount]).reading == IntegerReading::Ok &&
           readCount(fields[PlayRecordFormat::ExistingCount]).reading == IntegerReading::Ok;
}

PlayHistory historyOf(std::string text) {
    PlayHistory history;
    history.skippedLines = history.records.assign(std::move(text));
    return history;
}

} // namespace

bool PlayRecordFormat::isWhole(std::string_view line) {
    Fields found;
    return scanWholeRecord(line, found, &countsAreNumbers);
}

PlayRecordFormat::Fields PlayRecordFormat::fields(std::string_view line) {
    Fields found;
    scanWholeRecord(line, found, &countsAreNumbers);
    return found;
}

std::optional<PlayRecordFormat::Fields> PlayRecordFormat::wholeFields(std::string_view line) {
    Fields found;
    if (!scanWholeRecord(line, found, &countsAreNumbers)) {
        return std::nullopt;
    }
    return found;
}

PlayRecord PlayRecordFormat::read(std::string_view line) {
    const Fields f = fields(line);
    PlayRecord record;
    record.date = f[Date].text();
    record.time = f[Time].text();
    record.topic = f[Topic].text();
    record.total = f[Total].text();
    record.newCount = readCount(f[NewCount]).value;
    record.existingCount = readCount(f[ExistingCount]).value;
    record.duplicateCount = f[DuplicateCount].text();
    record.characters = f[Characters].text();
    record.rate = f[Rate].text();
    record.playLength = f[PlayLength].text();
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
    return historyOf(readCp932Text(dir, kPlayHistoryFileName));
}

PlayHistory readPlayHistoryIfPresent(const WorkDir& dir) {
    auto text = readCp932TextIfPresent(dir, kPlayHistoryFileName);
    return text ? historyOf(std::move(*text)) : PlayHistory{};
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
