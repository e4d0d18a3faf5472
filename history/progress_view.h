// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game_close_up.h"
#include "overall_progress.h"
#include "topic_progress.h"

#include <string>

namespace wordbloom {

// What the progress browser shows in the progress window (成績). The content
// is passed as the browser's own, valid until the next call.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    // Opens the window, or brings it to the front, on the charts of one topic
    // (as the player sees it) and those of all topics.
    virtual void showProgress(const std::string& topic, const TopicProgress& topicProgress,
                              const OverallProgress& overallProgress) = 0;
    // Shows one game of the topic's answer log looked at closely.
    virtual void showGameCloseUp(const GameCloseUp& closeUp) = 0;
    // Shows that a saved game (by its place among the topic's saved games)
    // has no game in the answer log to look at.
    virtual void showUnloggedGame(std::size_t savedGame) = 0;
};

} // namespace wordbloom
