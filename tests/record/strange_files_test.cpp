// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/file_error.h"
#include "record/settings_file.h"
#include "record/topic_files.h"
#include "record/work_dir.h"
#include "support/player_process.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace wordbloom {
namespace {

namespace fs = std::filesystem;
using testing::openToPlayer;
using testing::runAsPlayer;
using testing::TempDir;

constexpr unsigned kSecondsBeforeAHangFails = 20;

void makeSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

// Each way of reaching a file, with the error it must end in.
void expectRefusedWithoutWaiting(const WorkDir& dir, const std::string& name) {
    const std::vector<std::pair<const char*, std::function<void()>>> actions = {
        {"readAll", [&] { dir.readAll(name); }},
        {"readPrefix", [&] { dir.readPrefix(name, 64); }},
        {"openForReading", [&] { dir.openForReading(name); }},
        {"readAllCreatingIfMissing", [&] { dir.readAllCreatingIfMissing(name); }},
        {"append", [&] { dir.append(name, "x\r\n"); }},
        {"truncate", [&] { dir.truncate(name); }},
        {"replaceAtomically", [&] { dir.replaceAtomically(name, "x\r\n"); }},
    };
    for (const auto& [what, action] : actions) {
        try {
            action();
            ADD_FAILURE() << what << " took " << name;
        } catch (const FileError& error) {
            EXPECT_EQ(error.number(), ErrorNumber::PathAccess) << what << " " << name;
            EXPECT_EQ(error.fileName(), name);
            EXPECT_NE(error.description().find("通常のファイルではない"), std::string::npos);
        }
    }
}

TEST(StrangeFiles, FifoSocketOrDeviceInPlaceOfAFileIsRefusedWithoutWaiting) {
    TempDir temp;
    ASSERT_EQ(::mkfifo((temp.path() / "履歴.txt").c_str(), 0666), 0);
    makeSocket(temp.path() / "設定.txt");
    fs::create_symlink("/dev/null", temp.path() / "題目.txt");
    fs::create_symlink("/dev/zero", temp.path() / "好きな色_履歴.txt");
    openToPlayer(temp.path());
    const WorkDir dir(temp.path());
    EXPECT_TRUE(runAsPlayer(
        [&] {
            for (const char* name : {"履歴.txt", "設定.txt", "題目.txt", "好きな色_履歴.txt"}) {
                expectRefusedWithoutWaiting(dir, name);
            }
            EXPECT_THROW(readLastAnswerRecord(dir, "好きな色"), FileError);
        },
        {.secondsLimit = kSecondsBeforeAHangFails}));
    EXPECT_TRUE(fs::is_fifo(temp.path() / "履歴.txt"));
    EXPECT_TRUE(fs::is_symlink(temp.path() / "題目.txt"));
}

TEST(StrangeFiles, APlantedLinkUnderTheTemporaryNameIsNeverFollowed) {
    TempDir temp;
    fs::create_directory(temp.path() / "data");
    temp.write("outside.txt", "keep me");
    fs::permissions(temp.path() / "outside.txt", fs::perms::owner_read);
    temp.write("data/設定.txt", "60,0\r\n");
    // The names a writer that took its pid as the only unknown would use.
    for (const pid_t pid : {::getpid(), ::getppid()}) {
        fs::create_symlink(temp.path() / "outside.txt",
                           temp.path() / "data" / (".設定.txt.tmp" + std::to_string(pid)));
    }
    saveSettings(WorkDir(temp.path() / "data"), {90, 1});
    EXPECT_EQ(temp.read("outside.txt"), "keep me");
    EXPECT_EQ(fs::status(temp.path() / "outside.txt").permissions(), fs::perms::owner_read);
    EXPECT_FALSE(fs::is_symlink(temp.path() / "data/設定.txt"));
    EXPECT_EQ(temp.read("data/設定.txt"), "90,1\r\n");
}

TEST(StrangeFiles, UnchangedSettingsAreNotRewritten) {
    TempDir temp;
    temp.write("設定.txt", "60,1\r\n");
    const WorkDir dir(temp.path());
    struct stat before {};
    ::stat((temp.path() / "設定.txt").c_str(), &before);
    saveSettings(dir, {60, 1});
    struct stat after {};
    ::stat((temp.path() / "設定.txt").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);

    // A read-only file in a read-only folder makes no trouble while nothing
    // changes, and is refused once something does.
    openToPlayer(temp.path());
    ::chmod((temp.path() / "設定.txt").c_str(), 0444);
    ::chmod(temp.path().c_str(), 0555);
    EXPECT_TRUE(runAsPlayer([&] {
        EXPECT_NO_THROW(saveSettings(dir, {60, 1}));
        EXPECT_THROW(saveSettings(dir, {90, 1}), FileError);
    }));
    ::chmod(temp.path().c_str(), 0777);
    EXPECT_EQ(temp.read("設定.txt"), "60,1\r\n");
}

TEST(StrangeFiles, AWriteOnlySettingsFileIsStillSaved) {
    // Its content cannot be read to compare, so it is written whatever it holds.
    TempDir temp;
    temp.write("設定.txt", "60,1\r\n");
    openToPlayer(temp.path());
    ::chmod((temp.path() / "設定.txt").c_str(), 0222);
    const WorkDir dir(temp.path());
    EXPECT_TRUE(runAsPlayer([&] {
        EXPECT_NO_THROW(saveSettings(dir, {60, 1}));
        EXPECT_NO_THROW(saveSettings(dir, {90, 0}));
    }));
    EXPECT_EQ(temp.read("設定.txt"), "90,0\r\n");
    EXPECT_EQ(fs::status(temp.path() / "設定.txt").permissions(),
              fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write);
}

TEST(StrangeFiles, ASettingsLinkKeepsItsLinkAndItsTargetGetsTheNewValues) {
    TempDir temp;
    fs::create_directory(temp.path() / "data");
    fs::create_directory(temp.path() / "kept");
    temp.write("kept/my settings.txt", "60,0\r\n");
    fs::create_symlink("../kept/my settings.txt", temp.path() / "data/設定.txt");
    saveSettings(WorkDir(temp.path() / "data"), {90, 1});
    EXPECT_TRUE(fs::is_symlink(temp.path() / "data/設定.txt"));
    EXPECT_EQ(temp.read("kept/my settings.txt"), "90,1\r\n");
    EXPECT_EQ(temp.listing(), "data kept");
    EXPECT_EQ(fs::directory_iterator(temp.path() / "kept")->path().filename(), "my settings.txt");
}

TEST(StrangeFiles, AReadOnlyFolderRewritesAWritableSettingsFileInPlace) {
    TempDir temp;
    temp.write("設定.txt", "60,0\r\n");
    openToPlayer(temp.path());
    ::chmod(temp.path().c_str(), 0555);
    const WorkDir dir(temp.path());
    EXPECT_TRUE(runAsPlayer([&] {
        saveSettings(dir, {180, 1});
        EXPECT_EQ(loadSettings(dir).playLength, 180);
        saveSettings(dir, {10, 0});
    }));
    ::chmod(temp.path().c_str(), 0777);
    EXPECT_EQ(temp.read("設定.txt"), "10,0\r\n");
    EXPECT_EQ(temp.listing(), "設定.txt");
}

TEST(StrangeFiles, ATopicTooLongForItsAnswerLogMakesNeitherFile) {
    TempDir temp;
    const WorkDir dir(temp.path());
    const std::string topic(248, 'a'); // "<topic>.txt" fits, "<topic>_履歴.txt" does not
    EXPECT_THROW(readAssociationList(dir, topic), FileError);
    EXPECT_THROW(readLastAnswerRecord(dir, topic), FileError);
    EXPECT_THROW(clearTopicFiles(dir, topic), FileError);
    EXPECT_EQ(temp.listing(), "");
}

} // namespace
} // namespace wordbloom
