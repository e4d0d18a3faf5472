// SPDX-License-Identifier: GPL-3.0-or-later
// Actions that fail part-way leave everything as it was, and a settings file
// that says the same values in its own way is left alone.
#include "game_fixture.h"

#include <filesystem>

namespace wordbloom::testing {
namespace {

namespace fs = std::filesystem;

void replaceByFolder(const fs::path& file) {
    fs::remove(file);
    fs::create_directory(file);
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
