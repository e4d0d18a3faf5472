// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary_growth.h"

namespace wordbloom {

std::vector<VocabularyPoint> vocabularyGrowth(const TopicAnswerLog& log) {
    const std::vector<LoggedGame>& games = log.games();
    std::vector<VocabularyPoint> points;
    points.reserve(games.size());
    for (std::size_t i = 0; i < games.size(); ++i) {
        // What the next game knew before it is what this one left.
        const std::size_t after =
            i + 1 < games.size() ? games[i + 1].knownBefore : log.differentAnswers();
        points.push_back({games[i].date, games[i].gameNumber, after});
    }
    return points;
}

} // namespace wordbloom
