// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window's closer looks: everything its pages show for the topic
// with a million logged answers, with its latest game looked at closely; the
// page of all topics with its calendar for 32,766 games; and choosing another
// game once the files are read.

#include "data_sets.h"
#include "history/game_close_up.h"
#include "history/overall_progress.h"
#include "history/progress_reading.h"
#include "record/play_history_file.h"
#include "record/work_dir.h"

#include <benchmark/benchmark.h>

namespace wordbloom::bench {
namespace {

void openTopicWithLatestGame(benchmark::State& state) {
    const LargeData& data = largeData();
    const WorkDir dir(data.folder.path());
    for (auto _ : state) {
        const Progress progress = readProgress(dir, data.panelTopic());
        const std::size_t games = progress.topic.answerLog.games().size();
        benchmark::DoNotOptimize(closeUp(progress.topic.answerLog, games - 1));
    }
}

void workOutAllTopicsWithCalendar(benchmark::State& state) {
    const WorkDir dir(largeData().folder.path());
    for (auto _ : state) {
        const PlayHistory history = readPlayHistory(dir);
        const OverallProgress overall = overallProgress(history);
        if (overall.calendar.days.empty()) {
            state.SkipWithError("the play history gave no days");
        }
        benchmark::DoNotOptimize(overall);
    }
}

// A game from the middle of the log: the known answers before it are counted
// over half a million answers.
void chooseAnotherGame(benchmark::State& state) {
    const LargeData& data = largeData();
    const Progress progress = readProgress(WorkDir(data.folder.path()), data.panelTopic());
    const TopicAnswerLog& log = progress.topic.answerLog;
    const std::size_t middle = log.games().size() / 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(closeUp(log, middle));
    }
    state.counters["games"] = static_cast<double>(log.games().size());
    state.counters["known_before"] = static_cast<double>(log.games()[middle].knownBefore);
}

BENCHMARK(openTopicWithLatestGame)->Name("insights/topic")->Unit(benchmark::kMillisecond);
BENCHMARK(workOutAllTopicsWithCalendar)->Name("insights/all_topics")->Unit(benchmark::kMillisecond);
BENCHMARK(chooseAnotherGame)->Name("insights/choose_game")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace wordbloom::bench
