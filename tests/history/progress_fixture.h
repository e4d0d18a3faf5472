// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "record/code_page.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wordbloom::testing {

// A data folder whose play history and answer logs are written by the game's
// own record writers, in Shift_JIS.
class ProgressTest : public ::testing::Test {
protected:
    TempDir temp;
    WorkDir dir{temp.path()};

    // Saves a game as the end of a game saves it.
    void save(const char* date, const char* time, const char* topic, std::int16_t newAnswers,
              std::int16_t existingAnswers = 0, std::int16_t duplicateAnswers = 0,
              std::int16_t characters = 40, std::int16_t playSeconds = 60) const {
        appendPlayRecord(dir, {date, time, topic, newAnswers, existingAnswers, duplicateAnswers,
                               characters, playSeconds});
    }

    // Appends a record with stored fields that a save would not write, as an
    // older copy or a hand edit leaves them.
    void store(const PlayRecord& record) const {
        dir.append(kPlayHistoryFileName, encodeCp932(fileLine<PlayRecordFormat>(record)));
    }

    void logAnswer(const char* topic, const char* date, const char* gameNumber,
                   const char* answer) const {
        appendAnswerLogRecord(dir, topic, {date, "09:00:00", gameNumber, answer});
    }
};

} // namespace wordbloom::testing
