// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_browser.h"

#include "calendar_days.h"
#include "progress_reading.h"

#include "dialogue/checked_topic.h"
#include "record/file_error.h"
#include "dialogue/messages.h"

namespace wordbloom {

ProgressBrowser::ProgressBrowser(WorkDir dir, ProgressView& view, Prompter& prompter,
                                 WorkRunner& runner)
    : m_dir(std::move(dir)), m_view(view), m_prompter(prompter), m_runner(runner) {}

void ProgressBrowser::open(const std::string& shownTopic, const CalendarTime& today) {
    const auto topic = checkedTopic(m_prompter, shownTopic);
    if (!topic) {
        return;
    }
    Progress read;
    GameCloseUp latest;
    try {
        m_runner.run(kLoadingProgress, [&] {
            read = readProgress(m_dir, *topic);
            const std::size_t games = read.topic.answerLog.games().size();
            if (games > 0) {
                latest = closeUp(read.topic.answerLog, games - 1);
            }
        });
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, failed::kReadProgress));
        return;
    }
    m_topic = std::move(read.topic);
    m_overall = std::move(read.overall);
    m_closeUp = std::move(latest);
    if (const auto day = dayOfStoredDate(formatDate(today))) {
        setToday(m_overall.calendar, *day);
    }
    m_view.showProgress(shownTopic, m_topic, m_overall);
    if (!m_topic.answerLog.games().empty()) {
        m_view.showGameCloseUp(m_closeUp);
    }
}

void ProgressBrowser::lookAtLoggedGame(std::size_t game) {
    if (game >= m_topic.answerLog.games().size()) {
        return;
    }
    m_closeUp = closeUp(m_topic.answerLog, game);
    m_view.showGameCloseUp(m_closeUp);
}

void ProgressBrowser::lookAtSavedGame(std::size_t savedGame) {
    const auto& logged = m_topic.savedLinks.loggedGameOfSaved;
    if (savedGame >= logged.size()) {
        return;
    }
    if (logged[savedGame]) {
        lookAtLoggedGame(*logged[savedGame]);
    } else {
        m_view.showUnloggedGame(savedGame);
    }
}

} // namespace wordbloom
