// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the topic history panel on a topic with a million logged answers
// and 50,000 associations, against decoding the bytes of its two files.

#include "data_sets.h"
#include "app/wordbloom.h"
#include "iconv_floor.h"
#include "null_view.h"

#include <benchmark/benchmark.h>

namespace wordbloom::bench {
namespace {

void openTopicPanel(benchmark::State& state) {
    const LargeData& data = largeData();
    SystemClock clock;
    SystemRandom random;
    NullView view(data.panelTopic(), data.panelTopic());
    FailingPrompter prompter;
    InlineWorkRunner runner;
    Wordbloom app(WorkDir(data.folder.path()), clock, random, view, prompter, runner);
    app.startUp();
    for (auto _ : state) {
        app.topicPanel().pickTopic();
    }
    if (app.topicPanel().content().logRowCount() != kAnswerLogRecords) {
        state.SkipWithError("the answer log did not load whole");
    }
}

void decodeTopicFiles(benchmark::State& state) {
    const LargeData& data = largeData();
    IconvFloor floor;
    for (auto _ : state) {
        benchmark::DoNotOptimize(floor.decode(data.associationBytes));
        benchmark::DoNotOptimize(floor.decode(data.answerLogBytes));
    }
}

BENCHMARK(openTopicPanel)->Name("panel/show_topic_history")->Unit(benchmark::kMillisecond);
BENCHMARK(decodeTopicFiles)->Name("floor/topic_files")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace wordbloom::bench
