// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "play_calendar.h"
#include "weekly_games.h"

#include "record/play_history_file.h"

#include <string>
#include <vector>

namespace wordbloom {

// How many games were played on one topic.
struct TopicPlayCount {
    std::string topic;
    std::size_t games = 0;
};

// The topics the most played charts show.
inline constexpr std::size_t kMostPlayedTopicCount = 10;

// Everything the progress charts show across all topics.
struct OverallProgress {
    // Games per week, from the first week played to the last, empty weeks
    // included.
    std::vector<WeekOfPlay> weeks;
    // The topics with the most games, most first; of topics with as many
    // games, the one that comes first in 履歴.txt comes first. Every saved game
    // counts here, also one whose date cannot be read.
    std::vector<TopicPlayCount> mostPlayedTopics;
    // The days played, every game with a date that can be read.
    PlayCalendar calendar;

    std::size_t unreadableDates = 0;     // games left out of the weeks for their date
    std::size_t gamesOutsideWeeks = 0;   // games too far in time from the others to chart
    std::size_t skippedHistoryLines = 0; // lines of 履歴.txt that could not be read
};

// The charts across all topics from the play history, with at most
// `topicCount` most played topics.
OverallProgress overallProgress(const PlayHistory& history,
                                std::size_t topicCount = kMostPlayedTopicCount);

} // namespace wordbloom
