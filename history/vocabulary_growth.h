// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "topic_answer_log.h"

#include <string>
#include <vector>

namespace wordbloom {

// How many different answers the player had given for a topic after one game.
struct VocabularyPoint {
    std::string date;       // "yyyy/mm/dd", as stored
    std::string gameNumber; // the game number of that day, "001", as stored
    std::size_t differentAnswers = 0;
};

// One point per game of the log, in file order. An answer counts once however
// often it was given, in one game or in many.
std::vector<VocabularyPoint> vocabularyGrowth(const TopicAnswerLog& log);

} // namespace wordbloom
