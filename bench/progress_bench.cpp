// SPDX-License-Identifier: GPL-3.0-or-later
// Working out every number of the progress charts (成績) for the topic with a
// million logged answers, against only reading the same files with the
// readers the play history and the topic panel use.

#include "data_sets.h"
#include "history/progress_reading.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"
#include "record/work_dir.h"

#include <benchmark/benchmark.h>

namespace wordbloom::bench {
namespace {

void workOutProgressCharts(benchmark::State& state) {
    const LargeData& data = largeData();
    const WorkDir dir(data.folder.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readProgress(dir, data.panelTopic()));
    }
    if (readProgress(dir, data.panelTopic()).topic.vocabulary.empty()) {
        state.SkipWithError("the answer log gave no vocabulary");
    }
}

void readChartFiles(benchmark::State& state) {
    const LargeData& data = largeData();
    const WorkDir dir(data.folder.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPlayHistory(dir));
        benchmark::DoNotOptimize(readAnswerLog(dir, data.panelTopic()));
    }
}

BENCHMARK(workOutProgressCharts)->Name("charts/progress")->Unit(benchmark::kMillisecond);
BENCHMARK(readChartFiles)->Name("read/chart_files")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace wordbloom::bench
