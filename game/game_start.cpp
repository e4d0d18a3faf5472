// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"

#include "dialogue/checked_topic.h"
#include "dialogue/messages.h"
#include "record/formats.h"

#include <cmath>

namespace wordbloom {

namespace {

// Picks entry floor(n × r) in single precision, as the draw always has; the
// last entry also takes the rare r that rounds n × r up to n.
std::size_t drawIndex(std::size_t count, float r) {
    const auto k = static_cast<std::size_t>(std::floor(static_cast<float>(count) * r));
    return std::min(k, count - 1);
}

} // namespace

void GameSession::startWithRandomTopic() {
    if (m_topics.empty()) {
        m_prompter.ask(noTopicsMessage());
        return;
    }
    const auto topic =
        checkedTopic(m_prompter, m_topics[drawIndex(m_topics.size(), m_random.nextUniform())]);
    if (!topic) {
        return;
    }
    // The files are read before anything is reset, so that a start that
    // cannot read them leaves the previous game exactly as it was.
    auto files = readTopicFiles(*topic);
    if (!files) {
        return;
    }
    resetForNewGame(true);
    m_view.showTopic(*topic);
    loadTopic(std::move(*files));
    setStartEnabled(false);
}

void GameSession::startWithShownTopic() {
    const auto topic = checkedTopic(m_prompter, m_view.shownTopic());
    if (!topic) {
        return;
    }
    auto files = readTopicFiles(*topic);
    if (!files) {
        return;
    }
    resetForNewGame(false);
    setStartEnabled(false);
    loadTopic(std::move(*files));
}

void GameSession::resetForNewGame(bool emptyTopicBox) {
    m_state.characters = 0;
    m_view.clearAnswerBox();
    if (emptyTopicBox) {
        m_view.showTopic("");
    }
    m_state.phase = Phase::CountingDown;
    m_view.showFullTime();
    for (const ResultLabel label : {ResultLabel::New, ResultLabel::Existing, ResultLabel::Duplicate,
                                    ResultLabel::Characters, ResultLabel::Rate}) {
        m_view.setResultText(label, "");
    }
    m_state.newAnswers = 0;
    m_state.existingAnswers = 0;
    m_state.duplicateAnswers = 0;
    showCounters();
}

std::optional<GameSession::TopicFiles> GameSession::readTopicFiles(const std::string& topic) {
    try {
        return TopicFiles{readAssociationList(m_dir, topic), readLastAnswerRecord(m_dir, topic)};
    } catch (const FileError& error) {
        // Without the topic's files the game cannot be judged: the start is
        // called off and the player can try again once the file is mended.
        reportFileError(error, failed::kStartWithoutTopicFiles);
        return std::nullopt;
    }
}

void GameSession::loadTopic(TopicFiles files) {
    m_answerGrid.clear();
    m_view.showAnswerRows(m_answerGrid);
    m_associations.assign(std::move(files.associations));
    m_view.showKnownAnswers(m_associations);
    m_state.gameNumber = nextGameNumber(files.lastAnswer, m_clock.now());
    m_view.clearAnswerBox();
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
