// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogue/prompter.h"
#include "record/work_dir.h"
#include "dialogue/work_runner.h"
#include "topic_history.h"
#include "topic_panel_view.h"

#include <string>
#include <vector>

namespace wordbloom {

// The topic history panel: one topic's known answers and every answer it
// was given, and the clearing of that topic's data.
class TopicPanel {
public:
    TopicPanel(WorkDir dir, TopicPanelView& view, Prompter& prompter, WorkRunner& runner);

    // Start-up: the panel is hidden and its topic box lists the topics.
    void prepare(const std::vector<std::string>& topics);

    // Opens the panel on a topic, shown in the panel's topic box.
    void open(const std::string& topic);
    // The panel's topic box was picked from: the panel shows that topic.
    void pickTopic();
    // While the panel is open, it reads its topic's files again (after they
    // changed).
    void showAgain();
    // Hides the panel. True when the panel showed no known answers, so that
    // the game panel forgets the ones it shows, as after a clearing.
    bool close();
    void hide();
    // Empties the panel topic's two files after the player confirms.
    void clearTopicData();

    const TopicHistory& content() const { return m_content; }
    bool isOpen() const { return m_open; }

private:
    // Loads and shows a checked topic, in the form the files keep it.
    void show(const std::string& topic);

    WorkDir m_dir;
    TopicPanelView& m_view;
    Prompter& m_prompter;
    WorkRunner& m_runner;
    TopicHistory m_content;
    bool m_open = false;
};

} // namespace wordbloom
