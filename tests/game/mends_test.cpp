// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"
#include "dialogue/messages.h"

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace wordbloom::testing {
namespace {

using K = AnswerKind;
using Texts = std::vector<std::string>;

TEST_F(GameTest, TheEmptyTopicIsAllowed) {
    app();
    view.topic = "";
    startGame();
    answer("x");
    EXPECT_EQ(temp.read(".txt"), "x\r\n");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(GameTest, AnswersAreKeptInTheFormTheyComeBackInFromTheFiles) {
    startGame();
    answerAll({"波〜線", "two\r\nlines", "🍎"});
    EXPECT_EQ(view.answerRows[0].text, "波～線");
    EXPECT_EQ(view.answerRows[1].text, "twolines");
    EXPECT_EQ(app().game().state().characters, 3 + 8 + 2);
    playToEnd();
    startGame();
    answerAll({"波〜線", "波～線", "🍎", "twolines"});
    EXPECT_EQ(kinds(), (std::vector<K>{K::Existing, K::Duplicate, K::Existing, K::Existing}));
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), cp932("波～線\r\ntwolines\r\n") + "&#127822;\r\n");
}

TEST_F(GameTest, CountersStopAt32767) {
    EXPECT_EQ(saturatingAdd(32767, 1), 32767);
    EXPECT_EQ(saturatingAdd(32000, 5000), 32767);
    EXPECT_EQ(saturatingAdd(-32768, -1), -32768);
    startGame();
    for (int i = 0; i < 5; ++i) {
        answer(std::to_string(i) + std::string(9000, 'x'));
    }
    EXPECT_EQ(app().game().state().characters, 32767);
    playToEnd();
    EXPECT_EQ(view.label(ResultLabel::Rate), "546.12/秒");
}

TEST_F(GameTest, AFailedAutoSaveAtTheEndOfAGameIsReported) {
    temp.write("設定.txt", "60,1\r\n");
    startGame();
    answer("すし");
    std::filesystem::remove(temp.path() / "履歴.txt");
    std::filesystem::create_directory(temp.path() / "履歴.txt");
    playToEnd();
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_NE(prompter.shown[0].text.find("履歴.txt"), std::string::npos);
    EXPECT_TRUE(view.startEnabled);
    EXPECT_EQ(view.label(ResultLabel::Characters), "2");
}

TEST_F(GameTest, AFailedAnswerAppendIsReportedAndTheGameGoesOn) {
    startGame();
    std::filesystem::remove(temp.path() / "一番食べたいもの.txt");
    std::filesystem::create_directory(temp.path() / "一番食べたいもの.txt");
    answer("すし");
    answer("すし");
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_NE(prompter.shown[0].text.find("一番食べたいもの.txt"), std::string::npos);
    EXPECT_EQ(kinds(), (std::vector<K>{K::New, K::Duplicate}));
    EXPECT_EQ(view.label(ResultLabel::New), "1");
    const std::string log = temp.read("一番食べたいもの_履歴.txt");
    EXPECT_NE(log.find(cp932("\"すし\"\r\n\"2024")), std::string::npos);
}

TEST_F(GameTest, AnUnreadableTopicFileCallsOffTheStartAndIsKept) {
    std::filesystem::create_directory(temp.path() / "一番食べたいもの_履歴.txt");
    temp.write("一番食べたいもの.txt", cp932("りんご\r\n"));
    app();
    view.answerBox = "kept";
    app().game().startWithShownTopic();
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_NE(prompter.shown[0].text.find("一番食べたいもの_履歴.txt"), std::string::npos);
    EXPECT_FALSE(app().game().state().countingDown());
    EXPECT_TRUE(view.startEnabled);
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), cp932("りんご\r\n"));
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "一番食べたいもの_履歴.txt"));
    app().game().countdownTick();
    EXPECT_FALSE(app().game().state().playClockRunning());
}

TEST_F(GameTest, ClicksOnAnEmptyHistoryDoNothing) {
    app();
    app().takeTopicOfHistoryRow(0);
    app().takeTopicOfHistoryRow(1);
    EXPECT_EQ(view.topic, "一番食べたいもの");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(GameTest, StartingFromAnEmptyTopicListTellsThePlayer) {
    temp.write("題目.txt", "");
    app();
    EXPECT_EQ(view.topic, "");
    app().game().startWithRandomTopic();
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_EQ(prompter.shown[0], noTopicsMessage());
    EXPECT_NE(prompter.shown[0].text.find("題目.txt"), std::string::npos);
    EXPECT_FALSE(app().game().state().countingDown());
    EXPECT_TRUE(view.startEnabled);
    EXPECT_EQ(temp.listing(), "履歴.txt 設定.txt 題目.txt");
}

TEST_F(GameTest, ASettingsFileThatCannotBeWrittenIsReportedAndTheChoiceStays) {
    app();
    std::filesystem::remove(temp.path() / "設定.txt");
    std::filesystem::create_directory(temp.path() / "設定.txt");
    app().settings().choosePlayLength("90");
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_NE(prompter.shown[0].text.find("設定.txt"), std::string::npos);
    EXPECT_EQ(app().settings().playLength(), 90);
}

void replaceByFolder(const std::filesystem::path& file) {
    std::filesystem::remove(file);
    std::filesystem::create_directory(file);
}

TEST_F(GameTest, AStartThatCannotReadTheTopicLeavesThePreviousGameAsItWas) {
    startGame();
    answerAll({"すし", "そば"});
    playToEnd();
    replaceByFolder(temp.path() / "一番食べたいもの.txt");
    app().game().startWithRandomTopic();
    app().game().startWithShownTopic();
    EXPECT_EQ(view.label(ResultLabel::New) + view.answerRows.back().text, "2そば");
    answer("すし");
    app().game().save();
    EXPECT_NE(temp.read("履歴.txt").find(",3,2,0,1,6,"), std::string::npos);
}

TEST_F(GameTest, PickingATopicWhoseListCannotBeReadLeavesNoKnownAnswers) {
    temp.write("好きな色.txt", cp932("赤\r\n"));
    replaceByFolder(temp.path() / "一番食べたいもの.txt");
    app();
    view.topic = "好きな色";
    app().game().showKnownAnswers();
    view.topic = "一番食べたいもの";
    app().game().pickTopic();
    EXPECT_TRUE(app().game().associations().items().empty());
}

TEST_F(GameTest, AClearingThatCannotEmptyTheAnswerLogEmptiesNeitherFile) {
    temp.write("一番食べたいもの.txt", cp932("すし\r\n"));
    app().openTopicPanel();
    replaceByFolder(temp.path() / "一番食べたいもの_履歴.txt");
    app().topicPanel().clearTopicData();
    EXPECT_EQ(prompter.shown.back().title, "ファイルエラー");
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), cp932("すし\r\n"));
    EXPECT_EQ(view.panelAssociations.size(), 1U);
}

TEST_F(GameTest, HandEditedSettingsWithTheSameValuesAreLeftAlone) {
    for (const char* edited : {"60,1\n", "60,1   \r\n", "60,1\r\n30,0\r\n"}) {
        temp.write("設定.txt", edited);
        Wordbloom form(WorkDir(temp.path()), clock, random, view, prompter, runner);
        form.startUp(); // turns the switch on, which saves as a click does
        EXPECT_EQ(temp.read("設定.txt"), edited);
        form.settings().choosePlayLength("90");
        EXPECT_EQ(temp.read("設定.txt"), "90,1\r\n");
    }
}

} // namespace
} // namespace wordbloom::testing
