#include "play_history_file.h"

#include "code_page.h"
#include "formats.h"
#include "line_breaks.h"
#include "record_text.h"

#include <limits>

namespace wordbloom {

namespace {

constexpr std::size_t kPlayRecordFieldCount = 10;

std::optional<PlayRecord> toPlayRecordFromLine(std::string_view line) {
    auto fields = readWholeRecord(line, kPlayRecordFieldCount);
    if (!fields) {
        return std::nullopt;
    }
    auto& f = *fields;
    const Integer16 newCount = readInteger16(f[4]);
    const Integer16 existingCount = readInteger16(f[5]);
    if (newCount.reading != IntegerReading::Ok || existingCount.reading != IntegerReading::Ok) {
        return std::nullopt;
    }
    PlayRecord record;
    record.date = std::move(f[0]);
    record.time = std::move(f[1]);
    record.topic = std::move(f[2]);
    record.total = std::move(f[3]);
    record.newCount = newCount.value;
    record.existingCount = existingCount.value;
    record.duplicateCount = std::move(f[6]);
    record.characters = std::move(f[7]);
    record.rate = std::move(f[8]);
    record.playLength = std::move(f[9]);
    return record;
}

std::int16_t saturatedSum(std::int16_t a, std::int16_t b, std::int16_t c) {
    const int sum = a + b + c;
    return static_cast<std::int16_t>(std::min(sum, int{std::numeric_limits<std::int16_t>::max()}));
}

} // namespace

PlayHistory readPlayHistory(const WorkDir& dir) {
    const std::string text = decodeCp932(dir.readAll(kPlayHistoryFileName));
    PlayHistory history;
    forEachLine(text, [&](std::string_view line) {
        if (auto record = toPlayRecordFromLine(line)) {
            history.records.push_back(std::move(*record));
        } else {
            ++history.skippedLines;
        }
    });
    return history;
}

PlayRecord toPlayRecord(const PlayResult& result) {
    PlayRecord record;
    record.date = result.date;
    record.time = result.time;
    record.topic = result.topic;
    record.total = std::to_string(saturatedSum(result.intOk, result.intChu, result.intNg));
    record.newCount = result.intOk;
    record.existingCount = result.intChu;
    record.duplicateCount = std::to_string(result.intNg);
    record.characters = std::to_string(result.intMoji);
    record.rate = formatRate(result.intMoji, result.intJikan);
    record.playLength = formatPlayLength(result.intJikan);
    return record;
}

void appendPlayRecord(const WorkDir& dir, const PlayResult& result) {
    requireSingleLine({result.date, result.time, result.topic}, kPlayHistoryFileName);
    const PlayRecord record = toPlayRecord(result);
    const std::string line = RecordLine()
                                 .text(record.date)
                                 .text(record.time)
                                 .text(record.topic)
                                 .integer(saturatedSum(result.intOk, result.intChu, result.intNg))
                                 .integer(result.intOk)
                                 .integer(result.intChu)
                                 .integer(result.intNg)
                                 .integer(result.intMoji)
                                 .text(record.rate)
                                 .text(record.playLength)
                                 .finish();
    dir.append(kPlayHistoryFileName, encodeCp932(line));
}

void clearPlayHistoryFile(const WorkDir& dir) {
    dir.truncate(kPlayHistoryFileName);
}

} // namespace wordbloom
