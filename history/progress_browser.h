// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "overall_progress.h"
#include "progress_view.h"
#include "topic_progress.h"

#include "record/prompter.h"
#include "record/work_dir.h"
#include "record/work_runner.h"

#include <string>

namespace wordbloom {

// The progress window (成績): a topic's games, rates, vocabulary and bests,
// and the games of all topics week by week, read from the files each time
// the window is opened so that it always shows the latest saved game.
class ProgressBrowser {
public:
    ProgressBrowser(WorkDir dir, ProgressView& view, Prompter& prompter, WorkRunner& runner);

    // Reads and shows the charts of a topic as the player sees it. A topic
    // that cannot be used, or a file that cannot be read, is reported and
    // nothing is shown. Reading writes nothing.
    void open(const std::string& shownTopic);

private:
    WorkDir m_dir;
    ProgressView& m_view;
    Prompter& m_prompter;
    WorkRunner& m_runner;
    TopicProgress m_topic;
    OverallProgress m_overall;
};

} // namespace wordbloom
