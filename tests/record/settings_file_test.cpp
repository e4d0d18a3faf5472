// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/file_error.h"
#include "record/settings_file.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace wordbloom {
namespace {

using testing::TempDir;

TEST(SettingsFile, ReadsTheFirstTwoFieldsWhereverTheyStand) {
    struct Case {
        const char* bytes;
        std::int16_t jikan;
        std::int16_t as;
    };
    const Case cases[] = {
        {"60,1\r\n", 60, 1},    {"30,0\r\n", 30, 0},     {"90,1\r\n\"extra\",7\r\n", 90, 1},
        {"45\r\n1\r\n", 45, 1}, {"  120 , 0\n", 120, 0}, {"32767,2", 32767, 2},
    };
    for (const Case& c : cases) {
        TempDir temp;
        temp.write("設定.txt", c.bytes);
        const Settings settings = loadSettings(WorkDir(temp.path()));
        EXPECT_EQ(settings.playLength, c.jikan) << c.bytes;
        EXPECT_EQ(settings.autoSave, c.as) << c.bytes;
    }
}

TEST(SettingsFile, TheAutoSaveErrorListsTheThreeValuesThatAreAccepted) {
    TempDir temp;
    temp.write("設定.txt", "60,3\r\n");
    try {
        loadSettings(WorkDir(temp.path()));
        FAIL() << "accepted 60,3";
    } catch (const FileError& error) {
        EXPECT_EQ(error.description(),
                  "自動保存「3」は 0（しない）、1（する）、2（しない。スイッチを"
                  "灰色で表示）のどれかでなければなりません。");
    }
    for (const char* accepted : {"60,0\r\n", "60,1\r\n", "60,2\r\n"}) {
        temp.write("設定.txt", accepted);
        EXPECT_NO_THROW(loadSettings(WorkDir(temp.path()))) << accepted;
    }
}

TEST(SettingsFile, BadContentIsAClearErrorNamingTheFile) {
    struct Case {
        const char* bytes;
        ErrorNumber number;
        const char* mentions;
    };
    const Case cases[] = {
        {"", ErrorNumber::InputPastEnd, "プレイ秒数"},
        {"60\r\n", ErrorNumber::InputPastEnd, "自動保存"},
        {"sixty,1\r\n", ErrorNumber::TypeMismatch, "sixty"},
        {"60,yes\r\n", ErrorNumber::TypeMismatch, "yes"},
        {"40000,1\r\n", ErrorNumber::Overflow, "40000"},
        {"60,-99999\r\n", ErrorNumber::Overflow, "-99999"},
        {"0,1\r\n", ErrorNumber::InvalidArgument, "0"},
        {"-10,1\r\n", ErrorNumber::InvalidArgument, "-10"},
        {"60,3\r\n", ErrorNumber::InvalidArgument, "3"},
        {"\x01\x02\xff\xfe,\x80", ErrorNumber::TypeMismatch, "プレイ秒数"},
    };
    for (const Case& c : cases) {
        TempDir temp;
        temp.write("設定.txt", c.bytes);
        try {
            loadSettings(WorkDir(temp.path()));
            ADD_FAILURE() << "accepted " << c.bytes;
        } catch (const FileError& error) {
            EXPECT_EQ(error.number(), c.number) << c.bytes;
            EXPECT_EQ(error.fileName(), "設定.txt");
            EXPECT_NE(error.description().find(c.mentions), std::string::npos)
                << error.description();
        }
    }
}

TEST(SettingsFile, AHugeFileIsReadOnlyAsFarAsItsFirstTwoValues) {
    TempDir temp;
    temp.write("設定.txt", "90,1\r\n" + std::string(5 << 20, 'x'));
    const Settings settings = loadSettings(WorkDir(temp.path()));
    EXPECT_EQ(settings.playLength, 90);
    EXPECT_EQ(settings.autoSave, 1);

    temp.write("設定.txt", std::string(100 << 10, ' ') + "90,1\r\n");
    try {
        loadSettings(WorkDir(temp.path()));
        FAIL() << "a value beyond the part read was taken";
    } catch (const FileError& error) {
        EXPECT_NE(error.description().find("大きすぎ"), std::string::npos);
    }
}

TEST(SettingsFile, AMissingFileIsAnErrorAndIsNotCreated) {
    TempDir temp;
    try {
        loadSettings(WorkDir(temp.path()));
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::FileNotFound);
    }
    EXPECT_EQ(temp.listing(), "");
}

TEST(SettingsFile, SavingLeavesExactlyOneRecord) {
    TempDir temp;
    temp.write("設定.txt", "60,1\r\n\"old\",\"lines\"\r\n");
    const WorkDir dir(temp.path());
    saveSettings(dir, {90, 1});
    EXPECT_EQ(temp.read("設定.txt"), "90,1\r\n");
    saveSettings(dir, {90, 0});
    EXPECT_EQ(temp.read("設定.txt"), "90,0\r\n");
    EXPECT_EQ(temp.listing(), "設定.txt");
}

} // namespace
} // namespace wordbloom
