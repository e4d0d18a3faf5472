// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_days.h"

#include "record/formats.h"

#include <chrono>

namespace wordbloom {

namespace {

using std::chrono::sys_days;

sys_days toSysDays(int day) {
    return sys_days(std::chrono::days(day));
}

} // namespace

std::optional<int> dayOfStoredDate(std::string_view text) {
    const auto date = parseStoredDate(text);
    if (!date) {
        return std::nullopt;
    }
    const std::chrono::year_month_day calendar{
        std::chrono::year(date->year), std::chrono::month(static_cast<unsigned>(date->month)),
        std::chrono::day(static_cast<unsigned>(date->day))};
    return static_cast<int>(sys_days(calendar).time_since_epoch().count());
}

int mondayOf(int day) {
    const std::chrono::weekday weekday(toSysDays(day));
    return day - static_cast<int>(weekday.iso_encoding() - 1);
}

std::string storedDateOf(int day) {
    const std::chrono::year_month_day calendar(toSysDays(day));
    CalendarTime date;
    date.year = static_cast<int>(calendar.year());
    date.month = static_cast<int>(static_cast<unsigned>(calendar.month()));
    date.day = static_cast<int>(static_cast<unsigned>(calendar.day()));
    return formatDate(date);
}

} // namespace wordbloom
