// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"

#include "dialogue/checked_topic.h"
#include "record/formats.h"
#include "dialogue/messages.h"

namespace wordbloom {

GameSession::GameSession(WorkDir dir, Clock& clock, RandomSource& random, GamePanelView& view,
                         Prompter& prompter, const PlaySettings& settings)
    : m_dir(std::move(dir)), m_clock(clock), m_random(random), m_view(view), m_prompter(prompter),
      m_settings(settings) {}

void GameSession::clearBoard() {
    m_view.clearAnswerGrid();
    m_view.clearAnswerBox();
    for (const ResultLabel label : {ResultLabel::New, ResultLabel::Duplicate, ResultLabel::Existing,
                                    ResultLabel::Characters, ResultLabel::Rate}) {
        m_view.setResultText(label, "");
    }
}

void GameSession::prepare(std::vector<std::string> topics) {
    m_topics = std::move(topics);
    m_view.setTopicList(m_topics);
    m_view.showTopic(m_topics.empty() ? std::string() : m_topics.front());
    m_view.chooseKnownAnswersOption(false);
    hideKnownAnswers();
    m_state.barFullWidth = static_cast<std::int16_t>(m_view.barLayoutWidth());
}

void GameSession::showCounters() {
    m_view.setResultText(ResultLabel::New, std::to_string(m_state.newAnswers));
    m_view.setResultText(ResultLabel::Existing, std::to_string(m_state.existingAnswers));
    m_view.setResultText(ResultLabel::Duplicate, std::to_string(m_state.duplicateAnswers));
}

void GameSession::setStartEnabled(bool enabled) {
    m_startEnabled = enabled;
    m_view.setStartEnabled(enabled);
}

std::int16_t GameSession::lengthOfGame() const {
    return m_state.gameLength > 0 ? m_state.gameLength : m_settings.playLength();
}

void GameSession::reportFileError(const FileError& error, const std::string& context) {
    m_prompter.ask(fileErrorMessage(error, context));
}

std::int16_t nextGameNumber(const std::optional<AnswerLogRecord>& last, const CalendarTime& today) {
    if (!last || last->date != formatDate(today)) {
        return 1;
    }
    std::int16_t number = 0;
    for (const char c : last->gameNumber) {
        if (c < '0' || c > '9') {
            break;
        }
        number = saturatingAdd(saturatingAdd(number, 9 * std::int64_t{number}), c - '0');
    }
    return saturatingAdd(number, 1);
}

} // namespace wordbloom
