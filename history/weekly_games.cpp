// SPDX-License-Identifier: GPL-3.0-or-later
#include "weekly_games.h"

#include "calendar_days.h"

#include <algorithm>

namespace wordbloom {

namespace {

constexpr int kDaysInWeek = 7;

struct Stretch {
    std::size_t first = 0; // index of its first Monday among the sorted ones
    std::size_t count = 0;
};

// Among Mondays in order, the run spanning at most kLongestWeekSpan weeks that
// holds the most games; the latest on a tie.
Stretch fullestStretch(const std::vector<int>& mondays) {
    Stretch best;
    std::size_t first = 0;
    for (std::size_t last = 0; last < mondays.size(); ++last) {
        while (mondays[last] - mondays[first] >= kLongestWeekSpan * kDaysInWeek) {
            ++first;
        }
        if (last - first + 1 >= best.count) {
            best = {first, last - first + 1};
        }
    }
    return best;
}

} // namespace

WeeklyGames weeklyGames(std::vector<int> days) {
    WeeklyGames result;
    if (days.empty()) {
        return result;
    }
    for (int& day : days) {
        day = mondayOf(day);
    }
    if (!std::is_sorted(days.begin(), days.end())) {
        std::sort(days.begin(), days.end());
    }
    const Stretch stretch = fullestStretch(days);
    result.gamesOutside = days.size() - stretch.count;
    const int firstMonday = days[stretch.first];
    const int lastMonday = days[stretch.first + stretch.count - 1];
    const int weekCount = (lastMonday - firstMonday) / kDaysInWeek + 1;
    result.weeks.resize(static_cast<std::size_t>(weekCount));
    for (int week = 0; week < weekCount; ++week) {
        result.weeks[static_cast<std::size_t>(week)].monday =
            storedDateOf(firstMonday + week * kDaysInWeek);
    }
    for (std::size_t i = stretch.first; i < stretch.first + stretch.count; ++i) {
        ++result.weeks[static_cast<std::size_t>((days[i] - firstMonday) / kDaysInWeek)].games;
    }
    return result;
}

} // namespace wordbloom
