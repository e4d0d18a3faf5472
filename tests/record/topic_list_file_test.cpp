// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/file_error.h"
#include "dialogue/messages.h"
#include "record/topic_list_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wordbloom {
namespace {

using testing::cp932;
using testing::TempDir;

struct Loaded {
    std::vector<std::string> accepted;
    std::vector<std::string> messages;
};

Loaded load(std::string_view bytes) {
    TempDir temp;
    temp.write("題目.txt", bytes);
    Loaded loaded;
    loadTopicList(
        WorkDir(temp.path()), [&](const std::string& topic) { loaded.accepted.push_back(topic); },
        [&](const std::string& topic, const TopicRefusal& refusal) {
            loaded.messages.push_back(topicRejectionMessage(topic, refusal));
        });
    return loaded;
}

using Texts = std::vector<std::string>;

TEST(TopicListFile, ATopicWithAForbiddenCharacterIsSkippedWithAMessage) {
    const Loaded loaded = load(cp932("一番食べたいもの\r\na/b\r\n好きな色\r\n"));
    EXPECT_EQ(loaded.accepted, (Texts{"一番食べたいもの", "好きな色"}));
    EXPECT_EQ(loaded.messages, (Texts{"a/b に含まれる / は使えませんので飛ばします"}));
}

TEST(TopicListFile, TheLastForbiddenCharacterInTestOrderIsReported) {
    struct Case {
        const char* topic;
        std::optional<char> reported;
    };
    const Case cases[] = {
        {"a\\b|c", '|'}, {"|a\\", '|'},    {"C:\\x", ':'},   {"a*b?c", '?'}, {"<>", '>'},
        {"x;y", ';'},    {"\"q", '"'},     {"a,b", ','},     {"a/b:", ':'},  {"全角／は可", {}},
        {"", {}},        {"スポーツ", {}}, {"＼：＊？", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(findForbiddenTopicCharacter(c.topic), c.reported) << c.topic;
    }
}

TEST(TopicListFile, TopicsAreReadAsFieldsByTheRecordRules) {
    // An unquoted comma separates two topics; a quoted one stays and is
    // refused; a quote inside an unquoted field is refused; duplicates stay.
    const Loaded loaded = load(cp932("赤,青\r\n\"白,黒\"\r\na\"b\r\n夏\r\n夏\r\n\r\nＣ：／ｘ\r\n"));
    EXPECT_EQ(loaded.accepted, (Texts{"赤", "青", "夏", "夏", "", "Ｃ：／ｘ"}));
    EXPECT_EQ(loaded.messages, (Texts{"白,黒 に含まれる , は使えませんので飛ばします",
                                      "a\"b に含まれる \" は使えませんので飛ばします"}));
}

TEST(TopicListFile, TrailByteThatLooksLikeABarIsNotABar) {
    // ポ is 0x83 0x7C in Shift_JIS: the check runs on characters, not bytes.
    const Loaded loaded = load(cp932("スポーツ\r\n"));
    EXPECT_EQ(loaded.accepted, (Texts{"スポーツ"}));
    EXPECT_TRUE(loaded.messages.empty());
}

TEST(TopicListFile, HandEditedFilesInUtf8AndWithLfAreRecognised) {
    const Texts expected{"一番食べたいもの", "好きな色"};
    EXPECT_EQ(load("一番食べたいもの\n好きな色\n").accepted, expected);
    EXPECT_EQ(load("\xEF\xBB\xBF一番食べたいもの\r\n好きな色").accepted, expected);
    EXPECT_EQ(load(cp932("一番食べたいもの\n好きな色\n")).accepted, expected);
}

TEST(TopicListFile, TopicsThatWouldNameTheGamesOwnFilesAreSkippedWithAMessage) {
    const Loaded loaded = load(cp932("履歴\r\n夏\r\n設定\r\n題目\r\n好きな色_履歴\r\n"
                                     "タブ\tあり\r\n履歴の話\r\n"));
    EXPECT_EQ(loaded.accepted, (Texts{"夏", "履歴の話"}));
    const std::string sameAsGameFile = " はゲームが使うファイル「%」と同じ名前になるため使えません";
    const auto gameFile = [&](const std::string& topic) {
        std::string text = sameAsGameFile;
        text.replace(text.find('%'), 1, topic + ".txt");
        return topic + text + "ので飛ばします";
    };
    const std::string answerLog = "好きな色_履歴 は「_履歴」で終わり、ほかのお題の履歴ファイルと"
                                  "同じ名前になるため使えませんので飛ばします";
    const std::string control = "タブ\tあり に含まれる U+0009 は使えませんので飛ばします";
    EXPECT_EQ(loaded.messages,
              (Texts{gameFile("履歴"), gameFile("設定"), gameFile("題目"), answerLog, control}));
}

TEST(TopicListFile, AUtf8TopicIsListedInTheFormTheFilesKeep) {
    // 〜 comes back from code page 932 as ～; ¥ comes back as a backslash,
    // which no topic may hold.
    const Loaded loaded = load("夏〜冬\n円¥ドル\n");
    EXPECT_EQ(loaded.accepted, (Texts{"夏～冬"}));
    EXPECT_EQ(loaded.messages, (Texts{"円¥ドル に含まれる ¥ は使えませんので飛ばします"}));
}

TEST(TopicListFile, AnOlderCopysQuoteNeverJoinsTopicsOfSeveralLines) {
    const Loaded loaded = load(cp932("\"一番食べたいもの\"\"\r\n好きな色\r\n\"夏\"\r\n"));
    EXPECT_EQ(loaded.accepted, (Texts{"一番食べたいもの", "好きな色", "夏"}));
    EXPECT_TRUE(loaded.messages.empty());
}

TEST(TopicListFile, HalfWidthKatakanaInShiftJisIsNotTakenForUtf8) {
    // ﾃｽﾄ is C3 BD C4 in Shift_JIS; C3 BD alone is also the UTF-8 of ý.
    EXPECT_EQ(load("\xC3\xBD\r\n").accepted, (Texts{"ﾃｽ"}));
    EXPECT_EQ(load(cp932("ﾃｽ\r\nｱｲ\r\n")).accepted, (Texts{"ﾃｽ", "ｱｲ"}));
    // UTF-8 with a kana or kanji, or with a byte-order mark, is still UTF-8.
    EXPECT_EQ(load("ý\n夏\n").accepted, (Texts{"ý", "夏"}));
    EXPECT_EQ(load("\xEF\xBB\xBFý\n").accepted, (Texts{"ý"}));
}

TEST(TopicListFile, AnEmptyFileHasNoTopicsAndAMissingOneIsAnError) {
    const Loaded loaded = load("");
    EXPECT_TRUE(loaded.accepted.empty());
    EXPECT_TRUE(loaded.messages.empty());

    TempDir temp;
    EXPECT_THROW(loadTopicList(
                     WorkDir(temp.path()), [](const std::string&) {},
                     [](const std::string&, const TopicRefusal&) {}),
                 FileError);
}

} // namespace
} // namespace wordbloom
