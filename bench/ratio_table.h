// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace wordbloom::bench {

// The best of all repetitions of one benchmark: the shortest time per
// iteration and the smallest value of each counter. On a shared machine the
// best run is the one least disturbed by others. A benchmark that times each
// iteration on its own reports its fastest one as the counter "fastest_s",
// which then stands for its time.
struct Best {
    double seconds = 0;
    std::map<std::string, double> counters;
};

// Prints every run as the console reporter does and keeps the best of each.
class BestRunReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const std::map<std::string, Best>& best() const { return m_best; }

private:
    std::map<std::string, Best> m_best;
};

// One line of the table: a measurement, its floor, and the largest ratio of
// the two that meets the target.
struct RatioLine {
    std::string what;
    std::string measured;
    std::string floor;
    double ratio;
    double target;
};

// Time of a benchmark against the time of its floor benchmark.
RatioLine timeRatio(const std::map<std::string, Best>& best, std::string what,
                    const std::string& measured, const std::string& floor, double target);

// Growth of the peak resident memory from one run to another, against the
// size of the data read.
RatioLine memoryRatio(const std::map<std::string, Best>& best, std::string what,
                      const std::string& large, const std::string& empty,
                      const std::string& dataCounter, double target);

// The lines as a Markdown table.
std::string ratioTable(const std::vector<RatioLine>& lines);

} // namespace wordbloom::bench
