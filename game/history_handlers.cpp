#include "main_form.h"
#include "messages.h"
#include "record/play_history_file.h"

namespace wordbloom {

void MainForm::takeTopicOfHistoryRow(std::size_t row) {
    // The header row and an empty grid have no game to take a topic from.
    if (row == 0 || row >= m_history.rowCount()) {
        return;
    }
    const auto topic = usableTopic(m_history.record(row).topic);
    if (!topic) {
        return;
    }
    std::vector<std::string> entries;
    try {
        entries = readAssociationList(m_dir, *topic);
    } catch (const FileError& error) {
        reportFileError(error, "お題のファイルを読み込めませんでした。");
        return;
    }
    m_view.showTopic(*topic);
    m_associations.assign(std::move(entries));
    m_view.showKnownAnswers(m_associations);
}

void MainForm::clearPlayHistory() {
    if (m_prompter.ask(clearPlayHistoryConfirmation()) != MessageAnswer::Ok) {
        return;
    }
    try {
        clearPlayHistoryFile(m_dir);
    } catch (const FileError& error) {
        reportFileError(error, "履歴データをクリアできませんでした。履歴はそのまま残っています。");
        return;
    }
    m_history.clearRows();
    m_view.showHistoryRows(m_history);
    m_prompter.ask(playHistoryClearedMessage());
}

void MainForm::showTopicHistory(const std::string& shown) {
    const auto topic = usableTopic(shown);
    if (!topic) {
        return;
    }
    TopicHistory loaded;
    try {
        m_runner.run(kLoadingTopicHistory, [&] { loaded.load(m_dir, *topic); });
    } catch (const FileError& error) {
        reportFileError(error, "お題の履歴を読み込めませんでした。");
        return;
    }
    m_topicHistory = std::move(loaded);
    m_view.showTopicHistory(m_topicHistory);
    m_view.setTopicPanelVisible(true);
}

void MainForm::openTopicPanel() {
    const std::string topic = m_view.shownTopic();
    if (!usableTopic(topic)) {
        return;
    }
    m_view.setPanelTopic(topic);
    showTopicHistory(topic);
}

void MainForm::pickPanelTopic() {
    showTopicHistory(m_view.panelTopic());
}

void MainForm::closeTopicPanel() {
    if (m_topicHistory.associations().empty()) {
        m_associations.clear();
        m_view.showKnownAnswers(m_associations);
    }
    m_view.setTopicPanelVisible(false);
}

void MainForm::hideTopicPanel() {
    m_view.setTopicPanelVisible(false);
}

void MainForm::hideKnownAnswers() {
    m_view.setKnownAnswersVisible(false);
}

void MainForm::showKnownAnswers() {
    const auto topic = usableTopic(m_view.shownTopic());
    if (!topic) {
        return;
    }
    loadKnownAnswers(*topic);
    m_view.setKnownAnswersVisible(true);
}

void MainForm::clearTopicData() {
    const std::string shown = m_view.panelTopic();
    const auto topic = usableTopic(shown);
    if (!topic) {
        return;
    }
    if (m_prompter.ask(clearTopicConfirmation(shown)) != MessageAnswer::Ok) {
        return;
    }
    try {
        clearTopicFiles(m_dir, *topic);
    } catch (const FileError& error) {
        reportFileError(error, "お題のデータをクリアできませんでした。");
        return;
    }
    m_topicHistory.clear();
    m_view.showTopicHistory(m_topicHistory);
}

} // namespace wordbloom
