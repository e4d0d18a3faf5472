// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game_close_up.h"
#include "overall_progress.h"
#include "progress_view.h"
#include "topic_progress.h"

#include "record/formats.h"
#include "dialogue/prompter.h"
#include "record/work_dir.h"
#include "dialogue/work_runner.h"

#include <string>

namespace wordbloom {

// The progress window (成績): a topic's games, rates, vocabulary and bests,
// one game looked at closely, and the games of all topics week by week and
// day by day, read from the files each time the window is opened so that it
// always shows the latest saved game.
class ProgressBrowser {
public:
    ProgressBrowser(WorkDir dir, ProgressView& view, Prompter& prompter, WorkRunner& runner);

    // Reads and shows the charts of a topic as the player sees it, with the
    // topic's latest game looked at closely; `today` ends the current streak
    // of days played. A topic that cannot be used, or a file that cannot be
    // read, is reported and nothing is shown. Reading writes nothing.
    void open(const std::string& shownTopic, const CalendarTime& today);

    // Looks closely at a game of the answer log (by its place among the log's
    // games), or at the game a saved game belongs to, from what was read when
    // the window opened. A place that is not there is ignored.
    void lookAtLoggedGame(std::size_t game);
    void lookAtSavedGame(std::size_t savedGame);

private:
    WorkDir m_dir;
    ProgressView& m_view;
    Prompter& m_prompter;
    WorkRunner& m_runner;
    TopicProgress m_topic;
    OverallProgress m_overall;
    GameCloseUp m_closeUp;
};

} // namespace wordbloom
