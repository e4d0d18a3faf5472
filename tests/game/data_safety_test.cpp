// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"
#include "dialogue/messages.h"
#include "support/player_process.h"

#include <filesystem>
#include <sys/stat.h>

namespace wordbloom::testing {
namespace {

namespace fs = std::filesystem;
using K = AnswerKind;
using Texts = std::vector<std::string>;

constexpr unsigned kSecondsBeforeAHangFails = 20;

// Every file of the folder with its bytes.
std::map<std::string, std::string> snapshot(const TempDir& temp) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::directory_iterator(temp.path())) {
        const std::string name = entry.path().filename().string();
        files[name] = entry.is_regular_file() ? temp.read(name) : "(not a file)";
    }
    return files;
}

std::string historyRecord(const std::string& topic) {
    return cp932(R"("2024/01/14","20:00:00",")" + topic + R"(",1,1,0,0,1,"0.02/秒","60秒")" +
                 "\r\n");
}

class DataSafety : public GameTest {
protected:
    // Each action that takes the topic shown or the panel's topic; a line
    // shaped like a play history record is typed as the answer.
    void useEverywhere(const std::string& topic) {
        view.topic = topic;
        view.panelTopicText = topic;
        app().game().startWithShownTopic();
        view.answerBox = "x\",1,1,0,0,1,\"0.02/秒\",\"60秒";
        app().game().submitAnswer(view.answerBox);
        app().game().pickTopic();
        app().game().showKnownAnswers();
        app().openTopicPanel();
        app().topicPanel().pickTopic();
        app().topicPanel().clearTopicData();
        app().game().save();
    }
    bool onlyRefusals(const std::string& text, std::size_t count) const {
        return prompter.shown.size() == count &&
               std::all_of(prompter.shown.begin(), prompter.shown.end(), [&](const Message& m) {
                   return m.title == "使えないお題" && m.icon == MessageIcon::Critical &&
                          m.text == text;
               });
    }
};

TEST_F(DataSafety, ClearingTopicNamedLikeThePlayHistoryIsRefused) {
    temp.write("履歴.txt", historyRecord("好きな色"));
    app();
    view.panelTopicText = "履歴";
    app().topicPanel().clearTopicData();
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_EQ(prompter.shown[0].title, "使えないお題");
    EXPECT_EQ(prompter.shown[0].text,
              "履歴 はゲームが使うファイル「履歴.txt」と同じ名前になるため使えません");
    EXPECT_EQ(temp.read("履歴.txt"), historyRecord("好きな色"));
}

TEST_F(DataSafety, TopicsNamedLikeTheGamesOwnFilesAreRefusedEverywhere) {
    // Rows that an older copy could have saved, and a log such a topic left.
    temp.write("履歴.txt", historyRecord("設定") + historyRecord("好きな色_履歴"));
    temp.write("好きな色_履歴.txt", cp932("\"2024/01/14\",\"20:00:00\",\"001\",\"赤\"\r\n"));
    // A game was played, so that saving has something to save.
    startGame();
    answer("すし");
    playToEnd();
    const auto before = snapshot(temp);
    const std::pair<const char*, const char*> cases[] = {
        {"履歴", "履歴 はゲームが使うファイル「履歴.txt」と同じ名前になるため使えません"},
        {"設定", "設定 はゲームが使うファイル「設定.txt」と同じ名前になるため使えません"},
        {"題目", "題目 はゲームが使うファイル「題目.txt」と同じ名前になるため使えません"},
        {"好きな色_履歴", "好きな色_履歴 は「_履歴」で終わり、ほかのお題の履歴ファイルと同じ"
                          "名前になるため使えません"},
    };
    for (const auto& [topic, text] : cases) {
        prompter.shown.clear();
        useEverywhere(topic);
        EXPECT_TRUE(onlyRefusals(text, 8)) << topic << " " << prompter.shown.size();
    }
    for (std::size_t row = 0; row < 2; ++row) {
        prompter.shown.clear();
        view.topic = "一番食べたいもの";
        app().takeTopicOfHistoryRow(row);
        EXPECT_EQ(prompter.shown.size(), 1U);
        EXPECT_EQ(view.topic, "一番食べたいもの");
    }
    EXPECT_EQ(snapshot(temp), before);
}

