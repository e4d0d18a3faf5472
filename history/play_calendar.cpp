// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_calendar.h"

#include <algorithm>
#include <chrono>

namespace wordbloom {

namespace {

// The streak that holds `day`, if it was played.
std::optional<Streak> streakHolding(const std::vector<PlayDay>& days, int day) {
    auto at = std::lower_bound(days.begin(), days.end(), day,
                               [](const PlayDay& each, int wanted) { return each.day < wanted; });
    if (at == days.end() || at->day != day) {
        return std::nullopt;
    }
    auto first = at;
    while (first != days.begin() && std::prev(first)->day == first->day - 1) {
        --first;
    }
    auto last = at;
    while (std::next(last) != days.end() && std::next(last)->day == last->day + 1) {
        ++last;
    }
    return Streak{first->day, last->day};
}

} // namespace

PlayCalendar playCalendar(std::vector<int> gameDays) {
    if (!std::is_sorted(gameDays.begin(), gameDays.end())) {
        std::sort(gameDays.begin(), gameDays.end());
    }
    PlayCalendar calendar;
    std::optional<Streak> run;
    for (const int day : gameDays) {
        if (!calendar.days.empty() && calendar.days.back().day == day) {
            ++calendar.days.back().games;
            continue;
        }
        calendar.days.push_back({day, 1});
        run = run && run->last == day - 1 ? Streak{run->first, day} : Streak{day, day};
        if (!calendar.longest || run->days() >= calendar.longest->days()) {
            calendar.longest = run;
        }
    }
    return calendar;
}

void setToday(PlayCalendar& calendar, int today) {
    calendar.today = today;
    calendar.current = streakHolding(calendar.days, today);
    if (!calendar.current) {
        calendar.current = streakHolding(calendar.days, today - 1);
    }
}

std::vector<std::size_t> gamesOfYear(const PlayCalendar& calendar, int year) {
    const int first = firstDayOfYear(year);
    std::vector<std::size_t> games(static_cast<std::size_t>(firstDayOfYear(year + 1) - first));
    auto at = std::lower_bound(calendar.days.begin(), calendar.days.end(), first,
                               [](const PlayDay& each, int wanted) { return each.day < wanted; });
    for (; at != calendar.days.end() && at->day - first < static_cast<int>(games.size()); ++at) {
        games[static_cast<std::size_t>(at->day - first)] = at->games;
    }
    return games;
}

int yearOfDay(int day) {
    const std::chrono::sys_days date{std::chrono::days(day)};
    return static_cast<int>(std::chrono::year_month_day(date).year());
}

int firstDayOfYear(int year) {
    return firstDayOfMonth(year, 1);
}

int firstDayOfMonth(int year, int month) {
    const std::chrono::sys_days date =
        std::chrono::year(year) / std::chrono::month(static_cast<unsigned>(month)) / 1;
    return static_cast<int>(date.time_since_epoch().count());
}

} // namespace wordbloom
