// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"

#include "dialogue/checked_topic.h"
#include "dialogue/messages.h"

namespace wordbloom {

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

void GameSession::forgetKnownAnswers() {
    m_associations.clear();
    m_view.showKnownAnswers(m_associations);
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
