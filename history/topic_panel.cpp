// SPDX-License-Identifier: GPL-3.0-or-later
#include "topic_panel.h"

#include "dialogue/checked_topic.h"
#include "record/file_error.h"
#include "dialogue/messages.h"

namespace wordbloom {

TopicPanel::TopicPanel(WorkDir dir, TopicPanelView& view, Prompter& prompter, WorkRunner& runner)
    : m_dir(std::move(dir)), m_view(view), m_prompter(prompter), m_runner(runner) {}

void TopicPanel::prepare(const std::vector<std::string>& topics) {
    m_view.setPanelTopicList(topics);
}

void TopicPanel::show(const std::string& topic) {
    TopicHistory loaded;
    try {
        m_runner.run(kLoadingTopicHistory, [&] { loaded.load(m_dir, topic); });
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, failed::kReadTopicHistory));
        return;
    }
    m_content = std::move(loaded);
    m_view.showTopicHistory(m_content);
    m_view.setTopicPanelVisible(true);
    m_open = true;
}

void TopicPanel::open(const std::string& shown) {
    if (const auto topic = checkedTopic(m_prompter, shown)) {
        m_view.setPanelTopic(shown);
        show(*topic);
    }
}

void TopicPanel::pickTopic() {
    if (const auto topic = checkedTopic(m_prompter, m_view.panelTopic())) {
        show(*topic);
    }
}

void TopicPanel::showAgain() {
    if (m_open) {
        pickTopic();
    }
}

bool TopicPanel::close() {
    hide();
    return m_content.associations().empty();
}

void TopicPanel::hide() {
    m_view.setTopicPanelVisible(false);
    m_open = false;
}

void TopicPanel::clearTopicData() {
    const std::string shown = m_view.panelTopic();
    const auto topic = checkedTopic(m_prompter, shown);
    if (!topic) {
        return;
    }
    if (m_prompter.ask(clearTopicConfirmation(shown)) != MessageAnswer::Ok) {
        return;
    }
    try {
        clearTopicFiles(m_dir, *topic);
    } catch (const FileError& error) {
        // Neither file was emptied, so the panel still shows what they hold.
        m_prompter.ask(fileErrorMessage(error, failed::kClearTopicData));
        return;
    }
    m_content.clear();
    m_view.showTopicHistory(m_content);
}

} // namespace wordbloom
