// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"
#include "dialogue/checked_topic.h"
#include "record/formats.h"
#include "dialogue/messages.h"

namespace wordbloom {

void GameSession::save() {
    const bool nothingJudged =
        m_state.newAnswers == 0 && m_state.existingAnswers == 0 && m_state.duplicateAnswers == 0;
    if (nothingJudged || m_state.playClockRunning() || m_state.countingDown()) {
        return;
    }
    const auto topic = checkedTopic(m_prompter, m_view.shownTopic());
    if (!topic) {
        return;
    }
    const CalendarTime now = m_clock.now();
    const PlayResult result{formatDate(now),    formatTime(now),         *topic,
                            m_state.newAnswers, m_state.existingAnswers, m_state.duplicateAnswers,
                            m_state.characters, lengthOfGame()};
    // The file comes first: the grid shows a game only once it is stored.
    try {
        appendPlayRecord(m_dir, result);
    } catch (const FileError& error) {
        reportFileError(error, failed::kSaveGame);
        return;
    }
    if (m_saved) {
        m_saved(toPlayRecord(result));
    }
}

} // namespace wordbloom
