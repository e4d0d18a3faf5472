// SPDX-License-Identifier: GPL-3.0-or-later
// Actions that fail part-way leave everything as it was, and a settings file
// that says the same values in its own way is left alone.
#include "game_fixture.h"

#include <filesystem>

namespace wordbloom::testing {
namespace {

namespace fs = std::filesystem;
using K = AnswerKind;

TEST_F(GameTest, AStartThatCannotReadTheTopicLeavesThePreviousGameAsItWas) {
    for (const bool drawn : {false, true}) {
        SCOPED_TRACE(drawn ? "スタート" : "表示中のお題でスタート");
        startGame();
        answerAll({"すし", "そば", "うどん"});
        playToEnd();
        fs::remove(temp.path() / "一番食べたいもの.txt");
        fs::create_directory(temp.path() / "一番食べたいもの.txt");
        drawn ? app().game().startWithRandomTopic() : app().game().startWithShownTopic();
        EXPECT_EQ(prompter.shown.size(), 1U);
        EXPECT_EQ(view.label(ResultLabel::New) + "/" + view.label(ResultLabel::Characters), "3/7");
        EXPECT_EQ(view.answerRows.size(), 3U);
        answer("すし");
        EXPECT_EQ(view.answerRows.back().kind, K::Duplicate);
        app().game().save();
        EXPECT_NE(temp.read("履歴.txt").find(",4,3,0,1,"), std::string::npos);
        fs::remove(temp.path() / "一番食べたいもの.txt");
        temp.write("履歴.txt", "");
        prompter.shown.clear();
    }
}

TEST_F(GameTest, PickingATopicWhoseListCannotBeReadLeavesNoKnownAnswers) {
    temp.write("好きな色.txt", cp932("赤\r\n"));
    fs::create_directory(temp.path() / "一番食べたいもの.txt");
    app();
    view.topic = "好きな色";
    app().game().pickTopic();
    view.topic = "一番食べたいもの";
    app().game().pickTopic();
    EXPECT_EQ(prompter.shown.size(), 1U);
    EXPECT_TRUE(view.associations.empty());
    EXPECT_TRUE(app().game().associations().items().empty());
}

TEST_F(GameTest, HandEditedSettingsWithTheSameValuesAreLeftAlone) {
    for (const char* edited : {"60,1\n", "60,1   \r\n", "60,1\r\n30,0\r\n"}) {
        SCOPED_TRACE(edited);
        temp.write("設定.txt", edited);
        Wordbloom form(WorkDir(temp.path()), clock, random, view, prompter, runner);
        form.startUp(); // the switch is set on, which saves the values as a click does
        EXPECT_EQ(temp.read("設定.txt"), edited);
        form.settings().choosePlayLength("90");
        EXPECT_EQ(temp.read("設定.txt"), "90,1\r\n");
    }
    EXPECT_TRUE(prompter.shown.empty());
}

} // namespace
} // namespace wordbloom::testing
