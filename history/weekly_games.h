// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace wordbloom {

// The games played in one week, Monday to Sunday.
struct WeekOfPlay {
    std::string monday; // "yyyy/mm/dd"
    std::size_t games = 0;
};

// The longest stretch of weeks charted: thirty years. A date far from the
// others (a clock set to 1900, a hand-edited year) would otherwise stretch the
// chart over a century of empty weeks.
inline constexpr int kLongestWeekSpan = 30 * 52 + 6;

struct WeeklyGames {
    // Every week from the first charted game's to the last one's, empty weeks
    // included so that the time axis is even.
    std::vector<WeekOfPlay> weeks;
    // Games left out because no stretch of kLongestWeekSpan weeks holds them
    // together with most of the others.
    std::size_t gamesOutside = 0;
};

// The games of the given days (days from 1970/01/01, in any order) week by
// week. When they span more than kLongestWeekSpan weeks, the stretch that
// holds the most games is charted, the latest such stretch on a tie.
WeeklyGames weeklyGames(std::vector<int> days);

} // namespace wordbloom
