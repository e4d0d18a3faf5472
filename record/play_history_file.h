// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record_lines.h"
#include "record_text.h"
#include "work_dir.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wordbloom {

inline constexpr const char* kPlayHistoryFileName = "履歴.txt";

// One saved game, as "履歴.txt" stores it.
struct PlayRecord {
    std::string date; // "yyyy/mm/dd"
    std::string time; // "hh:mm:ss"
    std::string topic;
    std::string total; // new + existing + duplicate, kept as the digits stored
    std::int16_t newCount = 0;
    std::int16_t existingCount = 0;
    std::string duplicateCount;
    std::string characters;
    std::string rate;       // "0.67/秒"
    std::string playLength; // "60秒"
};

// How a play record stands in a line of "履歴.txt".
struct PlayRecordFormat {
    using Record = PlayRecord;
    // Where each field stands in the line.
    enum Field : std::size_t {
        Date,
        Time,
        Topic,
        Total,
        NewCount,
        ExistingCount,
        DuplicateCount,
        Characters,
        Rate,
        PlayLength,
        FieldCount
    };
    using Fields = std::array<RawField, FieldCount>;

    // A whole record whose new and existing counts are 16-bit numbers.
    static bool isWhole(std::string_view line);
    static PlayRecord read(std::string_view line);
    // The fields of a whole line as they stand in it, without copying a byte.
    static Fields fields(std::string_view line);
    // The same, or nothing for a line that holds no whole record.
    static std::optional<Fields> wholeFields(std::string_view line);
    static std::string line(const PlayRecord& record);
};

using PlayRecords = RecordList<PlayRecordFormat>;

struct PlayHistory {
    PlayRecords records;          // oldest first
    std::size_t skippedLines = 0; // short, torn or unreadable records left out
};

// Reads every whole record of "履歴.txt". A short or torn record, or one whose
// new and existing counts are not 16-bit numbers, is skipped: the rest of the
// history still loads. A missing file throws FileError FileNotFound.
PlayHistory readPlayHistory(const WorkDir& dir);

// The same, except that a missing file reads as an empty history and nothing
// is created.
PlayHistory readPlayHistoryIfPresent(const WorkDir& dir);

// What a save appends: the counts and the play length of the game.
struct PlayResult {
    std::string date; // "yyyy/mm/dd"
    std::string time; // "hh:mm:ss"
    std::string topic;
    std::int16_t newAnswers = 0;
    std::int16_t existingAnswers = 0;
    std::int16_t duplicateAnswers = 0;
    std::int16_t characters = 0;
    std::int16_t playLength = 0;
};

// The record a save appends, with its total, rate and play length worked out.
PlayRecord toPlayRecord(const PlayResult& result);

// Appends one record to "履歴.txt" (creating it). A text holding CR or LF is
// refused.
void appendPlayRecord(const WorkDir& dir, const PlayResult& result);

// Empties "履歴.txt" to zero bytes, creating it when missing.
void clearPlayHistoryFile(const WorkDir& dir);

} // namespace wordbloom
