// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/code_page.h"
#include "record/play_history_file.h"
#include "record/record_text.h"
#include "record/settings_file.h"
#include "record/topic_files.h"
#include "support/temp_dir.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace wordbloom {
namespace {

using testing::TempDir;

// Appends answers, saves games and rewrites the settings without end, as fast
// as it can, until it is killed.
[[noreturn]] void writeForever(const WorkDir& dir) {
    for (std::int16_t i = 0;; i = static_cast<std::int16_t>((i + 1) % 1000)) {
        appendAssociation(dir, "t", "連想" + std::to_string(i));
        appendAnswerLogRecord(dir, "t",
                              {"2024/01/15", "09:00:00", "001", "回答, \"" + std::to_string(i)});
        appendPlayRecord(dir, {"2024/01/15", "09:00:00", "t", i, 1, 2, 30, 60});
        saveSettings(dir, {static_cast<std::int16_t>(i % 2 == 0 ? 60 : 90),
                           static_cast<std::int16_t>(i % 2)});
    }
}

std::size_t countLines(const std::string& text) {
    std::size_t lines = 0;
    forEachLine(text, [&](std::string_view) { ++lines; });
    return lines;
}

TEST(CrashConsistency, KilledWritersLeaveEveryFileLoadableWithAtMostOneTornLine) {
    constexpr int kKills = 240;
    TempDir temp;
    const WorkDir dir(temp.path());
    saveSettings(dir, {60, 0});
    for (const char* name : {"履歴.txt", "t.txt", "t_履歴.txt"}) {
        temp.write(name, "");
    }
    std::mt19937 random(20241207);
    std::uniform_int_distribution<int> microseconds(200, 4000);

    std::string history;
    std::string log;
    std::string associations;
    std::size_t unreadableHistory = 0;
    std::size_t unreadableLog = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t writer = ::fork();
        if (writer == 0) {
            writeForever(dir);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds(random)));
        ::kill(writer, SIGKILL);
        int status = 0;
        ::waitpid(writer, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself";

        // What was stored before stays exactly as it was.
        const std::string newHistory = temp.read("履歴.txt");
        const std::string newLog = temp.read("t_履歴.txt");
        const std::string newAssociations = temp.read("t.txt");
        ASSERT_TRUE(newHistory.starts_with(history));
        ASSERT_TRUE(newLog.starts_with(log));
        ASSERT_TRUE(newAssociations.starts_with(associations));

        // Every file loads; each kill tears at most the one line being written.
        const PlayHistory loaded = readPlayHistory(dir);
        ASSERT_LE(loaded.skippedLines, unreadableHistory + 1);
        unreadableHistory = loaded.skippedLines;
        const auto records = readAnswerLog(dir, "t");
        const std::size_t logLines = countLines(decodeCp932(newLog));
        ASSERT_LE(logLines - records.size(), unreadableLog + 1);
        unreadableLog = logLines - records.size();
        static_cast<void>(readAssociationList(dir, "t"));

        // The settings hold a whole old or a whole new record.
        const std::string settings = temp.read("設定.txt");
        ASSERT_TRUE(settings == "60,0\r\n" || settings == "90,1\r\n") << settings;

        history = newHistory;
        log = newLog;
        associations = newAssociations;
    }
    const std::size_t saved = readPlayHistory(dir).records.size();
    EXPECT_GT(saved, 0U);
    std::cout << kKills << " kills: " << saved << " games and " << readAnswerLog(dir, "t").size()
              << " answers stored whole, " << unreadableHistory << " torn play history lines and "
              << unreadableLog << " torn answer log lines skipped\n";
    // A later rewrite clears away the temporary files of killed writers.
    saveSettings(dir, {60, 1});
    EXPECT_EQ(temp.listing(), "t.txt t_履歴.txt 履歴.txt 設定.txt");
}

} // namespace
} // namespace wordbloom
