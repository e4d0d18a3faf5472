// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/import_plan.h"
#include "import/import_source.h"
#include "import_fixture.h"

namespace wordbloom::testing {
namespace {

// A played folder takes in a Windows copy's files: nothing of ours is lost,
// each file holds the union in our format, the logs in time order.
TEST_F(ImportTest, AnImportIntoAPlayedFolderMergesEveryFileByteForByte) {
    const std::string g10 = game("2024/01/10", "10:00:00", "一番食べたいもの");
    const std::string g11 = game("2024/01/11", "08:00:00", "好きな色");
    const std::string g12 = game("2024/01/12", "09:00:00", "一番食べたいもの");
    const std::string g13 = game("2024/01/13", "07:30:00", "好きな色");
    const std::string torn = cp932("\"2024/01/11\",\"08:05:00\",\"好きな色\",3,1\r\n");
    const std::string a1 = answer("2024/01/10", "10:00:01", "りんご");
    const std::string a0 = answer("2024/01/09", "12:00:00", "なし");
    // 纊 has an NEC code (ED 40) and an IBM code (FA 5C): one known answer.
    const std::string necKanji = "\xED\x40\r\n";
    const std::string ibmKanji = "\xFA\x5C\r\n";
    struct Case {
        const char* name;
        std::string ours;
        std::string incoming;
        std::string expected;
    };
    const Case cases[] = {
        {"履歴.txt", g10 + g12, g13 + g11 + torn + g10, g10 + g11 + torn + g12 + g13},
        // Two like answers in one second were two answers, and stay two.
        {"一番食べたいもの_履歴.txt", a1 + a1, a1 + a0 + a1, a0 + a1 + a1},
        {"一番食べたいもの.txt", cp932("りんご\r\n") + necKanji + cp932("みかん"),
         cp932("みかん\r\nぶどう\r\n\r\nりんご\r\n") + ibmKanji,
         cp932("りんご\r\n") + necKanji + cp932("みかん\r\nぶどう\r\n")},
        {"題目.txt", cp932("一番食べたいもの\r\n"), "好きな色\n一番食べたいもの\na/b\n",
         cp932("一番食べたいもの\r\n好きな色\r\n")},
        {"設定.txt", "60,0\r\n", "90,1\r\n", "60,0\r\n"},
        // Files turned into UTF-8 on the way come back to code page 932.
        {"好きな色_履歴.txt", "", "\"2024/01/11\",\"08:00:01\",\"001\",\"赤\"\r\n",
         answer("2024/01/11", "08:00:01", "赤")},
    };
    for (const Case& c : cases) {
        if (!c.ours.empty()) {
            data.write(c.name, c.ours);
        }
        source.write(c.name, c.incoming);
    }
    const ImportPlan plan = planImport(WorkDir(data.path()), readIncomingData(source.path()));
    EXPECT_EQ(plan.preview.games.added, 2U);
    EXPECT_EQ(plan.preview.games.alreadyThere, 1U);
    EXPECT_EQ(plan.preview.answers.added, 2U);
    EXPECT_EQ(plan.preview.answers.alreadyThere, 2U);
    EXPECT_EQ(plan.preview.knownAnswers.added, 1U);
    EXPECT_EQ(plan.preview.topics.added, 1U);
    const std::string backup = applyImport(WorkDir(data.path()), plan, clock.now());
    EXPECT_EQ(backup, "取り込み前-20240115-090000");
    for (const Case& c : cases) {
        EXPECT_EQ(data.read(c.name), c.expected) << c.name;
        if (!c.ours.empty() && c.ours != c.expected) {
            EXPECT_EQ(data.read(backup + "/" + c.name), c.ours) << c.name;
        }
    }
    // The same import again finds everything there.
    EXPECT_FALSE(
        planImport(WorkDir(data.path()), readIncomingData(source.path())).changesAnything());
}

// The settings that come in take the place of ours only while our play
// history holds no game, and only when they can be read.
TEST_F(ImportTest, IncomingSettingsReplaceOursOnlyWhileOurHistoryIsEmpty) {
    struct Case {
        std::string ourHistory;
        const char* incoming;
        const char* expected;
    };
    const Case cases[] = {
        {"", "90,1\r\n", "90,1\r\n"},
        {"", "90,1", "90,1\r\n"},
        {"", "not numbers\r\n", "60,0\r\n"},
        {cp932("torn line\r\n"), "90,1\r\n", "90,1\r\n"},
        {game("2024/01/10", "10:00:00", "x"), "90,1\r\n", "60,0\r\n"},
    };
    for (const Case& c : cases) {
        data.write("履歴.txt", c.ourHistory);
        data.write("設定.txt", "60,0\r\n");
        source.write("設定.txt", c.incoming);
        const ImportPlan plan = planImport(WorkDir(data.path()), readIncomingData(source.path()));
        applyImport(WorkDir(data.path()), plan, clock.now());
        EXPECT_EQ(data.read("設定.txt"), c.expected) << c.incoming;
    }
}

// The box says what will happen; Cancel writes nothing, 取り込む writes the
// merge after a backup beside the data, and the game shows the merged data.
TEST_F(ImportTest, ThePreviewDecidesAndTheGameShowsWhatCameIn) {
    source.write("履歴.txt", game("2024/01/10", "10:00:00", "好きな色"));
    source.write("題目.txt", cp932("好きな色\r\n"));
    source.write("好きな色.txt", cp932("赤\r\n"));
    std::filesystem::create_directory(data.path() / "取り込み前-20240115-090000");
    app();
    const auto before = contents(data.path());
    prompter.answers = {MessageAnswer::Cancel};
    app().importData(source.path());
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_EQ(prompter.shown[0].buttons, MessageButtons::OkCancel);
    EXPECT_NE(prompter.shown[0].text.find("取り込み前-20240115-090000"), std::string::npos);
    EXPECT_EQ(contents(data.path()), before);
    EXPECT_TRUE(view.historyRows.empty());

    prompter.answers = {MessageAnswer::Ok};
    app().importData(source.path());
    // The folder of the clock's second was taken: the backup takes the next name.
    const auto after = contents(data.path());
    EXPECT_EQ(after.at("取り込み前-20240115-090000-2/履歴.txt"), "");
    EXPECT_EQ(after.at("取り込み前-20240115-090000-2/題目.txt"), before.at("題目.txt"));
    EXPECT_EQ(after.at("履歴.txt"), game("2024/01/10", "10:00:00", "好きな色"));
    ASSERT_EQ(view.historyRows.size(), 1U);
    EXPECT_EQ(view.historyRows[0][3], "好きな色");
    EXPECT_EQ(view.topicLists, (std::vector<std::string>{"一番食べたいもの", "好きな色"}));
}

} // namespace
} // namespace wordbloom::testing
