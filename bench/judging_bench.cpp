// SPDX-License-Identifier: GPL-3.0-or-later
// One Enter in the answer box: judging, both file appends and the view
// updates, with a long association list and many answers in the game against
// a short list and a fresh game.

#include "bench_data.h"
#include "data_sets.h"
#include "app/wordbloom.h"
#include "null_view.h"
#include "record/topic_files.h"

#include <benchmark/benchmark.h>

namespace wordbloom::bench {
namespace {

constexpr std::size_t kLongList = 100'000;
constexpr std::size_t kLongGame = 500;
constexpr std::size_t kShortList = 10;
constexpr std::size_t kEnters = 2'000;
const std::string kTopic = "連想の試し";

// The list entries first, then the answers entered while measuring, all
// different from one another.
const std::vector<std::string>& words() {
    static const std::vector<std::string> made = TextMaker(19).distinctWords(kLongList + kEnters);
    return made;
}

void enterAnswers(benchmark::State& state, std::size_t listEntries, std::size_t gameAnswers) {
    const std::vector<std::string>& all = words();
    const std::vector<std::string> entries(all.begin(),
                                           all.begin() + static_cast<std::ptrdiff_t>(listEntries));
    DataFolder folder;
    folder.write(kSettingsFile, "60,0\r\n");
    folder.write(kTopicListFile, topicListFile({kTopic}));
    folder.write(kPlayHistoryFile, "");
    folder.write(associationListFileName(kTopic), associationListFile(entries));

    SystemClock clock;
    SystemRandom random;
    NullView view(kTopic, kTopic);
    FailingPrompter prompter;
    InlineWorkRunner runner;
    Wordbloom app(WorkDir(folder.path()), clock, random, view, prompter, runner);
    app.startUp();
    app.game().startWithShownTopic();
    for (std::size_t i = 0; i < gameAnswers; ++i) {
        app.game().submitAnswer(entries[i]);
    }

    std::size_t next = kLongList;
    for (auto _ : state) {
        benchmark::DoNotOptimize(app.game().submitAnswer(all[next++]));
    }
    if (app.game().associations().size() != listEntries + kEnters ||
        app.game().gameAnswers().size() != gameAnswers + kEnters) {
        state.SkipWithError("the answers were not all judged new");
    }
}

void enterWithLongListAndGame(benchmark::State& state) {
    enterAnswers(state, kLongList, kLongGame);
}

void enterWithShortListAndNewGame(benchmark::State& state) {
    enterAnswers(state, kShortList, 0);
}

BENCHMARK(enterWithLongListAndGame)
    ->Name("judge/100000_entries_500_answers")
    ->Iterations(kEnters)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(enterWithShortListAndNewGame)
    ->Name("judge/10_entries_0_answers")
    ->Iterations(kEnters)
    ->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace wordbloom::bench
