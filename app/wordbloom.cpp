// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordbloom.h"

#include "dialogue/messages.h"
#include "record/topic_list_file.h"

namespace wordbloom {

namespace {

// Topics of the list that cannot be used get a message box each up to this
// many; the rest are counted in one last box.
constexpr std::size_t kRejectedTopicBoxes = 5;

} // namespace

Wordbloom::Wordbloom(const WorkDir& dir, Clock& clock, RandomSource& random, GameView& view,
                     Prompter& prompter, WorkRunner& runner)
    : m_dir(dir), m_clock(clock), m_view(view), m_prompter(prompter), m_runner(runner),
      m_settings(dir, view, prompter), m_game(dir, clock, random, view, prompter, m_settings),
      m_history(dir, view, prompter, runner), m_topicPanel(dir, view, prompter, runner),
      m_progress(dir, view, prompter, runner) {
    m_game.whenSaved([this](const PlayRecord& record) { m_history.add(record); });
}

void Wordbloom::beginStartUp() {
    m_history.beginLoading();
}

void Wordbloom::startUp() {
    m_topicPanel.hide();
    m_game.clearBoard();
    m_history.finishLoading();
    m_settings.load();
    std::vector<std::string> topics = loadTopics();
    m_topicPanel.prepare(topics);
    m_game.prepare(std::move(topics));
}

std::vector<std::string> Wordbloom::loadTopics(bool report) {
    std::vector<std::string> topics;
    std::size_t rejected = 0;
    loadTopicList(
        m_dir, [&](const std::string& topic) { topics.push_back(topic); },
        [&](const std::string& topic, const TopicRefusal& refusal) {
            if (report && ++rejected <= kRejectedTopicBoxes) {
                m_prompter.ask(topicRejectedMessage(topic, refusal));
            }
        });
    if (rejected > kRejectedTopicBoxes) {
        m_prompter.ask(moreTopicsRejectedMessage(rejected - kRejectedTopicBoxes));
    }
    return topics;
}

void Wordbloom::takeTopicOfHistoryRow(std::size_t row) {
    if (const auto topic = m_history.topicOfRow(row)) {
        m_game.takeTopic(*topic);
    }
}

void Wordbloom::openTopicPanel() {
    m_topicPanel.open(m_view.shownTopic());
}

void Wordbloom::openProgressOfHistoryRow(std::size_t row) {
    if (const auto topic = m_history.topicOfRow(row)) {
        m_progress.open(*topic, m_clock.now());
    }
}

void Wordbloom::openProgressOfDisplayedTopic() {
    m_progress.open(m_topicPanel.isOpen() ? m_view.panelTopic() : m_view.shownTopic(),
                    m_clock.now());
}

void Wordbloom::closeTopicPanel() {
    if (m_topicPanel.close()) {
        m_game.forgetKnownAnswers();
    }
}

} // namespace wordbloom
