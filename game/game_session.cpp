// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"

#include "dialogue/messages.h"

namespace wordbloom {

GameSession::GameSession(WorkDir dir, Clock& clock, RandomSource& random, GamePanelView& view,
                         Prompter& prompter, const PlaySettings& settings)
    : m_dir(std::move(dir)), m_clock(clock), m_random(random), m_view(view), m_prompter(prompter),
      m_settings(settings) {}

void GameSession::clearBoard() {
    m_view.showAnswerRows(m_answerGrid);
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

} // namespace wordbloom
