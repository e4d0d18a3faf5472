// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/file_error.h"
#include "record/topic_files.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace wordbloom {
namespace {

using testing::cp932;
using testing::TempDir;
using Texts = std::vector<std::string>;

class TopicFiles : public ::testing::Test {
protected:
    TempDir temp;
    WorkDir dir{temp.path()};
};

TEST_F(TopicFiles, ATopicNeverPlayedGetsBothFilesCreatedEmpty) {
    EXPECT_TRUE(readAssociationList(dir, "夏といえば").empty());
    EXPECT_FALSE(readLastAnswerRecord(dir, "夏といえば").has_value());
    EXPECT_EQ(temp.read("夏といえば.txt"), "");
    EXPECT_EQ(temp.read("夏といえば_履歴.txt"), "");
}

TEST_F(TopicFiles, AssociationLinesComeBackWholeAndExactly) {
    const Texts answers{"りんご", "apple, pie", "  spaces  ", "\"quoted\"x", "", "〜"};
    for (const auto& answer : answers) {
        appendAssociation(dir, "果物", answer);
    }
    EXPECT_EQ(temp.read("果物.txt"),
              cp932("りんご\r\napple, pie\r\n  spaces  \r\n\"quoted\"x\r\n\r\n") + "\x81\x60\r\n");
    EXPECT_EQ(readAssociationList(dir, "果物"),
              (Texts{"りんご", "apple, pie", "  spaces  ", "\"quoted\"x", "", "～"}));
}

TEST_F(TopicFiles, HandEditedAssociationListsWithLfAreRead) {
    temp.write("色.txt", cp932("赤\n青\n\n白"));
    EXPECT_EQ(readAssociationList(dir, "色"), (Texts{"赤", "青", "", "白"}));
}

TEST_F(TopicFiles, AnswerLogRecordsAreWrittenByteForByte) {
    appendAnswerLogRecord(dir, "一番食べたいもの", {"2024/01/15", "09:05:03", "001", "りんご"});
    appendAnswerLogRecord(dir, "一番食べたいもの",
                          {"2024/01/15", "09:05:09", "001", "say \"hi\", ok"});
    EXPECT_EQ(temp.read("一番食べたいもの_履歴.txt"),
              cp932("\"2024/01/15\",\"09:05:03\",\"001\",\"りんご\"\r\n"
                    "\"2024/01/15\",\"09:05:09\",\"001\",\"say \"\"hi\"\", ok\"\r\n"));
    const auto log = readAnswerLog(dir, "一番食べたいもの");
    ASSERT_EQ(log.size(), 2U);
    EXPECT_EQ(log[1].answer, "say \"hi\", ok");
    EXPECT_EQ(readLastAnswerRecord(dir, "一番食べたいもの")->answer, "say \"hi\", ok");
}

TEST_F(TopicFiles, ShortAndTornRecordsAreSkippedWithoutShiftingTheRest) {
    temp.write("t_履歴.txt", cp932("\"2024/01/15\",\"09:00:00\",\"001\",\"one\"\r\n"
                                   "garbage\r\n"
                                   "\"2024/01/15\",\"09:00:01\",\"001\",\"two\",\"extra\"\r\n"
                                   "\"2024/01/16\",\"10:00:00\",\"002\",\"thr")); // torn
    const auto log = readAnswerLog(dir, "t");
    ASSERT_EQ(log.size(), 2U);
    EXPECT_EQ(log[0].answer, "one");
    EXPECT_EQ(log[1].answer, "two");
    const auto last = readLastAnswerRecord(dir, "t");
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->time, "09:00:01");
    EXPECT_EQ(last->gameNumber, "001");
}

TEST_F(TopicFiles, GoingThroughALogCreatesNothingAndCountsWhatItSkips) {
    Texts answers;
    const auto collect = [&](const AnswerLogFormat::Fields& record) {
        answers.push_back(record[AnswerLogFormat::Answer].text());
    };
    EXPECT_EQ(forEachAnswerRecord(dir, "t", collect), 0U);
    EXPECT_EQ(temp.listing(), "");
    temp.write("t_履歴.txt", cp932("\"2024/01/15\",\"09:00:00\",\"001\",\"one\"\r\n"
                                   "garbage\r\n"
                                   "\"2024/01/15\",\"09:00:01\",\"001\",\"a \"\"b\"\"\"\r\n"
                                   "\"2024/01/16\",\"10:00:00\",\"002\",\"thr"));
    EXPECT_EQ(forEachAnswerRecord(dir, "t", collect), 2U);
    EXPECT_EQ(answers, (Texts{"one", "a \"b\""}));
    std::filesystem::create_directory(temp.path() / "u_履歴.txt");
    EXPECT_THROW(forEachAnswerRecord(dir, "u", collect), FileError);
}

TEST_F(TopicFiles, AnOldFileWithAnUndoubledQuoteReadsAsBefore) {
    // Written before quotes were doubled: the answer a"b,c was stored as is.
    temp.write("t_履歴.txt", "\"2024/01/15\",\"09:00:00\",\"001\",\"a\"b,c\"\r\n"
                             "\"2024/01/15\",\"09:00:01\",\"001\",\"next\"\r\n");
    const auto log = readAnswerLog(dir, "t");
    ASSERT_EQ(log.size(), 2U);
    EXPECT_EQ(log[0].answer, "a");
    EXPECT_EQ(log[1].answer, "next");
}

TEST_F(TopicFiles, TextsWithLineBreaksAreRefusedAndNothingIsWritten) {
    EXPECT_THROW(appendAssociation(dir, "t", "two\nlines"), FileError);
    EXPECT_THROW(appendAnswerLogRecord(dir, "t", {"2024/01/15", "09:00:00", "001", "a\rb"}),
                 FileError);
    EXPECT_EQ(temp.listing(), "");
}

TEST_F(TopicFiles, ClearingEmptiesBothFilesAndKeepsThem) {
    appendAssociation(dir, "t", "x");
    appendAnswerLogRecord(dir, "t", {"2024/01/15", "09:00:00", "001", "x"});
    clearTopicFiles(dir, "t");
    EXPECT_EQ(temp.read("t.txt"), "");
    EXPECT_EQ(temp.read("t_履歴.txt"), "");
    clearTopicFiles(dir, "");
    EXPECT_EQ(temp.listing(), ".txt _履歴.txt t.txt t_履歴.txt");
}

} // namespace
} // namespace wordbloom
