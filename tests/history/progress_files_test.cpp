// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/overall_progress.h"
#include "history/progress_reading.h"
#include "history/topic_progress.h"
#include "progress_fixture.h"
#include "record/file_error.h"

#include <filesystem>

namespace wordbloom {
namespace {

using testing::cp932;
using testing::ProgressTest;

class ProgressFiles : public ProgressTest {};

TEST_F(ProgressFiles, NothingPlayedGivesEmptyChartsAndCreatesNoFile) {
    const TopicProgress topic = readProgress(dir, "色").topic;
    EXPECT_TRUE(topic.games.empty());
    EXPECT_TRUE(topic.vocabulary.empty());
    EXPECT_FALSE(topic.mostNewAnswers || topic.bestRate);
    const OverallProgress overall = readProgress(dir, "").overall;
    EXPECT_TRUE(overall.weeks.empty());
    EXPECT_TRUE(overall.mostPlayedTopics.empty());
    EXPECT_EQ(temp.listing(), "");

    temp.write("履歴.txt", "");
    EXPECT_TRUE(readProgress(dir, "").overall.weeks.empty());
    save("2024/01/15", "09:00:00", "夏", 3);
    logAnswer("夏", "2024/01/15", "001", "海");
    EXPECT_TRUE(readProgress(dir, "色").topic.games.empty());
    const std::string before = temp.read("履歴.txt");
    EXPECT_EQ(readProgress(dir, "夏").topic.games.size(), 1U);
    EXPECT_EQ(temp.listing(), "夏_履歴.txt 履歴.txt");
    EXPECT_EQ(temp.read("履歴.txt"), before);
}

TEST_F(ProgressFiles, AFileThatCannotBeReadThrowsTheUsualError) {
    std::filesystem::create_directory(temp.path() / "色_履歴.txt");
    EXPECT_THROW(readProgress(dir, "色"), FileError);
    EXPECT_THROW(readProgress(dir, "a/b"), FileError);
    std::filesystem::create_directory(temp.path() / "履歴.txt");
    EXPECT_THROW(readProgress(dir, ""), FileError);
    EXPECT_THROW(readProgress(dir, "夏"), FileError);
    EXPECT_EQ(temp.listing(), "履歴.txt 色_履歴.txt");
}

TEST_F(ProgressFiles, TornAndGarbageLinesAreCountedAndTheRestIsCharted) {
    save("2024/01/15", "09:00:00", "色", 3);
    const std::string torn = cp932("\"2024/01/16\",\"09:00:00\",\"色\",3,3,0,0,12,\"0.2");
    temp.write("履歴.txt", temp.read("履歴.txt") + "garbage\r\n" + torn);
    logAnswer("色", "2024/01/15", "001", "赤");
    temp.write("色_履歴.txt", temp.read("色_履歴.txt") + cp932(R"("2024/01/15","09:00)"));

    const TopicProgress topic = readProgress(dir, "色").topic;
    EXPECT_EQ(topic.games.size(), 1U);
    EXPECT_EQ(topic.vocabulary.size(), 1U);
    EXPECT_EQ(topic.skippedHistoryLines, 2U);
    EXPECT_EQ(topic.skippedAnswerLogLines, 1U);
    const OverallProgress overall = readProgress(dir, "").overall;
    EXPECT_EQ(overall.weeks.size(), 1U);
    EXPECT_EQ(overall.skippedHistoryLines, 2U);
}

} // namespace
} // namespace wordbloom
