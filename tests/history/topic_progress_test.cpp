// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/progress_reading.h"
#include "history/topic_progress.h"
#include "progress_fixture.h"

#include <array>

namespace wordbloom {
namespace {

using testing::ProgressTest;
using Texts = std::vector<std::string>;

class TopicProgressTest : public ProgressTest {};

Texts whenPlayed(const TopicProgress& progress) {
    Texts moments;
    for (const TopicGame& game : progress.games) {
        moments.push_back(game.date + " " + game.time);
    }
    return moments;
}

std::vector<std::array<int, 3>> bars(const TopicProgress& progress) {
    std::vector<std::array<int, 3>> counts;
    for (const TopicGame& game : progress.games) {
        counts.push_back({game.newAnswers, game.existingAnswers, game.duplicateAnswers});
    }
    return counts;
}

TEST_F(TopicProgressTest, GamesStandInTheOrderPlayedWithTheirThreeCounts) {
    save("2024/01/16", "09:00:00", "色", 3, 1, 0);
    save("2024/01/15", "21:00:00", "色", 2, 2, 1);
    save("2024/01/15", "08:00:00", "夏", 9, 9, 9); // another topic
    save("2024/01/15", "08:30:00", "色", 1, 0, 0);
    save("2024/01/15", "21:00:00", "色", 5, 0, 0); // the same moment: after the one above
    // Hand-edited: a date without leading zeros, a time and a duplicate count
    // that cannot be read (the total gives it), a date that cannot be read.
    store({"2024/1/14", "10:00:00", "色", "1", 1, 0, "0", "4", "0.07/秒", "60秒"});
    store({"2024/01/15", "朝", "色", "7", 4, 1, "x", "28", "0.47/秒", "60秒"});
    store({"昨日", "10:00:00", "色", "1", 1, 0, "0", "4", "0.07/秒", "60秒"});

    const TopicProgress progress = readProgress(dir, "色").topic;
    EXPECT_EQ(whenPlayed(progress),
              (Texts{"2024/1/14 10:00:00", "2024/01/15 朝", "2024/01/15 08:30:00",
                     "2024/01/15 21:00:00", "2024/01/15 21:00:00", "2024/01/16 09:00:00"}));
    EXPECT_EQ(bars(progress),
              (std::vector<std::array<int, 3>>{
                  {1, 0, 0}, {4, 1, 2}, {1, 0, 0}, {2, 2, 1}, {5, 0, 0}, {3, 1, 0}}));
    EXPECT_EQ(progress.unreadableDates, 1U);
}

TEST_F(TopicProgressTest, ARateIsStoredOrWorkedOutOrLeftOutWhileTheBarsStay) {
    struct Case {
        const char* rate;
        const char* characters;
        const char* playLength;
        std::optional<double> shown;
    };
    const Case cases[] = {
        {"0.67/秒", "40", "60秒", 0.67}, // stored, as the history grid shows it
        {"2.50/秒", "1", "60秒", 2.5},   // stored, even where the counts disagree
        {"速い", "45", "60秒", 0.75},    // worked out: characters over play length
        {"", "30", "20秒", 1.5},          {"-1.00/秒", "30", "60秒", 0.5},
        {"1e2/秒", "30", "60秒", 0.5},    {"0.67", "30", "60秒", 0.5},
        {"?", "40", "0秒", std::nullopt}, {"?", "many", "60秒", std::nullopt},
        {"?", "40", "60", std::nullopt},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::string time = "10:00:0" + std::to_string(i);
        store({"2024/01/15", time, "色", "3", 2, 1, "0", cases[i].characters, cases[i].rate,
               cases[i].playLength});
    }
    const TopicProgress progress = readProgress(dir, "色").topic;
    ASSERT_EQ(progress.games.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& rate = progress.games[i].charactersPerSecond;
        ASSERT_EQ(rate.has_value(), cases[i].shown.has_value()) << cases[i].rate;
        if (rate) {
            EXPECT_DOUBLE_EQ(*rate, *cases[i].shown) << cases[i].rate;
        }
        EXPECT_EQ(progress.games[i].newAnswers, 2);
    }
}

TEST_F(TopicProgressTest, VocabularyCountsEachDifferentAnswerOnceAfterEveryGame) {
    logAnswer("色", "2024/01/15", "001", "赤");
    logAnswer("色", "2024/01/15", "001", "青");
    logAnswer("色", "2024/01/15", "001", "赤"); // twice in one game
    logAnswer("色", "2024/01/15", "002", "青"); // again in a later game
    logAnswer("色", "2024/01/15", "002", "緑");
    logAnswer("色", "2024/01/16", "001", "緑"); // game 001 of another day
    logAnswer("色", "2024/01/16", "001", "say \"hi\", ok");
    logAnswer("色", "2024/01/16", "002", "say \"hi\", ok");
    logAnswer("夏", "2024/01/16", "003", "海");

    const TopicProgress progress = readProgress(dir, "色").topic;
    Texts points;
    for (const VocabularyPoint& point : progress.vocabulary) {
        points.push_back(point.date + " " + point.gameNumber + " " +
                         std::to_string(point.differentAnswers));
    }
    EXPECT_EQ(points, (Texts{"2024/01/15 001 2", "2024/01/15 002 3", "2024/01/16 001 4",
                             "2024/01/16 002 4"}));
}

TEST_F(TopicProgressTest, AThousandDifferentAnswersAreCountedAsExactlyAsThree) {
    std::string log;
    const auto give = [&](const char* gameNumber, int first, int last) {
        for (int i = first; i < last; ++i) {
            log += fileLine<AnswerLogFormat>(
                {"2024/01/15", "09:00:00", gameNumber, "答え" + std::to_string(i)});
        }
    };
    give("001", 0, 500);
    give("002", 250, 750);
    give("003", 0, 1000);
    temp.write("色_履歴.txt", encodeCp932(log));
    Texts counts;
    for (const VocabularyPoint& point : readProgress(dir, "色").topic.vocabulary) {
        counts.push_back(point.gameNumber + " " + std::to_string(point.differentAnswers));
    }
    EXPECT_EQ(counts, (Texts{"001 500", "002 750", "003 1000"}));
}

TEST_F(TopicProgressTest, PersonalBestsGoToTheEarliestGameOfATie) {
    // In the file the latest game comes first; a game without a rate never
    // holds the best rate.
    save("2024/01/17", "09:00:00", "色", 9, 0, 0, 90, 60);
    save("2024/01/15", "09:00:00", "色", 5, 0, 0, 90, 60);
    save("2024/01/16", "09:00:00", "色", 9, 0, 0, 30, 60);
    store({"2024/01/18", "09:00:00", "色", "1", 1, 0, "0", "?", "?", "60秒"});

    const TopicProgress progress = readProgress(dir, "色").topic;
    ASSERT_TRUE(progress.mostNewAnswers && progress.bestRate);
    EXPECT_EQ(progress.mostNewAnswers->game, 1U);
    EXPECT_EQ(progress.mostNewAnswers->value, 9);
    EXPECT_EQ(progress.mostNewAnswers->date, "2024/01/16");
    EXPECT_EQ(progress.bestRate->game, 0U);
    EXPECT_DOUBLE_EQ(progress.bestRate->value, 1.5);
    EXPECT_EQ(progress.bestRate->date, "2024/01/15");
}

} // namespace
} // namespace wordbloom
