// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"

#include <filesystem>
#include <set>

namespace wordbloom::testing {
namespace {

namespace fs = std::filesystem;

// Topics that must never name a file: each is refused with a message, from
// wherever it comes, and nothing is opened, made or emptied anywhere.
const std::vector<std::string> kHostileTopics = {
    "../x",    "/tmp/x",   "a\\b",  "sub/../../x", "tab\tx",
    "bell\ax", "del\x7fx", "nl\nx", "cr\rx",       "C:x",
    "*",       "x|y",      "?",     "<x>",         std::string("nul\0x", 5),
};

std::string historyRecordFor(const std::string& topic) {
    std::string quoted;
    for (const char c : topic) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return cp932(R"("2024/01/14","20:00:00",")" + quoted + R"(",1,1,0,0,1,"0.02/秒","60秒")" +
                 "\r\n");
}

class PathSafety : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        fs::create_directory(temp.path() / "data");
        for (const char* name : {"設定.txt", "題目.txt", "履歴.txt"}) {
            fs::rename(temp.path() / name, temp.path() / "data" / name);
        }
        outside = temp.listing();
    }
    Wordbloom& dataApp() {
        if (!m_form) {
            m_form = std::make_unique<Wordbloom>(WorkDir(temp.path() / "data"), clock, random, view,
                                                 prompter, runner);
            m_form->startUp();
        }
        return *m_form;
    }
    // Every action that would use the topic shown or the panel's topic.
    void tryEverything(const std::string& topic) {
        view.topic = topic;
        view.panelTopicText = topic;
        dataApp().game().startWithShownTopic();
        dataApp().game().submitAnswer("answer");
        dataApp().game().pickTopic();
        dataApp().game().showKnownAnswers();
        dataApp().openTopicPanel();
        dataApp().topicPanel().pickTopic();
        dataApp().topicPanel().clearTopicData();
        view.topic = "一番食べたいもの";
        dataApp().game().save();
    }
    std::string outside;
    std::unique_ptr<Wordbloom> m_form;
};

TEST_F(PathSafety, HostileTopicsTypedIntoEitherTopicBoxNameNoFile) {
    dataApp();
    const std::string before = (fs::exists("/tmp/x.txt") ? "x" : "") + temp.listing();
    for (const std::string& topic : kHostileTopics) {
        prompter.shown.clear();
        tryEverything(topic);
        ASSERT_EQ(prompter.shown.size(), 7U) << topic;
        for (const Message& message : prompter.shown) {
            EXPECT_EQ(message.title, "不正文字");
            EXPECT_TRUE(message.text.starts_with(topic)) << message.text;
            EXPECT_TRUE(message.text.ends_with(" は使えません")) << message.text;
        }
        EXPECT_FALSE(dataApp().game().state().countingDown());
        EXPECT_TRUE(view.answerRows.empty());
    }
    // The character reported is the last one found in the order of the check;
    // a control character is named by its code.
    const std::pair<const char*, const char*> reported[] = {
        {"a\\b|c", "a\\b|c に含まれる | は使えません"},
        {"C:\\x", "C:\\x に含まれる : は使えません"},
        {"tab\there", "tab\there に含まれる U+0009 は使えません"},
    };
    for (const auto& [topic, text] : reported) {
        prompter.shown.clear();
        view.topic = topic;
        dataApp().game().startWithShownTopic();
        ASSERT_EQ(prompter.shown.size(), 1U);
        EXPECT_EQ(prompter.shown[0].text, text);
    }
    EXPECT_EQ((fs::exists("/tmp/x.txt") ? "x" : "") + temp.listing(), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(temp.path() / "data"), fs::directory_iterator()),
              3);
}

TEST_F(PathSafety, HostileTopicsFromHandEditedFilesNameNoFile) {
    std::string topicList;
    std::string history;
    for (const std::string& topic : kHostileTopics) {
        topicList += cp932(topic) + "\r\n";
        if (topic.find_first_of("\r\n") == std::string::npos) {
            history += historyRecordFor(topic);
        }
    }
    temp.write("data/題目.txt", topicList);
    temp.write("data/履歴.txt", history);
    dataApp();
    const std::size_t rows = dataApp().history().rows().rowCount();
    EXPECT_EQ(rows, kHostileTopics.size() - 2);
    for (std::size_t row = 0; row < rows; ++row) {
        prompter.shown.clear();
        dataApp().takeTopicOfHistoryRow(row);
        ASSERT_EQ(prompter.shown.size(), 1U) << row;
        EXPECT_EQ(prompter.shown[0].title, "不正文字");
    }
    // Drawn at random: a topic with a control character is refused; the
    // pieces a line break split off are ordinary topics and name their files.
    std::set<std::string> allowed{"設定.txt", "題目.txt", "履歴.txt"};
    const std::vector<std::string> topics = dataApp().game().topics();
    for (std::size_t draw = 0; draw < topics.size(); ++draw) {
        random.value = (static_cast<float>(draw) + 0.5F) / static_cast<float>(topics.size());
        prompter.shown.clear();
        view.topic = "shown before";
        dataApp().game().startWithRandomTopic();
        const bool usable = !refuseTopic(topics[draw]);
        EXPECT_EQ(view.topic == topics[draw], usable) << topics[draw];
        EXPECT_EQ(prompter.shown.size(), usable ? 0U : 1U);
        if (usable) {
            allowed.insert(associationListFileName(topics[draw]));
            allowed.insert(answerLogFileName(topics[draw]));
        }
    }
    EXPECT_EQ(temp.listing(), outside);
    for (const auto& entry : fs::directory_iterator(temp.path() / "data")) {
        EXPECT_TRUE(allowed.contains(entry.path().filename().string())) << entry.path();
    }
}

TEST_F(PathSafety, ATopicTooLongForAFileNameGetsAClearMessage) {
    std::string topic;
    for (int i = 0; i < 90; ++i) {
        topic += "長"; // 270 bytes in UTF-8
    }
    dataApp();
    view.topic = topic;
    dataApp().game().startWithShownTopic();
    ASSERT_EQ(prompter.shown.size(), 1U);
    EXPECT_NE(prompter.shown[0].text.find("ファイル名が長すぎます"), std::string::npos);
    EXPECT_FALSE(dataApp().game().state().countingDown());
}

TEST_F(PathSafety, TheEmptyTopicNamesItsOwnTwoFilesOnly) {
    dataApp();
    view.topic = "";
    dataApp().game().startWithShownTopic();
    dataApp().game().submitAnswer("answer");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(temp.read("data/.txt"), "answer\r\n");
    EXPECT_TRUE(temp.exists("data/_履歴.txt"));
    EXPECT_EQ(temp.listing(), outside);
}

} // namespace
} // namespace wordbloom::testing
