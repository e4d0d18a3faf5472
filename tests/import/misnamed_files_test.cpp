// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/misnamed_files.h"
#include "import_fixture.h"

namespace wordbloom::testing {
namespace {

// Files copied from Windows with their Shift_JIS names, beside the starter
// files the launcher put in: the box at start-up puts them right, or leaves
// everything as it is.
TEST_F(ImportTest, MisnamedFilesAreRenamedOrMergedOnlyWhenThePlayerAgrees) {
    const std::string history = game("2023/12/01", "20:00:00", "表示");
    const std::string list = cp932("画面\r\n");
    const std::string log = answer("2023/12/01", "20:00:01", "画面");
    data.write(cp932("履歴.txt"), history);
    data.write(cp932("設定.txt"), "120,1\r\n");
    data.write(kHyouji + ".txt", list);
    data.write(kNouryoku + cp932("_履歴.txt"), log);
    data.write("\x80\xFF.txt", "unreadable name\r\n");
    const auto before = contents(data.path());
    const WorkDir dir(data.path());
    ASSERT_EQ(findMisnamedFiles(dir).size(), 4U);

    prompter.answers = {MessageAnswer::Cancel};
    offerToRenameMisnamedFiles(dir, prompter, runner, clock.now());
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_EQ(contents(data.path()), before);

    prompter.answers = {MessageAnswer::Ok};
    offerToRenameMisnamedFiles(dir, prompter, runner, clock.now());
    const std::string backup = "取り込み前-20240115-090000/";
    const std::map<std::string, std::string> expected = {
        {"\x80\xFF.txt", "unreadable name\r\n"},
        {"履歴.txt", history},
        {"設定.txt", "120,1\r\n"},
        {"題目.txt", cp932("一番食べたいもの\r\n")},
        {"表示.txt", list},
        {"能力_履歴.txt", log},
        {backup + "履歴.txt", ""},
        {backup + "設定.txt", "60,0\r\n"},
        {backup + cp932("履歴.txt"), history},
        {backup + cp932("設定.txt"), "120,1\r\n"},
    };
    EXPECT_EQ(contents(data.path()), expected);
    EXPECT_TRUE(findMisnamedFiles(dir).empty());
}

} // namespace
} // namespace wordbloom::testing
