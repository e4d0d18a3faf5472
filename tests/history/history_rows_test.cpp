// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/play_history_grid.h"
#include "history/topic_history.h"
#include "record/file_error.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace wordbloom {
namespace {

using testing::cp932;
using testing::TempDir;
using Texts = std::vector<std::string>;

Texts rowOf(const PlayHistoryGrid& grid, std::size_t row) {
    Texts cells;
    for (int column = 0; column < PlayHistoryGrid::kColumnCount; ++column) {
        cells.push_back(grid.cellText(row, column));
    }
    return cells;
}

TEST(PlayHistoryRows, StoredRecordsShowInTheGridsShortForms) {
    TempDir temp;
    temp.write(
        "履歴.txt",
        cp932(
            "\"2024/01/15\",\"14:30:05\",\"一番食べたいもの\",12,5,4,3,40,\"0.67/秒\",\"60秒\"\r\n"
            "\"2008/05/14\",\"09:05:07\",\"色\",007,007,0,0,21,\"0.35/秒\",\"60秒\"\r\n"
            "\"昨日\",\"25:00\",\"手書き\",1,1,0,0,1,\"0.02/秒\",\"60秒\"\r\n"));
    PlayHistoryGrid grid;
    grid.load(WorkDir(temp.path()));
    ASSERT_EQ(grid.rowCount(), 3U);
    EXPECT_EQ(rowOf(grid, 0), (Texts{"1", "24/01/15", "14:30", "一番食べたいもの", "12", "5", "4",
                                     "3", "40", "0.67/秒", "60秒"}));
    EXPECT_EQ(grid.cellText(1, 4), "007");
    EXPECT_EQ(grid.cellText(1, 5), "7");
    EXPECT_EQ(grid.cellText(2, 1), "昨日"); // not a date: shown as stored
    EXPECT_EQ(grid.cellText(2, 2), "25:00");
}

TEST(PlayHistoryRows, ASavedGameLooksLikeTheSameGameReadBack) {
    const PlayResult result{"2008/05/14", "09:05:07", "色", 5, 4, 3, 40, 60};
    TempDir temp;
    const WorkDir dir(temp.path());
    appendPlayRecord(dir, result);
    PlayHistoryGrid saved;
    saved.addRow(toPlayRecord(result));
    PlayHistoryGrid loaded;
    loaded.load(dir);
    EXPECT_EQ(rowOf(saved, 0), rowOf(loaded, 0));
    EXPECT_EQ(rowOf(saved, 0), (Texts{"1", "08/05/14", "09:05", "色", "12", "5", "4", "3", "40",
                                      "0.67/秒", "60秒"}));
}

TEST(TopicHistoryRows, TheLogShowsEveryRecordAsStored) {
    TempDir temp;
    temp.write("t_履歴.txt", cp932("\"2024/01/15\",\"09:00:00\",\"001\",\"a\"\r\n"
                                   "\"2024/01/15\",\"09:00:01\",\"001\",\"b\"\r\n"
                                   "\"2024/01/15\",\"10:00:00\",\"002\",\"c\"\r\n"));
    TopicHistory history;
    history.load(WorkDir(temp.path()), "t");
    EXPECT_EQ(history.logRowCount(), 3U);
    EXPECT_EQ(history.cellText(2, 0), "3");
    EXPECT_EQ(history.cellText(2, 3), "002");
    EXPECT_EQ(temp.read("t.txt"), ""); // the missing list was created empty
}

TEST(TopicHistoryRows, AFailedLoadKeepsWhatWasShown) {
    TempDir temp;
    temp.write("a.txt", "x\r\n");
    const WorkDir dir(temp.path());
    TopicHistory history;
    history.load(dir, "a");
    std::filesystem::create_directory(temp.path() / "b_履歴.txt");
    EXPECT_THROW(history.load(dir, "b"), FileError);
    EXPECT_EQ(history.associations(), (Texts{"x"}));
}

} // namespace
} // namespace wordbloom
