// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"
#include "dialogue/messages.h"

namespace wordbloom::testing {
namespace {

using Texts = std::vector<std::string>;

std::string historyLines(int count) {
    std::string lines;
    for (int i = 1; i <= count; ++i) {
        lines += "\"2008/05/14\",\"09:05:07\",\"好きな色\"," + std::to_string(i) +
                 ",1,0,0,3,\"0.05/秒\",\"60秒\"\r\n";
    }
    return cp932(lines);
}

TEST_F(GameTest, StartUpFillsTheWindowFromTheDataFiles) {
    temp.write("設定.txt", "45,1\r\n");
    temp.write("題目.txt", cp932("一番食べたいもの\r\na/b\r\n好きな色\r\n"));
    temp.write("履歴.txt", historyLines(1));
    app();
    EXPECT_EQ(prompter.shown,
              (std::vector<Message>{{"a/b に含まれる / は使えませんので飛ばします", "不正文字",
                                     MessageIcon::Critical, MessageButtons::Ok}}));
    EXPECT_EQ(view.topicLists, (Texts{"一番食べたいもの", "好きな色"}));
    EXPECT_EQ(view.topic, "一番食べたいもの");
    EXPECT_EQ(view.playLengthChoices.front(), "10");
    EXPECT_EQ(view.playLengthChoices.back(), "180");
    EXPECT_EQ(view.playLengthText, "45");
    EXPECT_EQ(view.autoSaveState, 1);
    EXPECT_EQ(temp.read("設定.txt"), "45,1\r\n");
    EXPECT_FALSE(view.panelVisible);
    EXPECT_FALSE(view.associationsVisible);
    EXPECT_EQ(view.associationOptionShow, false);
    EXPECT_EQ(view.answerBox, "");
    EXPECT_EQ(view.label(ResultLabel::Rate), "");
    EXPECT_EQ(view.historyRows, (FakeView::Rows{{"1", "08/05/14", "09:05", "好きな色", "1", "1",
                                                 "0", "0", "3", "0.05/秒", "60秒"}}));
    EXPECT_EQ(app().game().state().gameNumber, 0);
    EXPECT_EQ(runner.runs, (Texts{kLoadingPlayHistory})); // read as long work
    EXPECT_FALSE(temp.exists("一番食べたいもの.txt"));    // showing a topic does not load it
}

TEST_F(GameTest, StartUpLeavesAnUncheckedSwitchAndItsFileAlone) {
    temp.write("設定.txt", "30,0\r\n\"more\"\r\n");
    app();
    EXPECT_EQ(view.autoSaveState, 0);
    EXPECT_EQ(view.playLengthText, "30");
    EXPECT_EQ(temp.read("設定.txt"), "30,0\r\n\"more\"\r\n");
    app().settings().choosePlayLength("90");
    EXPECT_EQ(temp.read("設定.txt"), "90,0\r\n");
    app().settings().setAutoSave(1);
    EXPECT_EQ(temp.read("設定.txt"), "90,1\r\n");
}

TEST_F(GameTest, StartUpStopsOnAMissingOrBadFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"設定.txt", nullptr}, {"題目.txt", nullptr}, {"履歴.txt", nullptr}, {"設定.txt", "0,1"}};
    for (const auto& [name, content] : cases) {
        TempDir folder;
        folder.write("設定.txt", "60,1\r\n");
        folder.write("題目.txt", "");
        folder.write("履歴.txt", "");
        if (content) {
            folder.write(name, content);
        } else {
            std::filesystem::remove(folder.path() / name);
        }
        Wordbloom failing(WorkDir(folder.path()), clock, random, view, prompter, runner);
        try {
            failing.startUp();
            ADD_FAILURE() << name;
        } catch (const FileError& error) {
            EXPECT_EQ(error.fileName(), name);
        }
    }
}

TEST_F(GameTest, TheHistoryGridScrollsFromTheSeventhGame) {
    temp.write("履歴.txt", historyLines(6));
    app();
    EXPECT_FALSE(view.historyTopRow.has_value());
    EXPECT_EQ(view.historyRows.size(), 6U);

    startGame();
    answer("すし");
    playToEnd();
    app().game().save();
    EXPECT_EQ(view.historyTopRow, 6U);
    EXPECT_EQ(view.historyRows.back().front(), "7");
}

TEST_F(GameTest, ABigHistoryLoadsWithItsNewestRowInView) {
    temp.write("履歴.txt", historyLines(40000) + "\"torn");
    app();
    EXPECT_EQ(view.historyRows.size(), 40000U);
    EXPECT_EQ(view.historyRows.back().front(), "40000");
    EXPECT_EQ(view.historyTopRow, 39999U);
}

TEST_F(GameTest, ClickingAHistoryRowShowsThatTopicAndItsAssociations) {
    temp.write("履歴.txt", historyLines(2));
    temp.write("好きな色.txt", cp932("赤\r\n青, 緑\r\n"));
    startGame();
    answer("すし");
    app().takeTopicOfHistoryRow(1);
    EXPECT_EQ(view.topic, "好きな色");
    EXPECT_EQ(view.associations, (Texts{"赤", "青, 緑"}));
    EXPECT_FALSE(view.associationsVisible); // visibility is left as it was
    answer("赤");                           // the running game now plays the clicked topic
    EXPECT_EQ(view.answerRows.back().kind, AnswerKind::Existing);
    EXPECT_EQ(app().game().state().newAnswers, 1);
}

