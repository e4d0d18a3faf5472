// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/game_close_up.h"
#include "history/progress_reading.h"
#include "progress_fixture.h"

namespace wordbloom {
namespace {

using testing::ProgressTest;
using Texts = std::vector<std::string>;

struct Logged {
    const char* date;
    const char* time;
    const char* gameNumber;
    const char* answer;
};

class GameCloseUpTest : public ProgressTest {
protected:
    const TopicAnswerLog& read(const std::vector<Logged>& records, const char* topic = "色") {
        for (const Logged& each : records) {
            appendAnswerLogRecord(dir, topic, {each.date, each.time, each.gameNumber, each.answer});
        }
        m_progress = readProgress(dir, topic).topic;
        return m_progress.answerLog;
    }
    const TopicProgress& progress() const { return m_progress; }

private:
    TopicProgress m_progress;
};

std::string kinds(const GameCloseUp& game) {
    std::string text;
    for (const CloseUpAnswer& answer : game.answers) {
        text += answer.kind == LoggedKind::New        ? "新"
                : answer.kind == LoggedKind::Existing ? "既"
                                                      : "重";
    }
    return text;
}

TEST_F(GameCloseUpTest, KindsComeFromTheLogAloneAndTheKnownAnswersNotRecalledAreListed) {
    const TopicAnswerLog& log = read({
        {"2024/01/15", "09:00:00", "000", "黒"}, // before any game
        {"2024/01/15", "09:01:00", "001", "赤"},
        {"2024/01/15", "09:01:01", "001", "青"},
        {"2024/01/15", "09:01:02", "001", "黄"},
        {"2024/01/15", "09:01:03", "001", "赤"},
        {"2024/01/15", "10:00:00", "002", "緑"},
        {"2024/01/15", "10:00:01", "002", "青"},
        {"2024/01/15", "10:00:02", "002", "赤"},
        {"2024/01/16", "09:00:00", "001", "青"},
        {"2024/01/16", "09:00:01", "001", "白"},
        {"2024/01/16", "09:00:02", "001", "黒"},
        {"2024/01/16", "09:00:03", "001", "白"},
        {"2024/01/16", "10:00:00", "002", "赤"},
    });
    ASSERT_EQ(log.games().size(), 5U);
    const std::pair<std::size_t, const char*> expected[] = {
        {0, "新"}, {1, "新新新重"}, {2, "新既既"}, {3, "既新既重"}, {4, "既"}};
    for (const auto& [game, text] : expected) {
        EXPECT_EQ(kinds(closeUp(log, game)), text) << game;
    }

    const auto notRecalled = [&log](const GameCloseUp& game) {
        Texts listed;
        for (const UnrecalledAnswer& each : game.notRecalled) {
            listed.push_back(std::string(log.text(each.answer)) + std::to_string(each.timesGiven));
        }
        return listed;
    };
    const GameCloseUp fourth = closeUp(log, 3);
    EXPECT_EQ(fourth.knownBefore, 5U);
    EXPECT_EQ(fourth.recalled, 2U); // 青 and 黒
    // 赤 three times before (once more after); then 黄 and 緑 once each, 黄
    // given first.
    EXPECT_EQ(notRecalled(fourth), (Texts{"赤3", "黄1", "緑1"}));
    EXPECT_EQ(notRecalled(closeUp(log, 2)), (Texts{"黒1", "黄1"}));
    EXPECT_EQ(closeUp(log, 0).knownBefore, 0U);
    EXPECT_TRUE(closeUp(log, 0).notRecalled.empty());
}

TEST_F(GameCloseUpTest, PaceCountsTenSecondSlicesFromTheFirstAnswer) {
    struct Case {
        std::vector<Logged> records;
        std::vector<std::size_t> slices;
        std::size_t later;
        std::size_t untimed;
    };
    const Case cases[] = {
        {{{"2024/01/15", "09:00:00", "001", "a"},
          {"2024/01/15", "09:00:09", "001", "b"},
          {"2024/01/15", "09:00:10", "001", "c"},
          {"2024/01/15", "09:00:31", "001", "d"}},
         {2, 1, 0, 1},
         0,
         0},
        // An earlier time, one that cannot be read, and one past the longest
        // play length.
        {{{"2024/01/15", "朝", "001", "a"},
          {"2024/01/15", "09:00:05", "001", "b"},
          {"2024/01/15", "09:00:04", "001", "c"},
          {"2024/01/15", "09:03:05", "001", "d"},
          {"2024/01/15", "09:02:59", "001", "e"}},
         {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
         1,
         2},
        // Past midnight, at the end of a year, the game goes on.
        {{{"2024/12/31", "23:59:58", "002", "a"},
          {"2025/01/01", "00:00:03", "002", "b"},
          {"2025/01/01", "00:00:12", "002", "c"}},
         {2, 1},
         0,
         0},
    };
    int topic = 0;
    for (const Case& each : cases) {
        const TopicAnswerLog& log = read(each.records, std::to_string(++topic).c_str());
        ASSERT_EQ(log.games().size(), 1U) << topic;
        const AnswerPace pace = closeUp(log, 0).pace;
        EXPECT_EQ(pace.slices, each.slices) << topic;
        EXPECT_EQ(pace.later, each.later) << topic;
        EXPECT_EQ(pace.untimed, each.untimed) << topic;
    }
}

TEST_F(GameCloseUpTest, AGameGoesOnPastMidnightOnlyWhenItsNumberOrItsPaceTellsSo) {
    struct Case {
        Logged before;
        Logged after;
        std::size_t games;
    };
    const Case cases[] = {
        // A number of 2 or more would have been 1 on a new day.
        {{"2024/01/31", "23:59:50", "002", "a"}, {"2024/02/01", "00:30:00", "002", "b"}, 1},
        {{"2024/12/31", "23:59:00", "001", "a"}, {"2025/01/01", "00:02:00", "001", "b"}, 1},
        {{"2024/01/15", "23:59:00", "000", "a"}, {"2024/01/16", "00:01:00", "000", "b"}, 1},
        // Too long after: the new day's first game.
        {{"2024/01/15", "23:50:00", "001", "a"}, {"2024/01/16", "00:00:30", "001", "b"}, 2},
        {{"2024/01/15", "23:59:00", "003", "a"}, {"2024/01/16", "00:00:10", "001", "b"}, 2},
        {{"2024/01/15", "23:59:00", "002", "a"}, {"2024/01/17", "00:00:10", "002", "b"}, 2},
        {{"2024/01/15", "23:59:59", "001", "a"}, {"2024/01/16", "夜", "001", "b"}, 2},
    };
    int topic = 0;
    for (const Case& each : cases) {
        const TopicAnswerLog& log =
            read({each.before, each.after}, std::to_string(++topic).c_str());
        EXPECT_EQ(log.games().size(), each.games) << topic;
        EXPECT_EQ(log.games()[0].crossedMidnight, each.games == 1) << topic;
    }
}

TEST_F(GameCloseUpTest, EachSavedGameFindsTheLastGameBegunBeforeItWasSaved) {
    save("2024/01/15", "07:00:00", "色", 1); // before the log was cleared
    save("2024/01/15", "09:01:05", "色", 1);
    save("2024/01/15", "11:01:00", "色", 1);
    save("2024/01/15", "11:05:00", "色", 1); // the same game saved again
    store({"2024/01/15", "昼", "色", "1", 1, 0, "0", "4", "0.07/秒", "60秒"});
    const TopicAnswerLog& log = read({
        {"2024/01/15", "08:00:00", "000", "a"}, // answers before any game
        {"2024/01/15", "09:00:00", "001", "b"},
        {"2024/01/15", "10:00:00", "002", "c"}, // never saved
        {"2024/01/15", "11:00:00", "003", "d"},
    });
    ASSERT_EQ(log.games().size(), 4U);
    using Links = std::vector<std::optional<std::size_t>>;
    // The time that cannot be read comes first in its day.
    EXPECT_EQ(progress().savedLinks.loggedGameOfSaved, (Links{{}, {}, 1, 3, 3}));
    EXPECT_EQ(progress().savedLinks.savedGameOfLogged, (Links{{}, 2, {}, 3}));
}

TEST_F(GameCloseUpTest, AGameWithoutAPlaceInTimeIsListedCountedAndNeverGuessedAt) {
    save("2024/01/15", "09:01:00", "色", 1);
    save("2024/01/16", "10:01:00", "色", 1); // its game's time cannot be read
    const TopicAnswerLog& log = read({
        {"昨日", "09:00:00", "001", "a"},
        {"2024/01/15", "09:00:00", "001", "b"},
        {"2024/01/16", "朝", "001", "c"},
        {"2024/01/16", "10:00:30", "001", "d"},
    });
    ASSERT_EQ(log.games().size(), 3U);
    EXPECT_EQ(log.unreadableDates(), 1U);
    EXPECT_EQ(log.unreadableTimes(), 1U);
    using Links = std::vector<std::optional<std::size_t>>;
    EXPECT_EQ(progress().savedLinks.loggedGameOfSaved, (Links{1, {}}));
    EXPECT_EQ(closeUp(log, 2).pace.slices, std::vector<std::size_t>{1});
    EXPECT_EQ(closeUp(log, 2).pace.untimed, 1U);
}

TEST_F(GameCloseUpTest, FavouritesAreTheAnswersGivenMostAndTheEarlierFirstOfATie) {
    std::vector<Logged> records;
    for (const char* answer : {"青", "赤", "緑", "赤", "白", "緑", "赤", "緑", "白"}) {
        records.push_back({"2024/01/15", "09:00:00", "001", answer});
    }
    read(records);
    Texts favourites;
    for (const AnswerCount& each : favouriteAnswers(progress().answerLog, 3)) {
        favourites.push_back(each.answer + std::to_string(each.times));
    }
    EXPECT_EQ(favourites, (Texts{"赤3", "緑3", "白2"}));
    EXPECT_EQ(progress().favouriteAnswers.size(), 4U);
    EXPECT_EQ(progress().answerLog.differentAnswers(), 4U);
}

} // namespace
} // namespace wordbloom
