// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

namespace wordbloom::testing {
namespace {

using K = AnswerKind;
using Texts = std::vector<std::string>;

TEST_F(GameTest, FirstGameOnANewTopicCreatesItsFilesAndLogsNumberOne) {
    app();
    EXPECT_EQ(view.topic, "一番食べたいもの");
    EXPECT_FALSE(temp.exists("一番食べたいもの.txt"));

    app().game().startWithShownTopic();
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), "");
    EXPECT_EQ(temp.read("一番食べたいもの_履歴.txt"), "");
    EXPECT_EQ(app().game().state().gameNumber, 1);
    EXPECT_FALSE(view.startEnabled);
    runCountdown();

    answer("りんご");
    clock.advance(2);
    answerAll({"すし", "りんご"});
    EXPECT_EQ(kinds(), (std::vector<K>{K::New, K::New, K::Duplicate}));
    EXPECT_EQ(view.label(ResultLabel::New), "2");
    EXPECT_EQ(view.label(ResultLabel::Existing), "0");
    EXPECT_EQ(view.label(ResultLabel::Duplicate), "1");
    EXPECT_EQ(view.answerBox, "");
    EXPECT_EQ(app().game().state().characters, 8);
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), cp932("りんご\r\nすし\r\n"));
    EXPECT_EQ(temp.read("一番食べたいもの_履歴.txt"),
              cp932("\"2024/01/15\",\"09:00:03\",\"001\",\"りんご\"\r\n"
                    "\"2024/01/15\",\"09:00:05\",\"001\",\"すし\"\r\n"
                    "\"2024/01/15\",\"09:00:05\",\"001\",\"りんご\"\r\n"));
}

TEST_F(GameTest, GameNumbersCountTheDaysGamesOnATopic) {
    startGame();
    answer("りんご");
    playToEnd();

    startGame(); // the same day: number 2
    EXPECT_EQ(app().game().state().gameNumber, 2);
    playToEnd(); // no answers: the number is not used up

    startGame();
    EXPECT_EQ(app().game().state().gameNumber, 2);
    answer("すし");
    playToEnd();

    clock.advance(std::int64_t{24} * 3600); // the next day starts again at 1
    startGame();
    EXPECT_EQ(app().game().state().gameNumber, 1);
    answer("みかん");

    const std::string log = temp.read("一番食べたいもの_履歴.txt");
    EXPECT_NE(log.find(cp932("\"002\",\"すし\"")), std::string::npos);
    EXPECT_NE(log.find(cp932("\"2024/01/16\",\"09:03:12\",\"001\",\"みかん\"")), std::string::npos)
        << log;
}

TEST_F(GameTest, NextGameNumberFollowsTheLastLoggedAnswerOfToday) {
    const CalendarTime today{2024, 1, 15, 9, 0, 0};
    struct Case {
        std::optional<AnswerLogRecord> last;
        std::int16_t expected;
    };
    const Case cases[] = {
        {std::nullopt, 1},
        {AnswerLogRecord{"2024/01/15", "08:00:00", "007", "x"}, 8},
        {AnswerLogRecord{"2024/01/14", "23:59:59", "007", "x"}, 1},
        {AnswerLogRecord{"2024/01/15", "08:00:00", "12ab", "x"}, 13},
        {AnswerLogRecord{"2024/01/15", "08:00:00", "abc", "x"}, 1},
        {AnswerLogRecord{"2024/01/15", "08:00:00", "32767", "x"}, 32767},
        {AnswerLogRecord{"2024/01/15", "08:00:00", "999999", "x"}, 32767},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nextGameNumber(c.last, today), c.expected);
    }
    // The last record counts, not the largest number.
    temp.write("t_履歴.txt", "\"2024/01/15\",\"08:00:00\",\"005\",\"a\"\r\n"
                             "\"2024/01/15\",\"08:10:00\",\"002\",\"b\"\r\n");
    app();
    view.topic = "t";
    app().game().startWithShownTopic();
    EXPECT_EQ(app().game().state().gameNumber, 3);
}

TEST_F(GameTest, AnswersAreJudgedNewExistingOrDuplicateAgainstEarlierGames) {
    temp.write("一番食べたいもの.txt", cp932("りんご\r\napple, pie\r\n"));
    startGame();
    answerAll({"りんご", "すし", "りんご", "apple, pie", "apple", "りんご ", "ＲＩＮＧＯ", "   "});
    EXPECT_EQ(kinds(), (std::vector<K>{K::Existing, K::New, K::Duplicate, K::Existing, K::New,
                                       K::New, K::New, K::New}));
    EXPECT_EQ(view.answerRows[2].number, "3");
    EXPECT_EQ(view.label(ResultLabel::Existing), "2");
    EXPECT_EQ(temp.read("一番食べたいもの.txt"),
              cp932("りんご\r\napple, pie\r\nすし\r\napple\r\nりんご \r\nＲＩＮＧＯ\r\n   \r\n"));
    EXPECT_EQ(view.associations.back(), "   ");
}

