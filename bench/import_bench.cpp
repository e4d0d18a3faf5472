// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing years of play in (32,766 games and a topic's million answers)
// into a folder that already holds the first half of each file, against
// reading the same files with the readers the game uses.

#include "data_sets.h"
#include "import/import_plan.h"
#include "import/import_source.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"
#include "record/topic_list_file.h"
#include "record/work_dir.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace wordbloom::bench {
namespace {

// The first half of a file's lines.
std::string firstHalf(const std::string& bytes) {
    std::size_t lines = 0;
    for (const char c : bytes) {
        lines += c == '\n' ? 1 : 0;
    }
    std::size_t at = 0;
    for (std::size_t line = 0; line < lines / 2; ++line) {
        at = bytes.find('\n', at) + 1;
    }
    return bytes.substr(0, at);
}

// The played folder: settings, the topics, and half of each growing file.
std::unique_ptr<DataFolder> playedFolder() {
    const LargeData& large = largeData();
    auto folder = std::make_unique<DataFolder>();
    folder->write(kSettingsFile, large.settingsBytes);
    folder->write(kTopicListFile, large.topicListBytes);
    folder->write(kPlayHistoryFile, firstHalf(large.playHistoryBytes));
    folder->write(associationListFileName(large.panelTopic()), firstHalf(large.associationBytes));
    folder->write(answerLogFileName(large.panelTopic()), firstHalf(large.answerLogBytes));
    return folder;
}

void importIntoPlayedFolder(benchmark::State& state) {
    const LargeData& large = largeData();
    std::size_t changed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<DataFolder> target = playedFolder();
        const WorkDir dir(target->path());
        state.ResumeTiming();
        const ImportPlan plan = planImport(dir, readIncomingData(large.folder.path()));
        benchmark::DoNotOptimize(applyImport(dir, plan, {2024, 1, 15, 9, 0, 0}));
        state.PauseTiming();
        changed = plan.changes.size();
        target.reset();
        state.ResumeTiming();
    }
    if (changed != 3) {
        state.SkipWithError("the import did not merge the three growing files");
    }
}

void readImportedFiles(benchmark::State& state) {
    const LargeData& large = largeData();
    const WorkDir dir(large.folder.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPlayHistory(dir));
        benchmark::DoNotOptimize(readAnswerLog(dir, large.panelTopic()));
        benchmark::DoNotOptimize(readAssociationList(dir, large.panelTopic()));
        std::size_t topics = 0;
        loadTopicList(
            dir, [&topics](const std::string&) { ++topics; },
            [](const std::string&, const TopicRefusal&) {});
        benchmark::DoNotOptimize(topics);
    }
}

BENCHMARK(importIntoPlayedFolder)->Name("import/played_folder")->Unit(benchmark::kMillisecond);
BENCHMARK(readImportedFiles)->Name("read/import_files")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace wordbloom::bench
