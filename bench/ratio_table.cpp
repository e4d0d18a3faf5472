// SPDX-License-Identifier: GPL-3.0-or-later
#include "ratio_table.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace wordbloom::bench {

namespace {

const Best& find(const std::map<std::string, Best>& best, const std::string& name) {
    const auto found = best.find(name);
    if (found == best.end()) {
        throw std::runtime_error("no result for " + name + " (was it filtered out?)");
    }
    return found->second;
}

double counter(const Best& best, const std::string& name) {
    const auto found = best.counters.find(name);
    if (found == best.counters.end()) {
        throw std::runtime_error("no counter " + name);
    }
    return found->second;
}

double seconds(const Best& best) {
    const auto fastest = best.counters.find("fastest_s");
    return fastest == best.counters.end() ? best.seconds : fastest->second;
}

std::string printed(const char* format, double value, const char* unit) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return std::string(text) + unit;
}

std::string duration(double seconds) {
    if (seconds >= 1) {
        return printed("%.2f", seconds, " s");
    }
    if (seconds >= 1e-3) {
        return printed("%.1f", seconds * 1e3, " ms");
    }
    return printed("%.1f", seconds * 1e6, " µs");
}

std::string megabytes(double bytes) {
    return printed("%.1f", bytes / (1024.0 * 1024.0), " MiB");
}

} // namespace

void BestRunReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations == 0) {
            continue;
        }
        const double seconds = run.real_accumulated_time / static_cast<double>(run.iterations);
        const auto [entry, fresh] = m_best.try_emplace(run.run_name.function_name);
        Best& best = entry->second;
        best.seconds = fresh ? seconds : std::min(best.seconds, seconds);
        for (const auto& [name, value] : run.counters) {
            const auto [kept, first] = best.counters.try_emplace(name, value.value);
            if (!first) {
                kept->second = std::min(kept->second, value.value);
            }
        }
    }
}

RatioLine timeRatio(const std::map<std::string, Best>& best, std::string what,
                    const std::string& measured, const std::string& floor, double target) {
    const double ours = seconds(find(best, measured));
    const double least = seconds(find(best, floor));
    return {std::move(what), duration(ours), duration(least), ours / least, target};
}

RatioLine memoryRatio(const std::map<std::string, Best>& best, std::string what,
                      const std::string& large, const std::string& empty,
                      const std::string& dataCounter, double target) {
    const Best& full = find(best, large);
    const double growth = counter(full, "peak_rss") - counter(find(best, empty), "peak_rss");
    const double data = counter(full, dataCounter);
    return {std::move(what), megabytes(growth), megabytes(data), growth / data, target};
}

std::string ratioTable(const std::vector<RatioLine>& lines) {
    std::string table = "| Measure | Ours | Floor | Ratio | Target | Met |\n"
                        "|---|---:|---:|---:|---:|:---:|\n";
    for (const RatioLine& line : lines) {
        table += "| " + line.what + " | " + line.measured + " | " + line.floor + " | " +
                 printed("%.2f", line.ratio, "×") + " | ≤ " + printed("%.1f", line.target, "×") +
                 " | " + (line.ratio <= line.target ? "yes" : "**no**") + " |\n";
    }
    return table;
}

} // namespace wordbloom::bench