TEST_F(DataSafety, TheTopicListNeverOffersAGameFileToTheDraw) {
    temp.write("題目.txt", cp932("履歴\r\n好きな色\r\n設定_履歴\r\n"));
    app();
    EXPECT_EQ(app().game().topics(), Texts{"好きな色"});
    EXPECT_EQ(prompter.shown.size(), 2U);
    for (const float r : {0.0F, 0.5F, 0.99F}) {
        random.value = r;
        app().game().startWithRandomTopic();
        EXPECT_EQ(view.topic, "好きな色");
    }
}

TEST_F(DataSafety, FifoInPlaceOfPlayHistoryIsAFileError) {
    for (const char* name : {"履歴.txt", "設定.txt", "題目.txt"}) {
        fs::remove(temp.path() / name);
        ASSERT_EQ(::mkfifo((temp.path() / name).c_str(), 0666), 0);
        openToPlayer(temp.path());
        EXPECT_TRUE(runAsPlayer(
            [&] {
                Wordbloom starting(WorkDir(temp.path()), clock, random, view, prompter, runner);
                try {
                    starting.startUp();
                    ADD_FAILURE() << name << " was taken";
                } catch (const FileError& error) {
                    EXPECT_EQ(error.fileName(), name);
                    EXPECT_EQ(error.number(), ErrorNumber::PathAccess);
                }
            },
            {.secondsLimit = kSecondsBeforeAHangFails}))
            << name;
        fs::remove(temp.path() / name);
        GameTest::SetUp();
    }
}

TEST_F(DataSafety, FifoInPlaceOfATopicFileIsAFileErrorAndTheGameGoesOn) {
    app();
    temp.write("一番食べたいもの_履歴.txt", "");
    ASSERT_EQ(::mkfifo((temp.path() / "一番食べたいもの.txt").c_str(), 0666), 0);
    openToPlayer(temp.path());
    EXPECT_TRUE(runAsPlayer(
        [&] {
            const auto refusedOnce = [&] {
                const bool once =
                    prompter.shown.size() == 1 && prompter.shown[0].title == "ファイルエラー" &&
                    prompter.shown[0].text.find("一番食べたいもの.txt") != std::string::npos;
                prompter.shown.clear();
                return once;
            };
            app().game().startWithShownTopic();
            EXPECT_TRUE(refusedOnce());
            EXPECT_FALSE(app().game().state().countingDown());
            app().game().pickTopic();
            EXPECT_TRUE(refusedOnce());
            app().openTopicPanel();
            EXPECT_TRUE(refusedOnce());
            prompter.answers = {MessageAnswer::Ok};
            app().topicPanel().clearTopicData();
            ASSERT_EQ(prompter.shown.size(), 2U);
            prompter.shown.erase(prompter.shown.begin()); // the question before clearing
            EXPECT_TRUE(refusedOnce());
            answer("すし"); // new: its line cannot go to the list, the log takes it
            EXPECT_TRUE(refusedOnce());
            EXPECT_EQ(kinds(), std::vector<K>{K::New});
        },
        {.secondsLimit = kSecondsBeforeAHangFails}));
    EXPECT_TRUE(fs::is_fifo(temp.path() / "一番食べたいもの.txt"));
    EXPECT_NE(temp.read("一番食べたいもの_履歴.txt").find(cp932("\"すし\"")), std::string::npos);
}

TEST_F(DataSafety, ATopicTypedWithAWaveDashKeepsOneSetOfFiles) {
    app();
    view.topic = "夏〜冬";
    startGame();
    answer("海");
    playToEnd();
    app().game().save();
    EXPECT_EQ(temp.read("夏～冬.txt"), cp932("海\r\n"));
    EXPECT_NE(temp.read("履歴.txt").find(cp932("\"夏～冬\"")), std::string::npos);

    // The saved row leads back to the same files, and the answer is known.
    view.topic = "一番食べたいもの";
    app().takeTopicOfHistoryRow(0);
    EXPECT_EQ(view.topic, "夏～冬");
    EXPECT_EQ(view.associations, Texts{"海"});
    startGame();
    answer("海");
    EXPECT_EQ(kinds(), std::vector<K>{K::Existing});
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(temp.listing(), "夏～冬.txt 夏～冬_履歴.txt 履歴.txt 設定.txt 題目.txt");
}

