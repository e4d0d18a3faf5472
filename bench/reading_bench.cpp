// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the two files that grow without end: the play history at start-up
// and a topic's answer log, each against the floor of decoding its bytes.

#include "data_sets.h"
#include "iconv_floor.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"
#include "record/work_dir.h"

#include <benchmark/benchmark.h>

namespace wordbloom::bench {
namespace {

void readPlayHistoryFile(benchmark::State& state) {
    const WorkDir dir(largeData().folder.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readPlayHistory(dir));
    }
}

void decodePlayHistoryBytes(benchmark::State& state) {
    IconvFloor floor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(floor.decode(largeData().playHistoryBytes));
    }
}

void readAnswerLogFile(benchmark::State& state) {
    const WorkDir dir(largeData().folder.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(readAnswerLog(dir, largeData().panelTopic()));
    }
}

void decodeAnswerLogBytes(benchmark::State& state) {
    IconvFloor floor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(floor.decode(largeData().answerLogBytes));
    }
}

BENCHMARK(readPlayHistoryFile)->Name("read/play_history")->Unit(benchmark::kMillisecond);
BENCHMARK(decodePlayHistoryBytes)->Name("floor/play_history")->Unit(benchmark::kMillisecond);
BENCHMARK(readAnswerLogFile)->Name("read/answer_log")->Unit(benchmark::kMillisecond);
BENCHMARK(decodeAnswerLogBytes)->Name("floor/answer_log")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace wordbloom::bench
