// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordbloom.h"

#include "import/import_plan.h"
#include "import/import_source.h"
#include "dialogue/messages.h"
#include "record/utf8.h"

namespace wordbloom {

void Wordbloom::importData(const std::filesystem::path& source) {
    const GameState& state = m_game.state();
    if (state.countingDown() || state.playClockRunning()) {
        m_prompter.ask(importDuringGameMessage());
        return;
    }
    const std::string shown = sanitizeUtf8(source.string());
    ImportPlan plan;
    try {
        m_runner.run(kReadingImport, [&] { plan = planImport(m_dir, readIncomingData(source)); });
    } catch (const ImportRefused& refusal) {
        m_prompter.ask(importRefusedMessage(shown, refusal.why()));
        return;
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, failed::kReadForImport));
        return;
    }
    const CalendarTime now = m_clock.now();
    plan.preview.source = shown;
    if (plan.needsBackup()) {
        plan.preview.backupFolder = backupFolderName(now);
    }
    if (!plan.changesAnything()) {
        m_prompter.ask(nothingToImportMessage(plan.preview));
        return;
    }
    if (m_prompter.ask(importPreviewMessage(plan.preview)) != MessageAnswer::Ok) {
        return;
    }
    std::string backup;
    try {
        m_runner.run(kWritingImport, [&] { backup = applyImport(m_dir, plan, now); });
    } catch (const FileError& error) {
        m_prompter.ask(fileErrorMessage(error, importStoppedText(plan.preview.backupFolder)));
        showImportedData();
        return;
    }
    showImportedData();
    m_prompter.ask(importDoneMessage(backup));
}

void Wordbloom::showImportedData() {
    m_history.finishLoading();
    m_settings.load();
    std::vector<std::string> topics = loadTopics(false);
    m_topicPanel.prepare(topics);
    m_topicPanel.showAgain();
    m_game.takeTopicList(std::move(topics));
}

} // namespace wordbloom
