// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_fixture.h"
#include "support/player_process.h"

#include <filesystem>
#include <sys/stat.h>

namespace wordbloom::testing {
namespace {

namespace fs = std::filesystem;
using K = AnswerKind;

const char* const kRecord =
    "\"2024/01/14\",\"20:00:00\",\"好きな色\",1,1,0,0,1,\"0.02/秒\",\"60秒\"\r\n";

// Each case runs the form in a child process with a player's rights, so that
// read-only files stay read-only even when the tests run as root.
class FaultTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        temp.write("履歴.txt", cp932(kRecord));
        temp.write("一番食べたいもの.txt", cp932("すし\r\n"));
        temp.write("一番食べたいもの_履歴.txt", "");
        openToPlayer(temp.path());
    }
    void readOnly(const char* name) const { ::chmod((temp.path() / name).c_str(), 0444); }
    bool shownOnce(const std::string& part) const {
        return prompter.shown.size() == 1 && prompter.shown[0].title == "ファイルエラー" &&
               prompter.shown[0].text.find(part) != std::string::npos;
    }
    std::map<std::string, std::string> snapshot() const {
        std::map<std::string, std::string> files;
        for (const auto& entry : fs::directory_iterator(temp.path())) {
            files[entry.path().filename().string()] =
                entry.is_regular_file() ? temp.read(entry.path().filename().string()) : "(folder)";
        }
        return files;
    }
};

TEST_F(FaultTest, AReadOnlyPlayHistoryRefusesTheSaveAndKeepsTheGame) {
    readOnly("履歴.txt");
    const auto before = snapshot();
    EXPECT_TRUE(runAsPlayer([&] {
        startGame();
        answer("ラーメン");
        playToEnd();
        app().game().save();
        EXPECT_TRUE(shownOnce("履歴.txt"));
        EXPECT_NE(prompter.shown.at(0).text.find("許可されていません"), std::string::npos);
        EXPECT_EQ(view.historyRows.size(), 1U);
        EXPECT_EQ(app().game().state().newAnswers, 1);
    }));
    EXPECT_EQ(temp.read("履歴.txt"), before.at("履歴.txt"));
}

TEST_F(FaultTest, AReadOnlySettingsFileIsReportedAndLeftAsItWas) {
    readOnly("設定.txt");
    EXPECT_TRUE(runAsPlayer([&] {
        app().settings().choosePlayLength("90");
        app().settings().setAutoSave(1);
        EXPECT_EQ(prompter.shown.size(), 2U);
        EXPECT_TRUE(prompter.shown.at(0).text.find("設定.txt") != std::string::npos);
        EXPECT_EQ(app().settings().playLength(), 90);
    }));
    EXPECT_EQ(temp.read("設定.txt"), "60,0\r\n");
    EXPECT_EQ(temp.listing(),
              "一番食べたいもの.txt 一番食べたいもの_履歴.txt 履歴.txt 設定.txt 題目.txt");
}

TEST_F(FaultTest, ReadOnlyTopicFilesAreReportedAndTheGameGoesOn) {
    readOnly("一番食べたいもの.txt");
    readOnly("一番食べたいもの_履歴.txt");
    EXPECT_TRUE(runAsPlayer([&] {
        startGame();
        answerAll({"ラーメン", "すし", "ラーメン"});
        EXPECT_EQ(kinds(), (std::vector<K>{K::New, K::Existing, K::Duplicate}));
        EXPECT_EQ(prompter.shown.size(), 4U); // the new answer twice, the others once each
        playToEnd();
        app().game().save();
        EXPECT_EQ(view.historyRows.size(), 2U);
    }));
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), cp932("すし\r\n"));
    EXPECT_EQ(temp.read("一番食べたいもの_履歴.txt"), "");
}

TEST_F(FaultTest, AReadOnlyFolderStillPlaysTheTopicsItHasFilesFor) {
    ::chmod(temp.path().c_str(), 0555);
    EXPECT_TRUE(runAsPlayer([&] {
        app();
        view.topic = "好きな色"; // never played: its files cannot be made
        app().game().startWithShownTopic();
        EXPECT_TRUE(shownOnce("好きな色.txt"));
        EXPECT_FALSE(app().game().state().countingDown());
        prompter.shown.clear();
        view.topic = "一番食べたいもの";
        startGame();
        answer("ラーメン");
        playToEnd();
        app().game().save();
        EXPECT_TRUE(prompter.shown.empty());
        // The folder takes no temporary file, but the settings file itself
        // is writable: it is rewritten in place.
        app().settings().choosePlayLength("90");
        EXPECT_TRUE(prompter.shown.empty());
    }));
    ::chmod(temp.path().c_str(), 0777);
    EXPECT_EQ(temp.read("設定.txt"), "90,0\r\n");
    EXPECT_EQ(temp.read("一番食べたいもの.txt"), cp932("すし\r\nラーメン\r\n"));
    EXPECT_FALSE(temp.exists("好きな色.txt"));
}

TEST_F(FaultTest, AFullDiskWritesNoHalfLineAndTheSaveCanBeRepeated) {
    const auto limit = static_cast<rlim_t>(fs::file_size(temp.path() / "履歴.txt") + 20);
    EXPECT_TRUE(runAsPlayer(
        [&] {
            startGame();
            answer("ラーメン"); // the association list and the log are small enough
            playToEnd();
            app().game().save();
            EXPECT_TRUE(shownOnce("ディスクの空き容量が不足しています"));
            EXPECT_NE(prompter.shown[0].text.find("保存できませんでした"), std::string::npos);
            EXPECT_EQ(view.historyRows.size(), 1U);
            EXPECT_EQ(app().game().state().newAnswers, 1); // the result stays for a second try
            rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY};
            ::getrlimit(RLIMIT_FSIZE, &unlimited);
            unlimited.rlim_cur = unlimited.rlim_max;
            ::setrlimit(RLIMIT_FSIZE, &unlimited);
            app().game().save();
            EXPECT_EQ(view.historyRows.size(), 2U);
        },
        {limit}));
    const PlayHistory history = readPlayHistory(WorkDir(temp.path()));
    EXPECT_EQ(history.records.size(), 2U);
    EXPECT_EQ(history.skippedLines, 0U);
}

TEST_F(FaultTest, FilesRemovedOrReplacedDuringAGameAreMadeAgainOrReported) {
    startGame();
    answer("ラーメン");
    fs::remove(temp.path() / "一番食べたいもの_履歴.txt");
    fs::remove(temp.path() / "履歴.txt");
    answer("そば");
    fs::remove(temp.path() / "一番食べたいもの.txt");
    fs::create_directory(temp.path() / "一番食べたいもの.txt");
    answer("うどん");
    EXPECT_TRUE(shownOnce("一番食べたいもの.txt"));
    playToEnd();
    app().game().save();
    EXPECT_EQ(readAnswerLog(WorkDir(temp.path()), "一番食べたいもの").size(), 2U);
    EXPECT_EQ(readPlayHistory(WorkDir(temp.path())).records.size(), 1U);
    EXPECT_EQ(view.historyRows.size(), 2U);
}

} // namespace
} // namespace wordbloom::testing
