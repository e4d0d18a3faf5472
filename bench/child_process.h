// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace wordbloom::bench {

struct ChildRun {
    double seconds;           // from launch until the program has ended
    std::size_t peakRssBytes; // the program's largest resident set
};

// Starts the launcher: a small process, forked before the benchmarks make
// their data, that starts the measured programs. Linux counts the memory of
// the process a program was started from in the program's peak, so starting
// it from this process, grown large by its data, would hide the program's
// own peak. Call first thing in main.
void startLauncher();

// Has the launcher run a program in a folder with extra environment settings
// ("NAME=value") and its output thrown away, and waits for it to end. Throws
// when it cannot be started or does not end with status 0.
ChildRun runChild(const std::filesystem::path& program, const std::filesystem::path& folder,
                  const std::vector<std::string>& extraEnvironment);

} // namespace wordbloom::bench
