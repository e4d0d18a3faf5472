// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window's verbs: which topic it opens on, what it reads and
// what it tells the player when it cannot.

#include "game_fixture.h"
#include "dialogue/messages.h"

#include <filesystem>

namespace wordbloom::testing {
namespace {

std::string twoGamesOfTwoTopics() {
    return cp932(
        "\"2024/01/08\",\"10:00:00\",\"好きな色\",3,2,1,0,6,\"0.10/秒\",\"60秒\"\r\n"
        "\"2024/01/15\",\"09:00:00\",\"一番食べたいもの\",4,4,0,0,8,\"0.13/秒\",\"60秒\"\r\n");
}

TEST_F(GameTest, ProgressOpensOnTheTopicOfAHistoryRowOrTheDisplayedOne) {
    temp.write("履歴.txt", twoGamesOfTwoTopics());
    app().openProgressOfHistoryRow(0);
    ASSERT_EQ(view.progressShown.size(), 1U);
    EXPECT_EQ(view.progressShown[0].topic, "好きな色");
    ASSERT_EQ(view.progressShown[0].topicProgress.games.size(), 1U);
    EXPECT_EQ(view.progressShown[0].topicProgress.games[0].newAnswers, 2);
    EXPECT_EQ(view.progressShown[0].overallProgress.mostPlayedTopics.size(), 2U);
    EXPECT_EQ(runner.runs.back(), kLoadingProgress); // read as long work

    app().openProgressOfHistoryRow(2); // a row past the last has no topic
    EXPECT_EQ(view.progressShown.size(), 1U);

    app().openProgressOfDisplayedTopic(); // the game panel's topic
    EXPECT_EQ(view.progressShown.back().topic, "一番食べたいもの");
    view.topic = "好きな色";
    app().openTopicPanel();
    view.topic = "一番食べたいもの";
    app().openProgressOfDisplayedTopic(); // the open panel's topic
    EXPECT_EQ(view.progressShown.back().topic, "好きな色");
    app().closeTopicPanel();
    app().openProgressOfDisplayedTopic();
    EXPECT_EQ(view.progressShown.back().topic, "一番食べたいもの");
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(GameTest, GamesAreLookedAtFromWhatWasReadAndTheStreakEndsToday) {
    temp.write(
        "履歴.txt",
        cp932("\"2024/01/14\",\"08:00:00\",\"好きな色\",1,1,0,0,2,\"0.03/秒\",\"60秒\"\r\n"
              "\"2024/01/14\",\"09:01:00\",\"好きな色\",1,1,0,0,2,\"0.03/秒\",\"60秒\"\r\n"));
    temp.write("好きな色_履歴.txt", cp932("\"2024/01/14\",\"09:00:00\",\"001\",\"赤\"\r\n"
                                          "\"2024/01/14\",\"10:00:00\",\"002\",\"青\"\r\n"));
    app();
    view.topic = "好きな色";
    app().openProgressOfDisplayedTopic();
    ASSERT_EQ(view.closeUps.size(), 1U);
    EXPECT_EQ(view.closeUps[0].game, 1U); // the latest game of the log
    // Yesterday's game keeps the streak current on the clock's day.
    const PlayCalendar& calendar = view.progressShown[0].overallProgress.calendar;
    ASSERT_TRUE(calendar.current.has_value());
    EXPECT_EQ(calendar.current->days(), 1);

    // The files are gone: looking at another game reads nothing.
    temp.write("好きな色_履歴.txt", "");
    app().progress().lookAtSavedGame(1);
    ASSERT_EQ(view.closeUps.size(), 2U);
    EXPECT_EQ(view.closeUps[1].game, 0U);
    EXPECT_EQ(view.closeUps[1].newAnswers, 1U);
    app().progress().lookAtSavedGame(0); // saved before the log begins
    EXPECT_EQ(view.unloggedGames, std::vector<std::size_t>{0});
    app().progress().lookAtLoggedGame(2); // not there
    app().progress().lookAtSavedGame(2);
    EXPECT_EQ(view.closeUps.size(), 2U);
    EXPECT_EQ(view.unloggedGames.size(), 1U);
}

TEST_F(GameTest, ProgressOfANeverPlayedTopicIsEmptyAndWritesNothing) {
    view.topic = "まだ遊んでいないお題";
    app().openProgressOfDisplayedTopic();
    ASSERT_EQ(view.progressShown.size(), 1U);
    EXPECT_TRUE(view.progressShown[0].topicProgress.games.empty());
    EXPECT_TRUE(view.progressShown[0].topicProgress.vocabulary.empty());
    EXPECT_TRUE(view.progressShown[0].overallProgress.weeks.empty());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_FALSE(temp.exists("まだ遊んでいないお題.txt"));
    EXPECT_FALSE(temp.exists("まだ遊んでいないお題_履歴.txt"));
}

TEST_F(GameTest, ProgressThatCannotBeReadIsReportedAndNothingIsShown) {
    app();
    view.topic = "a/b";
    app().openProgressOfDisplayedTopic();
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_EQ(prompter.shown[0].text, "a/b に含まれる / は使えません");
    EXPECT_TRUE(runner.runs.size() == 1U); // only start-up's reading: nothing was read

    std::filesystem::create_directory(temp.path() / "好きな色_履歴.txt");
    view.topic = "好きな色";
    app().openProgressOfDisplayedTopic();
    ASSERT_EQ(prompter.shown.size(), 2U);
    EXPECT_EQ(prompter.shown[1].title, "ファイルエラー");
    EXPECT_NE(prompter.shown[1].text.find(failed::kReadProgress), std::string::npos);
    EXPECT_NE(prompter.shown[1].text.find("好きな色_履歴.txt"), std::string::npos);
    EXPECT_TRUE(view.progressShown.empty());
}

} // namespace
} // namespace wordbloom::testing
