// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_session.h"
#include "dialogue/checked_topic.h"
#include "record/code_page.h"
#include "record/formats.h"
#include "dialogue/messages.h"

#include <algorithm>

namespace wordbloom {

namespace {

std::string withoutLineBreaks(const std::string& typed) {
    std::string text = typed;
    std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
    return text;
}

} // namespace

bool GameSession::submitAnswer(const std::string& typed) {
    const std::string entered = withoutLineBreaks(typed);
    if (entered.empty()) {
        return false;
    }
    const auto usable = checkedTopic(m_prompter, m_view.shownTopic());
    if (!usable) {
        return true;
    }
    const std::string& topic = *usable;
    // The answer is judged and kept in the form it will have when it comes
    // back from the files, so it matches itself in later games.
    const std::string answer = roundTripForm(entered);
    const AnswerKind kind = judgeAnswer(answer, m_answerGrid.answers(), m_associations);

    std::vector<std::pair<FileError, const char*>> failures;
    switch (kind) {
    case AnswerKind::Duplicate:
        m_state.duplicateAnswers = saturatingAdd(m_state.duplicateAnswers, 1);
        break;
    case AnswerKind::Existing:
        m_state.existingAnswers = saturatingAdd(m_state.existingAnswers, 1);
        break;
    case AnswerKind::New:
        m_state.newAnswers = saturatingAdd(m_state.newAnswers, 1);
        try {
            appendAssociation(m_dir, topic, answer);
        } catch (const FileError& error) {
            failures.emplace_back(error, failed::kNewAnswerToList);
        }
        m_associations.append(answer);
        m_view.knownAnswerAdded(m_associations);
        break;
    }

    m_answerGrid.add(answer, kind);
    m_view.answerRowAdded(m_answerGrid);
    if (const auto top = m_answerGrid.rowBringingNewestIntoView()) {
        m_view.setAnswerGridTopRow(*top);
    }

    const CalendarTime now = m_clock.now();
    try {
        appendAnswerLogRecord(
            m_dir, topic,
            {formatDate(now), formatTime(now), formatGameNumber(m_state.gameNumber), answer});
    } catch (const FileError& error) {
        failures.emplace_back(error, failed::kAnswerToLog);
    }

    showCounters();
    m_state.characters =
        saturatingAdd(m_state.characters, static_cast<std::int64_t>(utf16Length(entered)));
    m_view.clearAnswerBox();

    for (const auto& [error, context] : failures) {
        reportFileError(error, context);
    }
    return true;
}

} // namespace wordbloom
