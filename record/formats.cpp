// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace wordbloom {

namespace {

std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

// Reads "a<sep>b<sep>c" with one or more digits in each part.
std::optional<std::array<int, 3>> parseThree(std::string_view text, char separator) {
    std::array<int, 3> parts{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t start = pos;
        int value = 0;
        while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && pos - start < 4) {
            value = value * 10 + (text[pos] - '0');
            ++pos;
        }
        if (pos == start) {
            return std::nullopt;
        }
        parts[i] = value;
        if (i + 1 < parts.size()) {
            if (pos >= text.size() || text[pos] != separator) {
                return std::nullopt;
            }
            ++pos;
        }
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return parts;
}

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

} // namespace

std::string formatDate(const CalendarTime& time) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", time.year, time.month, time.day);
    return buffer;
}

std::string formatTime(const CalendarTime& time) {
    return twoDigits(time.hour) + ":" + twoDigits(time.minute) + ":" + twoDigits(time.second);
}

std::string formatShortDate(const CalendarTime& time) {
    return twoDigits(time.year % 100) + "/" + twoDigits(time.month) + "/" + twoDigits(time.day);
}

std::string formatShortTime(const CalendarTime& time) {
    return twoDigits(time.hour) + ":" + twoDigits(time.minute);
}

std::optional<CalendarTime> parseStoredDate(std::string_view text) {
    const auto parts = parseThree(text, '/');
    if (!parts) {
        return std::nullopt;
    }
    const auto [year, month, day] = *parts;
    if (year < 100 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month)) {
        return std::nullopt;
    }
    CalendarTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    return time;
}

std::optional<CalendarTime> parseStoredTime(std::string_view text) {
    const auto parts = parseThree(text, ':');
    if (!parts) {
        return std::nullopt;
    }
    const auto [hour, minute, second] = *parts;
    if (hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    CalendarTime time;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

std::string formatGameNumber(std::int16_t number) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%03d", static_cast<int>(number));
    return buffer;
}

std::string formatRate(std::int16_t characters, std::int16_t playSeconds) {
    if (playSeconds <= 0) {
        throw std::invalid_argument("the play length must be positive");
    }
    const long numerator = static_cast<long>(characters) * 100;
    const long denominator = playSeconds;
    const long magnitude = (2 * std::labs(numerator) + denominator) / (2 * denominator);
    const bool negative = numerator < 0 && magnitude != 0;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%s%ld.%02ld", negative ? "-" : "", magnitude / 100,
                  magnitude % 100);
    return std::string(buffer) + "/秒";
}

std::string formatPlayLength(std::int16_t playSeconds) {
    return std::to_string(playSeconds) + "秒";
}

} // namespace wordbloom
