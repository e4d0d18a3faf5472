// SPDX-License-Identifier: GPL-3.0-or-later
#include "vocabulary_growth.h"

#include "field_texts.h"

namespace wordbloom {

namespace {

using Field = AnswerLogFormat::Field;

bool sameGame(const AnswerLogFormat::Fields& record, const AnswerLogFormat::Fields& previous) {
    return sameFieldText(record[Field::Date], previous[Field::Date]) &&
           sameFieldText(record[Field::GameNumber], previous[Field::GameNumber]);
}

} // namespace

void VocabularyGrowth::add(const AnswerLogFormat::Fields& record) {
    if (m_points.empty() || !sameGame(record, m_previous)) {
        countGameEnded();
        m_points.push_back({record[Field::Date].text(), record[Field::GameNumber].text(), 0});
    }
    std::string made;
    m_answers.add(fieldText(record[Field::Answer], made));
    m_previous = record;
}

std::vector<VocabularyPoint> VocabularyGrowth::points() && {
    countGameEnded();
    return std::move(m_points);
}

// A game's count is taken once it has ended, so that the answers of a game
// are looked up together.
void VocabularyGrowth::countGameEnded() {
    if (!m_points.empty()) {
        m_points.back().differentAnswers = m_answers.count();
    }
}

} // namespace wordbloom