TEST_F(DataSafety, ATopicThatWouldComeBackWithABackslashIsRefusedBeforeAnythingIsWritten) {
    app();
    view.topic = "円¥ドル";
    view.panelTopicText = "円¥ドル";
    app().game().startWithShownTopic();
    answer("高い");
    app().topicPanel().clearTopicData();
    ASSERT_EQ(prompter.shown.size(), 3U);
    for (const Message& message : prompter.shown) {
        EXPECT_EQ(message.title, "不正文字");
        EXPECT_EQ(message.text, "円¥ドル に含まれる ¥ は使えません");
    }
    EXPECT_EQ(temp.listing(), "履歴.txt 設定.txt 題目.txt");
}

TEST_F(DataSafety, ChangingThePlayLengthDuringAGameKeepsItsRecord) {
    app();
    startGame();
    app().settings().choosePlayLength("180");
    answer("すしとラーメン"); // 7 characters in a 60-second game
    clock.advance(59);
    app().game().playClockTick();
    EXPECT_TRUE(app().game().state().playClockRunning());
    EXPECT_EQ(view.timeBar, "1/60");
    clock.advance(1);
    app().game().playClockTick();
    EXPECT_FALSE(app().game().state().playClockRunning());
    EXPECT_EQ(view.label(ResultLabel::Rate), "0.12/秒");
    app().settings().choosePlayLength("10"); // after the game, before the save
    app().game().save();
    EXPECT_EQ(temp.read("履歴.txt"),
              cp932("\"2024/01/15\",\"09:01:03\",\"一番食べたいもの\",1,1,0,0,7,\"0.12/秒\","
                    "\"60秒\"\r\n"));

    // The change applies to the next game.
    const std::int64_t started = app().game().state().lastClockReading;
    startGame();
    playToEnd();
    EXPECT_EQ(app().game().state().lastClockReading - started, 3 + 10);
}

TEST_F(DataSafety, AThousandRejectedTopicsShowFiveBoxesAndACount) {
    std::string list;
    for (int i = 1; i <= 1000; ++i) {
        list += "お題/" + std::to_string(100000 + i).substr(1) + "\r\n";
    }
    temp.write("題目.txt", cp932(list + "好きな色\r\n"));
    app();
    ASSERT_EQ(prompter.shown.size(), 6U);
    EXPECT_EQ(prompter.shown[0].text, "お題/00001 に含まれる / は使えませんので飛ばします");
    EXPECT_EQ(prompter.shown[4].text, "お題/00005 に含まれる / は使えませんので飛ばします");
    EXPECT_EQ(prompter.shown[5],
              (Message{"ほかにも 995 個のお題が使えないため飛ばしました。「題目.txt」を確かめて"
                       "ください。",
                       "使えないお題", MessageIcon::Critical, MessageButtons::Ok}));
    EXPECT_EQ(app().game().topics(), Texts{"好きな色"});
}

TEST_F(DataSafety, ATopicTooLongForItsAnswerLogLeavesNoFileBehind) {
    app();
    const std::string topic(248, 'a'); // its list's name fits, its log's does not
    view.topic = topic;
    view.panelTopicText = topic;
    app().game().startWithShownTopic();
    answer("x");
    app().game().pickTopic();
    app().openTopicPanel();
    app().topicPanel().clearTopicData();
    ASSERT_EQ(prompter.shown.size(), 5U);
    EXPECT_NE(prompter.shown[0].text.find("ファイル名が長すぎます"), std::string::npos);
    EXPECT_EQ(temp.listing(), "履歴.txt 設定.txt 題目.txt");
}

TEST_F(DataSafety, AMessageForAHugeTopicKeepsItsStartAndEnd) {
    app();
    std::string topic = "はじまり";
    while (topic.size() < 10'000'000) {
        topic += "とても長いお題";
    }
    topic += "/おわり";
    view.topic = topic;
    app().game().startWithShownTopic();
    ASSERT_EQ(prompter.shown.size(), 1U);
    const std::string& text = prompter.shown[0].text;
    EXPECT_LT(text.size(), 400U);
    EXPECT_TRUE(text.starts_with("はじまりとても長いお題")) << text;
    EXPECT_NE(text.find("…"), std::string::npos);
    EXPECT_TRUE(text.ends_with("/おわり に含まれる / は使えません")) << text;
    EXPECT_EQ(elideForMessage("短いお題"), "短いお題");
    EXPECT_LT(clearTopicConfirmation(topic).text.size(), 400U);
}

} // namespace
} // namespace wordbloom::testing
