// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress_browser.h"

#include "progress_reading.h"

#include "record/checked_topic.h"
#include "record/file_error.h"
#include "record/messages.h"

namespace wordbloom {

ProgressBrowser::ProgressBrowser(WorkDir dir, ProgressView& view, Prompter& prompter,
                                 WorkRunner& runner)
    : m_dir(std::move(dir)), m_view(view), m_prompter(prompter), m_runner(runner) {}

void ProgressBrowser::open(const std::string& shownTopic) {
    const auto topic = checkedTopic(m_prompter, shownTopic);
    if (!topic) {
        return;
    }
    TopicProgress topicProgress;
    OverallProgress overallProgress;
    try {
        m_runner.run(kLoadingProgress, [&] {
            Progress read = readProgress(m_dir, *topic);
            topicProgress = std::move(read.topic);
            overallProgress = std::move(read.overall);
        });
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, failed::kReadProgress));
        return;
    }
    m_topic = std::move(topicProgress);
    m_overall = std::move(overallProgress);
    m_view.showProgress(shownTopic, m_topic, m_overall);
}

} // namespace wordbloom