TEST_F(GameTest, ClearingThePlayHistoryAsksFirst) {
    temp.write("履歴.txt", historyLines(3));
    app();
    prompter.answers = {MessageAnswer::Cancel};
    app().history().clear();
    EXPECT_EQ(prompter.shown, std::vector<Message>{clearPlayHistoryConfirmation()});
    EXPECT_EQ(prompter.shown[0].text, "履歴データをクリアします。よろしいですか？");
    EXPECT_EQ(view.historyRows.size(), 3U);
    EXPECT_EQ(temp.read("履歴.txt"), historyLines(3));

    prompter.shown.clear();
    app().history().clear();
    EXPECT_EQ(prompter.shown,
              (std::vector<Message>{clearPlayHistoryConfirmation(),
                                    {"履歴データをクリアしました", "クリア終了",
                                     MessageIcon::Information, MessageButtons::Ok}}));
    EXPECT_TRUE(view.historyRows.empty());
    EXPECT_EQ(temp.read("履歴.txt"), "");

    startGame();
    answer("すし");
    playToEnd();
    app().game().save();
    EXPECT_EQ(view.historyRows.at(0).at(0), "1");
}

TEST_F(GameTest, TheTopicPanelShowsAssociationsAndTheAnswerLog) {
    startGame();
    answerAll({"すし", "そば", "すし"});
    playToEnd();
    startGame();
    answerAll({"うどん", "そば"});
    app().openTopicPanel();
    EXPECT_EQ(runner.runs.back(), kLoadingTopicHistory);
    EXPECT_TRUE(view.panelVisible);
    EXPECT_EQ(view.panelTopicText, "一番食べたいもの");
    EXPECT_EQ(view.panelAssociations, (Texts{"すし", "そば", "うどん"}));
    ASSERT_EQ(view.topicLogRows.size(), 5U);
    EXPECT_EQ(view.topicLogRows[0], (Texts{"1", "2024/01/15", "09:00:03", "001", "すし"}));
    EXPECT_EQ(view.topicLogRows[4], (Texts{"5", "2024/01/15", "09:01:06", "002", "そば"}));

    view.panelTopicText = "好きな色"; // picking another topic replaces the content
    app().topicPanel().pickTopic();
    EXPECT_TRUE(view.panelAssociations.empty());
    EXPECT_TRUE(view.topicLogRows.empty());
    EXPECT_EQ(view.topic, "一番食べたいもの");
    EXPECT_EQ(temp.read("好きな色.txt"), "");
    EXPECT_EQ(temp.read("好きな色_履歴.txt"), "");

    app().topicPanel().hide(); // closing by the background keeps the game's list
    EXPECT_FALSE(view.panelVisible);
    EXPECT_EQ(view.associations.size(), 3U);
    app().topicPanel().pickTopic();
    app().closeTopicPanel(); // closing by the button empties it when the panel's list is empty
    EXPECT_FALSE(view.panelVisible);
    EXPECT_TRUE(view.associations.empty());
}

TEST_F(GameTest, ClearingATopicAsksFirstAndEmptiesItsFiles) {
    startGame();
    answerAll({"すし", "そば"});
    app().openTopicPanel();
    prompter.answers = {MessageAnswer::Cancel};
    app().topicPanel().clearTopicData();
    EXPECT_EQ(prompter.shown.back(),
              (Message{"一番食べたいもののデータをクリアします。よろしいですか？", "クリア確認",
                       MessageIcon::Exclamation, MessageButtons::OkCancel}));
    EXPECT_EQ(view.topicLogRows.size(), 2U);

    app().topicPanel().clearTopicData();
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), "");
    EXPECT_EQ(temp.read("一番食べたいもの_履歴.txt"), "");
    EXPECT_TRUE(view.topicLogRows.empty());
    EXPECT_TRUE(view.panelAssociations.empty());
    EXPECT_EQ(view.associations.size(), 2U); // the game panel keeps its list until 戻る
    EXPECT_EQ(view.panelTopicText, "一番食べたいもの");

    answer("すし"); // the running game still knows it; the emptied files get it again
    EXPECT_EQ(view.answerRows.back().kind, AnswerKind::Duplicate);
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), "");
    EXPECT_NE(temp.read("一番食べたいもの_履歴.txt"), "");

    view.panelTopicText = "";
    app().topicPanel().clearTopicData();
    EXPECT_EQ(prompter.shown.back().text, "のデータをクリアします。よろしいですか？");
    EXPECT_EQ(temp.read(".txt"), "");
    EXPECT_EQ(temp.read("_履歴.txt"), "");
}

TEST_F(GameTest, TheOptionPairShowsOrHidesTheAssociationList) {
    temp.write("一番食べたいもの.txt", cp932("すし\r\n"));
    temp.write("好きな色.txt", cp932("赤\r\n"));
    app();
    app().game().showKnownAnswers();
    EXPECT_TRUE(view.associationsVisible);
    EXPECT_EQ(view.associations, (Texts{"すし"}));
    app().game().hideKnownAnswers();
    EXPECT_FALSE(view.associationsVisible);
    EXPECT_EQ(view.associations, (Texts{"すし"}));
    view.topic = "好きな色";
    app().game().pickTopic(); // picking a topic shows the list whatever the options say
    EXPECT_TRUE(view.associationsVisible);
    EXPECT_EQ(view.associations, (Texts{"赤"}));
    EXPECT_EQ(view.focus, "cmdStart");
}

TEST_F(GameTest, PickingATopicDuringAGameLeavesTheFocusAlone) {
    startGame();
    app().game().pickTopic();
    EXPECT_EQ(view.focus, "txtKaitou");
    EXPECT_TRUE(view.associationsVisible);
}

} // namespace
} // namespace wordbloom::testing
