// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "distinct_texts.h"

#include "record/topic_files.h"

#include <string>
#include <vector>

namespace wordbloom {

// How many different answers the player had given for a topic after one game.
struct VocabularyPoint {
    std::string date;       // "yyyy/mm/dd", as stored
    std::string gameNumber; // the game number of that day, "001", as stored
    std::size_t differentAnswers = 0;
};

// Follows a topic's answer log record by record, in file order, and makes one
// point per game: a game is a run of records with the same date and game
// number. An answer counts once however often it was given, in one game or in
// many.
class VocabularyGrowth {
public:
    // The next record of the log. The fields of the record before it must
    // still be readable: it tells whether this one begins another game.
    void add(const AnswerLogFormat::Fields& record);

    // The points, once every record has been added.
    std::vector<VocabularyPoint> points() &&;

private:
    void countGameEnded();

    std::vector<VocabularyPoint> m_points;
    DistinctTexts m_answers;
    AnswerLogFormat::Fields m_previous;
};

} // namespace wordbloom