TEST_F(GameTest, TheAnswerGridScrollsFromTheEighthAnswer) {
    startGame();
    answerAll({"1", "2", "3", "4", "5", "6"});
    EXPECT_FALSE(view.answerTopRow.has_value());
    answer("7");
    EXPECT_FALSE(view.answerTopRow.has_value());
    answer("8");
    EXPECT_EQ(view.answerTopRow, 7U);
}

TEST_F(GameTest, AnEmptyAnswerGoesToTheTextBoxAndChangesNothing) {
    startGame();
    EXPECT_FALSE(app().game().submitAnswer(""));
    EXPECT_FALSE(app().game().submitAnswer("\r\n"));
    EXPECT_TRUE(view.answerRows.empty());
    EXPECT_EQ(temp.read("一番食べたいもの_履歴.txt"), "");
}

TEST_F(GameTest, TheCountdownShowsThreePicturesThenStartsThePlayClock) {
    app();
    view.focus.clear();
    app().game().countdownTick(); // idle: nothing
    EXPECT_EQ(view.startImage, 0);
    app().game().startWithShownTopic();
    std::vector<int> pictures;
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_FALSE(app().game().state().playClockRunning());
        app().game().countdownTick();
        pictures.push_back(view.startImage);
    }
    EXPECT_EQ(pictures, (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(app().game().state().playClockRunning());
    EXPECT_FALSE(app().game().state().countingDown());
    EXPECT_EQ(view.focus, "txtKaitou");
    app().game().countdownTick();
    EXPECT_EQ(view.startImage, 3); // the green light stays after the countdown

    // A start within a second of the countdown's end begins at picture 1.
    app().game().startWithShownTopic();
    app().game().countdownTick();
    EXPECT_EQ(view.startImage, 1);
}

TEST_F(GameTest, ThePlayClockShrinksTheBarAndEndsTheGameOnTime) {
    startGame();
    answer("すし");
    clock.advance(30);
    app().game().playClockTick();
    EXPECT_EQ(view.timeBar, "30/60");
    clock.advance(29);
    app().game().playClockTick();
    EXPECT_TRUE(app().game().state().playClockRunning());
    EXPECT_EQ(view.label(ResultLabel::Rate), "");
    clock.advance(5); // a late tick: the bar stops at 0
    app().game().playClockTick();
    EXPECT_EQ(view.timeBar, "0/60");
    EXPECT_FALSE(app().game().state().playClockRunning());
    EXPECT_TRUE(view.startEnabled);
    EXPECT_EQ(view.label(ResultLabel::Characters), "2");
    EXPECT_EQ(view.label(ResultLabel::Rate), "0.03/秒");
    EXPECT_EQ(temp.read("履歴.txt"), ""); // auto-save is off

    // Answers after the end still count, but the end labels stay.
    answer("みそ");
    EXPECT_EQ(view.label(ResultLabel::New), "2");
    EXPECT_EQ(view.label(ResultLabel::Characters), "2");
}

TEST_F(GameTest, AutoSaveWritesTheGameOnceAndTheButtonAgain) {
    temp.write("設定.txt", "60,1\r\n");
    startGame();
    answerAll({"すし", "すし", "ラーメン"});
    EXPECT_EQ(view.autoSaveState, 1);
    playToEnd();
    const std::string record = cp932(
        "\"2024/01/15\",\"09:01:03\",\"一番食べたいもの\",3,2,0,1,8,\"0.13/秒\",\"60秒\"\r\n");
    EXPECT_EQ(temp.read("履歴.txt"), record);
    ASSERT_EQ(view.historyRows.size(), 1U);
    EXPECT_EQ(view.historyRows[0], (Texts{"1", "24/01/15", "09:01", "一番食べたいもの", "3", "2",
                                          "0", "1", "8", "0.13/秒", "60秒"}));
    app().game().save();
    EXPECT_EQ(temp.read("履歴.txt"), record + record);
    EXPECT_EQ(view.historyRows.size(), 2U);
}

TEST_F(GameTest, SavingIsRefusedSilentlyWhileRunningOrWithNothingJudged) {
    app().game().save(); // nothing played
    app().game().startWithShownTopic();
    answer("すし");
    app().game().save(); // countdown
    runCountdown();
    app().game().save(); // playing
    EXPECT_EQ(temp.read("履歴.txt"), "");
    EXPECT_TRUE(view.historyRows.empty());
    EXPECT_TRUE(prompter.shown.empty());
    playToEnd();
    app().game().save();
    EXPECT_EQ(view.historyRows.size(), 1U);
}

TEST_F(GameTest, SavingTakesTheTopicShownAtTheMoment) {
    startGame();
    answer("すし");
    playToEnd();
    view.topic = "好きな色";
    app().game().save();
    EXPECT_EQ(view.historyRows.at(0).at(3), "好きな色");
}

TEST_F(GameTest, ATopicPickedDuringPlayTakesTheLaterAnswersIntoItsFiles) {
    temp.write("好きな色.txt", cp932("赤\r\n"));
    startGame(); // on 一番食べたいもの, its first game of the day
    answer("すし");
    view.topic = "好きな色";
    app().game().pickTopic();
    EXPECT_EQ(view.associations, Texts{"赤"});
    answerAll({"赤", "すし", "青"}); // judged against the new topic's list and this game's answers
    EXPECT_EQ(kinds(), (std::vector<K>{K::New, K::Existing, K::Duplicate, K::New}));
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), cp932("すし\r\n"));
    EXPECT_EQ(temp.read("一番食べたいもの_履歴.txt"),
              cp932("\"2024/01/15\",\"09:00:03\",\"001\",\"すし\"\r\n"));
    EXPECT_EQ(temp.read("好きな色.txt"), cp932("赤\r\n青\r\n"));
    // The game keeps its number of the day.
    EXPECT_EQ(temp.read("好きな色_履歴.txt"),
              cp932("\"2024/01/15\",\"09:00:03\",\"001\",\"赤\"\r\n"
                    "\"2024/01/15\",\"09:00:03\",\"001\",\"すし\"\r\n"
                    "\"2024/01/15\",\"09:00:03\",\"001\",\"青\"\r\n"));
    playToEnd();
    app().game().save();
    EXPECT_EQ(temp.read("履歴.txt"),
              cp932("\"2024/01/15\",\"09:01:03\",\"好きな色\",4,2,1,1,6,\"0.10/秒\",\"60秒\"\r\n"));
}

