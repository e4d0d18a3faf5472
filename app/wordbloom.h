// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/clock.h"
#include "game/game_session.h"
#include "game/play_settings.h"
#include "game/random_source.h"
#include "game_view.h"
#include "history/play_history_browser.h"
#include "history/progress_browser.h"
#include "history/topic_panel.h"
#include "dialogue/prompter.h"
#include "record/work_dir.h"
#include "dialogue/work_runner.h"

#include <cstddef>
#include <filesystem>

namespace wordbloom {

// The whole game without its window: the settings, the game on the game
// panel, the play history and the topic panel, put together, with start-up
// and the few actions that concern two of them at once. The window binds
// each control to a verb of one of these.
class Wordbloom {
public:
    Wordbloom(const WorkDir& dir, Clock& clock, RandomSource& random, GameView& view,
              Prompter& prompter, WorkRunner& runner);

    // Starts reading the play history, so that it can go on while the window
    // builds its controls.
    void beginStartUp();

    // Start-up, up to showing the window, in this order: the topic panel is
    // hidden and the board cleared; the play history is shown; the settings
    // are read; the topic list is read, each topic that cannot be used
    // reported; the first topic is shown. A data file that cannot be used
    // throws FileError; the window reports it and the program ends.
    void startUp();

    PlaySettings& settings() { return m_settings; }
    GameSession& game() { return m_game; }
    PlayHistoryBrowser& history() { return m_history; }
    TopicPanel& topicPanel() { return m_topicPanel; }
    ProgressBrowser& progress() { return m_progress; }
    const GameSession& game() const { return m_game; }

    // A click on a play history row (counted from 0) makes its topic the
    // shown one.
    void takeTopicOfHistoryRow(std::size_t row);
    // Opens the topic panel on the shown topic.
    void openTopicPanel();
    // Closes the topic panel; when it showed no known answers (its topic was
    // cleared), the game panel's known answers go too.
    void closeTopicPanel();
    // Opens the progress window on the topic of a play history row; nothing
    // for a row that is not there.
    void openProgressOfHistoryRow(std::size_t row);
    // Opens the progress window on the topic the player sees: the topic
    // panel's while it is open, else the game panel's.
    void openProgressOfDisplayedTopic();

    // Brings the data of a folder or an archive into the data folder, after
    // a box has shown what changes and the player agreed; refused while a
    // countdown or a game runs. The window then shows the merged data.
    void importData(const std::filesystem::path& source);

private:
    // The usable topics of the topic list; each one that cannot be used is
    // reported when `report`.
    std::vector<std::string> loadTopics(bool report = true);
    // The play history, the settings, both topic lists and the known answers
    // read again after an import.
    void showImportedData();

    WorkDir m_dir;
    Clock& m_clock;
    GameView& m_view;
    Prompter& m_prompter;
    WorkRunner& m_runner;
    PlaySettings m_settings;
    GameSession m_game;
    PlayHistoryBrowser m_history;
    TopicPanel m_topicPanel;
    ProgressBrowser m_progress;
};

} // namespace wordbloom
