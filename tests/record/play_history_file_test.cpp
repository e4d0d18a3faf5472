// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/file_error.h"
#include "record/formats.h"
#include "record/play_history_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wordbloom {
namespace {

using testing::cp932;
using testing::TempDir;

const char* const kExampleLine =
    "\"2024/01/15\",\"14:30:05\",\"一番食べたいもの\",12,5,4,3,40,\"0.67/秒\",\"60秒\"\r\n";

TEST(PlayHistoryFile, ASavedGameIsOneRecordByteForByte) {
    TempDir temp;
    const WorkDir dir(temp.path());
    appendPlayRecord(dir, {"2024/01/15", "14:30:05", "一番食べたいもの", 5, 4, 3, 40, 60});
    EXPECT_EQ(temp.read("履歴.txt"), cp932(kExampleLine));
}

TEST(PlayHistoryFile, RecordsReadBackFieldByField) {
    TempDir temp;
    temp.write(
        "履歴.txt",
        cp932(kExampleLine) +
            cp932("\"2008/05/14\",\"09:05:07\",\"色\",007,007,0,0,21,\"0.35/秒\",\"60秒\"\r\n"));
    const PlayHistory history = readPlayHistory(WorkDir(temp.path()));
    ASSERT_EQ(history.records.size(), 2U);
    const PlayRecord& first = history.records[0];
    EXPECT_EQ(first.date, "2024/01/15");
    EXPECT_EQ(first.time, "14:30:05");
    EXPECT_EQ(first.topic, "一番食べたいもの");
    EXPECT_EQ(first.total, "12");
    EXPECT_EQ(first.newCount, 5);
    EXPECT_EQ(first.existingCount, 4);
    EXPECT_EQ(first.duplicateCount, "3");
    EXPECT_EQ(first.characters, "40");
    EXPECT_EQ(first.rate, "0.67/秒");
    EXPECT_EQ(first.playLength, "60秒");
    EXPECT_EQ(history.records[1].total, "007");
    EXPECT_EQ(history.records[1].newCount, 7);
}

TEST(PlayHistoryFile, TornShortAndGarbageLinesAreSkipped) {
    TempDir temp;
    const std::string good = cp932(kExampleLine);
    temp.write("履歴.txt",
               good + "\x01\x02garbage\r\n" + "\r\n" +
                   cp932("\"2024/01/15\",\"14:31:00\",\"x\",1,one,0,0,1,\"0.02/秒\",\"60秒\"\r\n") +
                   good + good.substr(0, good.size() - 9));
    const PlayHistory history = readPlayHistory(WorkDir(temp.path()));
    EXPECT_EQ(history.records.size(), 2U);
    EXPECT_EQ(history.skippedLines, 4U);
}

TEST(PlayHistoryFile, EmptyFileHasNoRecordsAndMissingFileIsAnError) {
    TempDir temp;
    temp.write("履歴.txt", "");
    EXPECT_TRUE(readPlayHistory(WorkDir(temp.path())).records.empty());
    TempDir empty;
    EXPECT_THROW(readPlayHistory(WorkDir(empty.path())), FileError);
    EXPECT_TRUE(readPlayHistoryIfPresent(WorkDir(empty.path())).records.empty());
    EXPECT_EQ(empty.listing(), "");
}

TEST(PlayHistoryFile, ClearingLeavesAZeroByteFile) {
    TempDir temp;
    const WorkDir dir(temp.path());
    clearPlayHistoryFile(dir);
    EXPECT_EQ(temp.read("履歴.txt"), "");
    temp.write("履歴.txt", cp932(kExampleLine));
    clearPlayHistoryFile(dir);
    EXPECT_EQ(temp.read("履歴.txt"), "");
}

TEST(Formats, ValuesAreFormattedAsTheFilesStoreThem) {
    const CalendarTime t{2008, 5, 4, 9, 5, 3};
    EXPECT_EQ(formatDate(t), "2008/05/04");
    EXPECT_EQ(formatTime(t), "09:05:03");
    EXPECT_EQ(formatShortDate(t), "08/05/04");
    EXPECT_EQ(formatShortTime(t), "09:05");
    EXPECT_EQ(formatGameNumber(0), "000");
    EXPECT_EQ(formatGameNumber(12), "012");
    EXPECT_EQ(formatGameNumber(1000), "1000");
    EXPECT_EQ(formatPlayLength(60), "60秒");
}

TEST(Formats, RatesHaveTwoDecimalsRoundedHalfUp) {
    struct Case {
        std::int16_t characters;
        std::int16_t seconds;
        const char* shown;
    };
    const Case cases[] = {{40, 60, "0.67/秒"},       {158, 60, "2.63/秒"}, {3, 40, "0.08/秒"},
                          {0, 60, "0.00/秒"},        {1, 200, "0.01/秒"},  {1, 201, "0.00/秒"},
                          {32767, 10, "3276.70/秒"}, {120, 60, "2.00/秒"}};
    for (const Case& c : cases) {
        EXPECT_EQ(formatRate(c.characters, c.seconds), c.shown) << c.characters << "/" << c.seconds;
    }
}

TEST(Formats, StoredDatesAndTimesAreParsedOnlyWhenValid) {
    EXPECT_EQ(formatShortDate(*parseStoredDate("2008/05/14")), "08/05/14");
    EXPECT_EQ(formatShortTime(*parseStoredTime("09:05:07")), "09:05");
    for (const char* bad : {"2008/13/01", "2007/02/29", "", "2008-05-14", "2008/05/14x", "yes"}) {
        EXPECT_FALSE(parseStoredDate(bad).has_value()) << bad;
    }
    EXPECT_TRUE(parseStoredDate("2008/02/29").has_value());
    for (const char* bad : {"24:00:00", "09:60:00", "9:5", ""}) {
        EXPECT_FALSE(parseStoredTime(bad).has_value()) << bad;
    }
}

} // namespace
} // namespace wordbloom
