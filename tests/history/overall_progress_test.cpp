// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/overall_progress.h"
#include "history/progress_reading.h"
#include "progress_fixture.h"

namespace wordbloom {
namespace {

using testing::ProgressTest;
using Texts = std::vector<std::string>;

class OverallProgressTest : public ProgressTest {
protected:
    void saveOn(const char* date, const char* topic = "色") const {
        save(date, "12:00:00", topic, 1);
    }
};

Texts weeksOf(const OverallProgress& progress) {
    Texts weeks;
    for (const WeekOfPlay& week : progress.weeks) {
        weeks.push_back(week.monday + " " + std::to_string(week.games));
    }
    return weeks;
}

TEST_F(OverallProgressTest, WeeksRunMondayToSundayWithEmptyWeeksBetween) {
    saveOn("2024/01/24");
    saveOn("2024/01/07"); // a Sunday
    saveOn("2024/01/08"); // the Monday after it
    saveOn("2024/01/14");
    EXPECT_EQ(weeksOf(readProgress(dir, "").overall),
              (Texts{"2024/01/01 1", "2024/01/08 2", "2024/01/15 0", "2024/01/22 1"}));
}

TEST_F(OverallProgressTest, AWeekCarriesOverTheNewYear) {
    saveOn("2024/12/31");
    saveOn("2025/01/05");
    saveOn("2025/01/06");
    saveOn("2021/01/01"); // a Friday: its week began in 2020
    const OverallProgress progress = readProgress(dir, "").overall;
    ASSERT_EQ(progress.weeks.size(), 211U);
    EXPECT_EQ(weeksOf(progress).front(), "2020/12/28 1");
    EXPECT_EQ(weeksOf(progress)[1], "2021/01/04 0");
    EXPECT_EQ(weeksOf(progress)[209], "2024/12/30 2");
    EXPECT_EQ(weeksOf(progress)[210], "2025/01/06 1");
}

TEST_F(OverallProgressTest, UnreadableDatesAreCountedAndLeftOutOfTheWeeks) {
    saveOn("2024/01/08");
    for (const char* date : {"昨日", "2024/02/30", "2024/13/01", "", "2024-01-08"}) {
        store({date, "12:00:00", "夏", "1", 1, 0, "0", "4", "0.07/秒", "60秒"});
    }
    const OverallProgress progress = readProgress(dir, "").overall;
    EXPECT_EQ(weeksOf(progress), (Texts{"2024/01/08 1"}));
    EXPECT_EQ(progress.unreadableDates, 5U);
    ASSERT_EQ(progress.mostPlayedTopics.size(), 2U); // their games still count for the topic
    EXPECT_EQ(progress.mostPlayedTopics[0].topic, "夏");
    EXPECT_EQ(progress.mostPlayedTopics[0].games, 5U);
}

TEST_F(OverallProgressTest, ADateFarFromTheOthersDoesNotStretchTheWeeks) {
    saveOn("1900/01/01");
    saveOn("2024/01/08");
    saveOn("2024/01/15");
    saveOn("2024/01/16");
    saveOn("2099/12/31");
    const OverallProgress progress = readProgress(dir, "").overall;
    EXPECT_EQ(weeksOf(progress), (Texts{"2024/01/08 1", "2024/01/15 2"}));
    EXPECT_EQ(progress.gamesOutsideWeeks, 2U);

    // Two games thirty-one years apart: the later one stands alone.
    temp.write("履歴.txt", "");
    saveOn("1993/01/04");
    saveOn("2024/01/08");
    EXPECT_EQ(weeksOf(readProgress(dir, "").overall), (Texts{"2024/01/08 1"}));
}

TEST_F(OverallProgressTest, MostPlayedTopicsTieInTheOrderTheyFirstAppear) {
    // 夏 comes before 冬 in the file, after it by its code.
    for (const char* topic : {"春", "夏", "色", "冬", "色", "夏", "冬", "色", "秋", "\"x\""}) {
        saveOn("2024/01/08", topic);
    }
    saveOn("2024/01/08", "\"x\""); // quoted as a quotation mark is stored
    Texts most;
    for (const TopicPlayCount& count : readProgress(dir, "", 4).overall.mostPlayedTopics) {
        most.push_back(count.topic + " " + std::to_string(count.games));
    }
    EXPECT_EQ(most, (Texts{"色 3", "夏 2", "冬 2", "\"x\" 2"}));
}

} // namespace
} // namespace wordbloom