TEST_F(GameTest, RestartingDuringAGameRunsBothClocksUntilTheNewCountdownEnds) {
    temp.write("設定.txt", "60,1\r\n");
    startGame();
    answer("すし");
    clock.advance(59);
    app().game().playClockTick();
    app().game().startWithShownTopic(); // one second before the old game's end
    EXPECT_EQ(view.label(ResultLabel::New), "0");
    EXPECT_EQ(app().game().state().gameNumber, 2);
    EXPECT_TRUE(app().game().state().countingDown());
    EXPECT_TRUE(app().game().state().playClockRunning());
    clock.advance(1);
    app().game().countdownTick();
    app().game().playClockTick(); // the old end passes during the countdown
    EXPECT_FALSE(app().game().state().playClockRunning());
    EXPECT_EQ(view.label(ResultLabel::Rate), "0.00/秒");
    EXPECT_EQ(view.label(ResultLabel::Characters), "0");
    EXPECT_TRUE(view.startEnabled);
    EXPECT_EQ(temp.read("履歴.txt"), ""); // auto-save refuses during the countdown
    app().game().countdownTick();
    app().game().countdownTick();
    EXPECT_TRUE(app().game().state().playClockRunning());
    EXPECT_TRUE(view.startEnabled); // stays enabled through the new game
    EXPECT_EQ(app().game().state().playEndsAt, clock.playSeconds() + 60);
}

TEST_F(GameTest, AGameAcrossMidnightEndsOnTimeAndLogsTheNewDate) {
    clock = FakeClock({2024, 1, 15, 23, 59, 30});
    startGame(); // play starts at 23:59:33
    clock.advance(30);
    answer("夜食");
    clock.advance(10);
    app().game().playClockTick();
    EXPECT_TRUE(app().game().state().playClockRunning());
    EXPECT_EQ(view.timeBar, "20/60");
    clock.advance(20);
    app().game().playClockTick();
    EXPECT_FALSE(app().game().state().playClockRunning());
    EXPECT_EQ(temp.read("一番食べたいもの_履歴.txt"),
              cp932("\"2024/01/16\",\"00:00:03\",\"001\",\"夜食\"\r\n"));
}

TEST_F(GameTest, TheRandomStartDrawsEveryTopicWithItsShare) {
    temp.write("題目.txt", cp932("春\r\n夏\r\n秋\r\n冬\r\n"));
    const std::pair<float, const char*> draws[] = {
        {0.0F, "春"}, {0.2499F, "春"}, {0.25F, "夏"}, {0.5F, "秋"}, {0.99999994F, "冬"}};
    for (const auto& [r, topic] : draws) {
        random.value = r;
        app().game().startWithRandomTopic();
        EXPECT_EQ(view.topic, topic) << r;
        EXPECT_FALSE(view.startEnabled);
        runCountdown();
        playToEnd();
    }
    EXPECT_TRUE(temp.exists("冬_履歴.txt"));
}

TEST_F(GameTest, AfterAStartTheBoardIsFreshForTheNewGame) {
    startGame();
    answerAll({"すし", "すし"});
    playToEnd();
    view.answerBox = "typed";
    app().game().startWithShownTopic();
    EXPECT_EQ(view.label(ResultLabel::New), "0");
    EXPECT_EQ(view.label(ResultLabel::Duplicate), "0");
    EXPECT_EQ(view.label(ResultLabel::Characters), "");
    EXPECT_EQ(view.label(ResultLabel::Rate), "");
    EXPECT_EQ(view.timeBar, "full");
    EXPECT_EQ(view.answerBox, "");
    EXPECT_TRUE(view.answerRows.empty());
    EXPECT_EQ(view.associations, (Texts{"すし"}));
    EXPECT_EQ(app().game().state().characters, 0);
}

} // namespace
} // namespace wordbloom::testing
