// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/overall_progress.h"
#include "history/topic_progress.h"

#include <QString>
#include <cstddef>

class QChart;

namespace wordbloom {

// The charts of the progress window, made from the numbers the core worked
// out. Each returns a new chart for a QChartView to own. An empty chart
// carries a short note as its title.

// The games of one topic from `first`, at most `count` of them: 新, 既 and 重
// stacked, the rate as a line on an axis of its own, and the topic's bests
// marked where they fall among these games.
QChart* topicGamesChart(const TopicProgress& progress, std::size_t first, std::size_t count);

// How many different answers the topic had after each game of its answer log.
QChart* vocabularyChart(const TopicProgress& progress);

// Games per week across all topics.
QChart* weeklyGamesChart(const OverallProgress& progress);

// The topics played most, most at the top.
QChart* mostPlayedChart(const OverallProgress& progress);

// One line on the topic's bests: the most 新 in one game and the best rate,
// each with its date; empty when the topic has no games.
QString bestsSummary(const TopicProgress& progress);

} // namespace wordbloom
