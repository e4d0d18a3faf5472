// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"
#include "dialogue/checked_topic.h"
#include "dialogue/messages.h"

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

void GameSession::pickTopic() {
    if (!showKnownAnswersOfShownTopic()) {
        return;
    }
    // The focus cannot go to a disabled button during a countdown or a game.
    if (m_startEnabled) {
        m_view.focusStartButton();
    }
}

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

void GameSession::showKnownAnswers() {
    showKnownAnswersOfShownTopic();
}

bool GameSession::showKnownAnswersOfShownTopic() {
    const auto topic = checkedTopic(m_prompter, m_view.shownTopic());
    if (!topic) {
        return false;
    }
    // A list that cannot be read leaves none shown, as for a topic without
    // files, rather than the answers of the topic shown before.
    if (!loadKnownAnswers(*topic)) {
        forgetKnownAnswers();
    }
    m_view.setKnownAnswersVisible(true);
    return true;
}

void GameSession::hideKnownAnswers() {
    m_view.setKnownAnswersVisible(false);
}

void GameSession::takeTopic(const std::string& shown) {
    const auto topic = checkedTopic(m_prompter, shown);
    if (!topic) {
        return;
    }
    if (loadKnownAnswers(*topic)) {
        m_view.showTopic(*topic);
    }
}

void GameSession::takeTopicList(std::vector<std::string> topics) {
    m_topics = std::move(topics);
    m_view.setTopicList(m_topics);
    if (m_view.shownTopic().empty() && !m_topics.empty()) {
        m_view.showTopic(m_topics.front());
    }
    auto shown = checkTopic(m_view.shownTopic());
    const auto* topic = std::get_if<std::string>(&shown);
    // Reading the list makes it when it is missing: a topic never played
    // keeps no files.
    if (topic != nullptr && m_dir.exists(associationListFileName(*topic))) {
        loadKnownAnswers(*topic);
    }
}

void GameSession::forgetKnownAnswers() {
    m_associations.clear();
    m_view.showKnownAnswers(m_associations);
}

void GameSession::resetForNewGame(bool emptyTopicBox) {
    m_state.characters = 0;
    m_view.clearAnswerBox();
    if (emptyTopicBox) {
        m_view.showTopic("");
    }
    m_state.phase = Phase::CountingDown;
    m_view.setBarWidth(m_state.barFullWidth);
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
    m_gameAnswers.clear();
    m_view.clearAnswerGrid();
    m_associations.assign(std::move(files.associations));
    m_view.showKnownAnswers(m_associations);
    m_state.gameNumber = nextGameNumber(files.lastAnswer, m_clock.now());
    m_view.clearAnswerBox();
}

bool GameSession::loadKnownAnswers(const std::string& topic) {
    try {
        m_associations.assign(readAssociationList(m_dir, topic));
    } catch (const FileError& error) {
        reportFileError(error, failed::kReadTopicFiles);
        return false;
    }
    m_view.showKnownAnswers(m_associations);
    return true;
}

} // namespace wordbloom
