// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/game_close_up.h"
#include "history/topic_progress.h"

#include <QString>

class QChart;

namespace wordbloom {

// The charts of a game looked at closely and of a topic's favourite answers.
// Each returns a new chart for a QChartView to own; the description gives
// its figures in words for screen readers.

// Answers per 10 seconds of the game, from its first answer.
QChart* paceChart(const AnswerPace& pace);
QString paceDescription(const AnswerPace& pace);

// The topic's answers given most often, most at the top, with their counts.
QChart* favouritesChart(const TopicProgress& progress);
QString favouritesDescription(const TopicProgress& progress);

// The characters of an answer a chart's label or a list shows.
inline constexpr std::size_t kAnswerLabelCharacters = 16;

} // namespace wordbloom
