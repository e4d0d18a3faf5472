// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace wordbloom {

// A local date and time of day, as the clock gives it when a record is written.
struct CalendarTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// "yyyy/mm/dd", as the data files store a date: 2024/01/15.
std::string formatDate(const CalendarTime& time);
// "hh:mm:ss", as the data files store a time: 09:05:03.
std::string formatTime(const CalendarTime& time);
// "yy/mm/dd", as the play history shows a date: 24/01/15.
std::string formatShortDate(const CalendarTime& time);
// "hh:mm", as the play history shows a time: 14:30.
std::string formatShortTime(const CalendarTime& time);

// A stored "yyyy/mm/dd" read back; nothing when it is not a valid date.
std::optional<CalendarTime> parseStoredDate(std::string_view text);
// A stored "hh:mm:ss" read back; nothing when it is not a valid time.
std::optional<CalendarTime> parseStoredTime(std::string_view text);

// The game number as the answer log stores it, "000": 001, 012, 1000.
std::string formatGameNumber(std::int16_t number);

// Characters per second over the whole play length, "0.00/秒": two decimals,
// rounded half away from zero on the exact quotient (3 in 40 s is 0.08/秒).
// The play length must be positive.
std::string formatRate(std::int16_t characters, std::int16_t playSeconds);

// The play length as stored, "60秒".
std::string formatPlayLength(std::int16_t playSeconds);

} // namespace wordbloom
