// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every benchmark and ends with one table: each measurement set beside
// the floor measured in the same run on the same data. With
// --ratio_table=<file> the table is also written to that file.

#include "child_process.h"
#include "ratio_table.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iostream>
#include <string_view>

using namespace wordbloom::bench;

namespace {

std::vector<RatioLine> lines(const std::map<std::string, Best>& best) {
    return {
        timeRatio(best, "Reading the play history, 32,766 games", "read/play_history",
                  "floor/play_history", 3.0),
        timeRatio(best, "Reading an answer log, 1,000,000 answers", "read/answer_log",
                  "floor/answer_log", 3.0),
        timeRatio(best, "One Enter: 100,000 entries and 500 answers vs 10 entries and none",
                  "judge/100000_entries_500_answers", "judge/10_entries_0_answers", 2.0),
        timeRatio(best, "Start-up: 32,766 games vs an empty play history", "start/32766_games",
                  "start/empty_history", 1.5),
        timeRatio(best, "Start-up: empty play history vs a Qt window of Japanese text",
                  "start/empty_history", "start/japanese_text_window", 1.3),
        timeRatio(best, "Topic panel: 1,000,000 answers and 50,000 associations",
                  "panel/show_topic_history", "floor/topic_files", 4.0),
        timeRatio(best, "Progress charts: 32,766 games and a topic's 1,000,000 answers",
                  "charts/progress", "read/chart_files", 1.5),
        timeRatio(best, "Import: 32,766 games and 1,000,000 answers into a folder holding half",
                  "import/played_folder", "read/import_files", 3.0),
        timeRatio(best, "Progress, a topic's 1,000,000 answers with its latest game looked at",
                  "insights/topic", "read/chart_files", 1.5),
        timeRatio(best, "Progress of all topics with the calendar: 32,766 games",
                  "insights/all_topics", "read/play_history", 1.5),
        timeRatio(best, "Choosing another game vs reading the files again", "insights/choose_game",
                  "read/chart_files", 0.1),
        memoryRatio(best, "Peak memory at start-up: 32,766 games minus empty, vs data read",
                    "start/32766_games", "start/empty_history", "data_read", 3.0),
    };
}

} // namespace

int main(int argc, char** argv) {
    startLauncher();
    constexpr std::string_view kTableOption = "--ratio_table=";
    std::string tableFile;
    std::vector<char*> arguments;
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument.starts_with(kTableOption)) {
            tableFile = argument.substr(kTableOption.size());
        } else {
            arguments.push_back(argv[i]);
        }
    }
    int count = static_cast<int>(arguments.size());
    benchmark::Initialize(&count, arguments.data());
    if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) {
        return 1;
    }
    BestRunReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::string table;
    try {
        table = ratioTable(lines(reporter.best()));
    } catch (const std::exception& error) {
        std::cerr << "no table: " << error.what() << "\n";
        return 1;
    }
    std::cout << "\n" << table;
    if (!tableFile.empty()) {
        std::ofstream(tableFile) << table;
    }
    return 0;
}
