// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "archive_maker.h"
#include "fakes.h"
#include "support/temp_dir.h"
#include "app/wordbloom.h"

#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace wordbloom::testing {

// The Shift_JIS bytes of 表示, ソフト and 能力: the second byte of 表, ソ and 能
// is 0x5C, the backslash, which cut such names in two on the way from Windows.
inline const std::string kHyouji = "\x95\x5C\x8E\xA6";
inline const std::string kSofuto = "\x83\x5C\x83\x74\x83\x67";
inline const std::string kNouryoku = "\x94\x5C\x97\xCD";

// A data folder with the three starter files, a folder to bring data in
// from, a fake clock standing at 2024/01/15 09:00:00, and the game on them.
class ImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        data.write("設定.txt", "60,0\r\n");
        data.write("題目.txt", cp932("一番食べたいもの\r\n"));
        data.write("履歴.txt", "");
    }

    Wordbloom& app() {
        if (!m_app) {
            m_app = std::make_unique<Wordbloom>(WorkDir(data.path()), clock, random, view, prompter,
                                                runner);
            m_app->startUp();
        }
        return *m_app;
    }

    // Every file under the folder, subfolders included, with its bytes.
    static std::map<std::string, std::string> contents(const std::filesystem::path& folder) {
        std::map<std::string, std::string> files;
        for (const auto& item : std::filesystem::recursive_directory_iterator(folder)) {
            if (item.is_regular_file()) {
                const std::string name = item.path().lexically_relative(folder).string();
                files[name] = TempDir::readFile(item.path());
            }
        }
        return files;
    }

    TempDir data;
    TempDir source;
    FakeClock clock{{2024, 1, 15, 9, 0, 0}};
    FakeRandom random;
    FakeView view;
    FakePrompter prompter;
    FakeWorkRunner runner;

private:
    std::unique_ptr<Wordbloom> m_app;
};

// A play history record and an answer log record as the game writes them.
inline std::string game(const char* date, const char* time, const char* topic) {
    return cp932(std::string("\"") + date + R"(",")" + time + R"(",")" + topic +
                 R"(",3,1,1,1,6,"0.10/秒","60秒")" + "\r\n");
}
inline std::string answer(const char* date, const char* time, const char* text) {
    return cp932(std::string("\"") + date + R"(",")" + time + R"(","001",")" + text + "\"\r\n");
}

} // namespace wordbloom::testing
