// SPDX-License-Identifier: GPL-3.0-or-later
#include "play_history_browser.h"

#include "dialogue/checked_topic.h"
#include "record/file_error.h"
#include "dialogue/messages.h"

namespace wordbloom {

PlayHistoryBrowser::PlayHistoryBrowser(WorkDir dir, PlayHistoryView& view, Prompter& prompter,
                                       WorkRunner& runner)
    : m_dir(std::move(dir)), m_view(view), m_prompter(prompter), m_runner(runner) {}

void PlayHistoryBrowser::beginLoading() {
    m_loading = std::make_unique<PlayHistoryGrid>();
    m_reading = m_runner.start(kLoadingPlayHistory,
                               [dir = m_dir, rows = m_loading.get()] { rows->load(dir); });
}

void PlayHistoryBrowser::finishLoading() {
    if (!m_reading) {
        beginLoading();
    }
    const std::unique_ptr<PlayHistoryGrid> loaded = std::move(m_loading);
    const std::unique_ptr<PendingWork> reading = std::move(m_reading);
    reading->wait();
    m_rows = std::move(*loaded);
    m_view.showHistoryRows(m_rows);
    bringNewestIntoView();
}

void PlayHistoryBrowser::add(const PlayRecord& record) {
    m_rows.addRow(record);
    m_view.historyRowAdded(m_rows);
    bringNewestIntoView();
}

void PlayHistoryBrowser::bringNewestIntoView() {
    if (const auto top = m_rows.rowBringingNewestIntoView()) {
        m_view.setHistoryGridTopRow(*top);
    }
}

std::optional<std::string> PlayHistoryBrowser::topicOfRow(std::size_t row) {
    if (row >= m_rows.rowCount()) {
        return std::nullopt;
    }
    return checkedTopic(m_prompter, m_rows.record(row).topic);
}

void PlayHistoryBrowser::clear() {
    if (m_prompter.ask(clearPlayHistoryConfirmation()) != MessageAnswer::Ok) {
        return;
    }
    try {
        clearPlayHistoryFile(m_dir);
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, failed::kClearPlayHistory));
        return;
    }
    m_rows.clearRows();
    m_view.showHistoryRows(m_rows);
    m_prompter.ask(playHistoryClearedMessage());
}

} // namespace wordbloom
