// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

namespace wordbloom::testing {
namespace {

using Texts = std::vector<std::string>;

// Older copies wrote a quotation mark inside a text field as it was and read
// a quoted field up to the next mark. Their files must read as they did then.
TEST_F(GameTest, AnOlderCopysAnswerWithAQuoteKeepsItsRowAndTheGameNumber) {
    temp.write("一番食べたいもの_履歴.txt", "\"2024/01/15\",\"08:59:00\",\"002\",\"a\"\r\n"
                                            "\"2024/01/15\",\"09:00:05\",\"003\",\"hi\"\"\r\n");
    app();
    app().openTopicPanel();
    ASSERT_EQ(view.topicLogRows.size(), 2U);
    EXPECT_EQ(view.topicLogRows[1], (Texts{"2", "2024/01/15", "09:00:05", "003", "hi"}));
    startGame();
    EXPECT_EQ(app().game().state().gameNumber, 4);
}

TEST_F(GameTest, AnOlderCopysGameOnATopicWithAQuoteIsInThePlayHistory) {
    temp.write("履歴.txt", cp932(R"("2024/01/15","14:30:05","abc"",1,1,0,0,3,"0.10/秒","10秒")"
                                 "\r\n"
                                 R"("2024/01/15","14:31:00","x""y",1,1,0,0,1,"0.10/秒","10秒")"
                                 "\r\n"));
    app();
    ASSERT_EQ(view.historyRows.size(), 2U);
    EXPECT_EQ(view.historyRows[0],
              (Texts{"1", "24/01/15", "14:30", "abc", "1", "1", "0", "0", "3", "0.10/秒", "10秒"}));
    // What we write ourselves, a doubled mark, still reads as one mark.
    EXPECT_EQ(view.historyRows[1][3], "x\"y");
}

// What the help on answers promises: commas and quotation marks in an answer
// come back whole, so the answer is known in the next game.
TEST_F(GameTest, AnAnswerWithACommaAndAQuoteIsExistingInTheNextGame) {
    startGame();
    answerAll({"赤, 青", "say \"hi\""});
    playToEnd();
    startGame();
    answerAll({"赤, 青", "say \"hi\"", "赤"});
    EXPECT_EQ(kinds(), (std::vector<AnswerKind>{AnswerKind::Existing, AnswerKind::Existing,
                                                AnswerKind::New}));
    app().openTopicPanel();
    ASSERT_EQ(view.topicLogRows.size(), 5U);
    EXPECT_EQ(view.topicLogRows[1][4], "say \"hi\"");
}

} // namespace
} // namespace wordbloom::testing
