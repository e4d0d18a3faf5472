// SPDX-License-Identifier: GPL-3.0-or-later
// Files read in blocks and records kept compactly must read exactly as the
// whole file decoded at once and split into records would.

#include "record/code_page.h"
#include "record/decoded_file.h"
#include "record/file_error.h"
#include "record/play_history_file.h"
#include "record/topic_files.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace wordbloom {
namespace {

using testing::cp932;
using testing::TempDir;

constexpr std::size_t kBlock = 1 << 16; // the reader's block size
constexpr std::size_t kTail = 1 << 12;  // how far from its end the answer log is read first

TEST(CodePagePieces, AnySplitDecodesLikeTheWhole) {
    const std::string bytes = cp932("あいう") + "a\xa0" + "&#127822;" + cp932("ｶﾅ漢字") +
                              "\x81\x0a" + cp932("え") + "\x88";
    const std::string whole = decodeCp932(bytes);
    for (std::size_t split = 0; split <= bytes.size(); ++split) {
        std::string text;
        const std::size_t carried =
            decodeCp932Piece(std::string_view(bytes).substr(0, split), false, text);
        decodeCp932Piece(std::string_view(bytes).substr(split - carried), true, text);
        restoreReferences(text);
        EXPECT_EQ(text, whole) << "split at " << split;
    }
}

TEST(DecodedFile, ABigFileReadInBlocksIsTheWholeFileDecoded) {
    TempDir temp;
    const WorkDir dir(temp.path());
    // An odd start puts a double-byte character across each block boundary;
    // a reference and a bad byte sit across the second one.
    const std::string character = cp932("あ");
    std::string bytes = "x";
    while (bytes.size() < 2 * kBlock - 4) {
        bytes += character;
    }
    bytes += "&#127822;\xa0" + cp932("終わり");
    temp.write("big.txt", bytes);
    const std::string text = readCp932Text(dir, "big.txt");
    EXPECT_EQ(text, decodeCp932(bytes));
    EXPECT_TRUE(text.ends_with("🍎\xEF\xBF\xBD終わり"));

    EXPECT_THROW(readCp932Text(dir, "missing.txt"), FileError);
    EXPECT_FALSE(temp.exists("missing.txt"));
    EXPECT_EQ(readCp932TextCreatingIfMissing(dir, "missing.txt"), "");
    EXPECT_EQ(temp.read("missing.txt"), "");
}

TEST(CompactRecords, RecordsComeBackFieldForField) {
    PlayRecords records;
    const PlayRecord awkward{
        "2024/01/15", " lead, \"quoted\"", "two\r\nlines", "007", -5, 32767, "",
        "1,2",        "0.67/秒",           "60秒"};
    records.push_back(toPlayRecord({"2024/01/15", "14:30:05", "色", 5, 4, 3, 40, 60}));
    records.push_back(awkward);
    ASSERT_EQ(records.size(), 2U);
    const PlayRecord back = records[1];
    EXPECT_EQ(back.time, awkward.time);
    EXPECT_EQ(back.topic, awkward.topic);
    EXPECT_EQ(back.total, "007");
    EXPECT_EQ(back.newCount, -5);
    EXPECT_EQ(back.existingCount, 32767);
    EXPECT_EQ(back.duplicateCount, "");
    EXPECT_EQ(back.characters, "1,2");
    EXPECT_EQ(back.playLength, "60秒");
    EXPECT_EQ(records[0].rate, "0.67/秒");
    EXPECT_THROW(records[2], std::out_of_range);
}

TEST(CompactRecords, TornAndShortLinesAreLeftOutBetweenKeptOnes) {
    AnswerLog log;
    const std::size_t left = log.assign("\"d\",\"t\",\"001\",\"one\"\r\n"
                                        "\r\n"
                                        "short\n"
                                        "\"d\",\"t\",\"002\",\"two\"\r"
                                        "\"d\",\"t\",\"003\",\"torn");
    EXPECT_EQ(left, 3U);
    ASSERT_EQ(log.size(), 2U);
    EXPECT_EQ(log[0].answer, "one");
    EXPECT_EQ(log[1].gameNumber, "002");
    log.push_back({"2024/01/16", "10:00:00", "004", "three"});
    EXPECT_EQ(log[2].answer, "three");
    log.clear();
    EXPECT_TRUE(log.empty());
}

TEST(LastAnswerRecord, IsFoundBehindLongLinesAtTheEnd) {
    TempDir temp;
    const WorkDir dir(temp.path());
    const std::string longAnswer(3 * kTail, 'a');
    const std::string record = cp932("\"2024/01/15\",\"09:00:00\",\"001\",\"ふつう\"\r\n");
    std::string log;
    for (int i = 0; i < 1000; ++i) {
        log += record;
    }
    log += R"("2024/01/15","09:00:01","002",")" + longAnswer + "\"\n";
    log += std::string(5 * kTail, 'z') + "\r" + R"("2024/01/15","09:00:02","003","to)";
    temp.write("t_履歴.txt", log);
    const auto last = readLastAnswerRecord(dir, "t");
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->gameNumber, "002");
    EXPECT_EQ(last->answer, longAnswer);

    temp.write("u_履歴.txt", std::string(5 * kTail, 'z'));
    EXPECT_FALSE(readLastAnswerRecord(dir, "u").has_value());
    temp.write("v_履歴.txt", R"("2024/01/15","09:00:00","001","only")");
    EXPECT_EQ(readLastAnswerRecord(dir, "v")->answer, "only");
}

} // namespace
} // namespace wordbloom
