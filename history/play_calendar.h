// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

namespace wordbloom {

// Days are counted from 1970/01/01, as in calendar_days.h.

// A day on which games were saved.
struct PlayDay {
    int day = 0;
    std::size_t games = 0;
};

// Days in a row, each with a game, from `first` to `last`.
struct Streak {
    int first = 0;
    int last = 0;
    int days() const { return last - first + 1; }
};

// The days played across all topics.
struct PlayCalendar {
    std::vector<PlayDay> days; // oldest first
    // The longest streak; of streaks as long, the latest.
    std::optional<Streak> longest;
    // Once today is known: the streak that reaches today, or yesterday while
    // today may still be played.
    std::optional<int> today;
    std::optional<Streak> current;
};

// The calendar of the days of the saved games, one day per game, in any order.
PlayCalendar playCalendar(std::vector<int> gameDays);

// Tells the calendar which day is today, and with it the current streak.
void setToday(PlayCalendar& calendar, int today);

// The games of each day of a year, 1 January first.
std::vector<std::size_t> gamesOfYear(const PlayCalendar& calendar, int year);

// The year a day falls in, the day of its 1 January, and of the first of one
// of its months (1 to 12).
int yearOfDay(int day);
int firstDayOfYear(int year);
int firstDayOfMonth(int year, int month);

} // namespace wordbloom
