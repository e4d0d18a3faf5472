// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"

#include "dialogue/checked_topic.h"

namespace wordbloom {

void GameSession::pickTopic() {
    if (!showKnownAnswersOfShownTopic()) {
        return;
    }
    // The focus cannot go to a disabled button during a countdown or a game.
    if (m_startEnabled) {
        m_view.focusStartButton();
    }
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

} // namespace wordbloom
