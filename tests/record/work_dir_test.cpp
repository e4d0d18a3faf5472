// SPDX-License-Identifier: GPL-3.0-or-later
#include "record/file_error.h"
#include "record/new_entries.h"
#include "record/work_dir.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wordbloom {
namespace {

using testing::TempDir;

ErrorNumber errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& error) {
        return error.number();
    }
    ADD_FAILURE() << "no FileError was thrown";
    return ErrorNumber::DeviceIo;
}

TEST(WorkDir, ReadingAMissingFileFailsAndAppendingCreatesIt) {
    TempDir temp;
    const WorkDir dir(temp.path());
    EXPECT_EQ(errorOf([&] { dir.readAll("missing.txt"); }), ErrorNumber::FileNotFound);
    EXPECT_FALSE(temp.exists("missing.txt"));
    dir.append("missing.txt", "line\r\n");
    EXPECT_EQ(temp.read("missing.txt"), "line\r\n");
}

TEST(WorkDir, ReadingWithCreationNeverTouchesAnExistingFile) {
    TempDir temp;
    const WorkDir dir(temp.path());
    EXPECT_EQ(dir.readAllCreatingIfMissing("new.txt"), "");
    EXPECT_EQ(temp.read("new.txt"), "");
    temp.write("old.txt", "kept\r\n");
    ::chmod((temp.path() / "old.txt").c_str(), 0444);
    EXPECT_EQ(dir.readAllCreatingIfMissing("old.txt"), "kept\r\n");
}

TEST(WorkDir, NamesThatLeaveTheFolderAreRefused) {
    TempDir temp;
    const WorkDir dir(temp.path() / "inner");
    std::filesystem::create_directory(temp.path() / "inner");
    const std::vector<std::string> names{
        "../x.txt",           "/tmp/x.txt", "a/b.txt", "..", ".", std::string("nul\0.txt", 8),
        std::string(256, 'a')};
    for (const std::string& name : names) {
        EXPECT_EQ(errorOf([&] { dir.append(name, "x\r\n"); }), ErrorNumber::BadFileName);
        EXPECT_EQ(errorOf([&] { dir.truncate(name); }), ErrorNumber::BadFileName);
    }
    EXPECT_EQ(temp.listing(), "inner");
    // A backslash is an ordinary character in a Linux file name.
    dir.append("a\\b.txt", "x\r\n");
    EXPECT_TRUE(std::filesystem::exists(temp.path() / "inner" / "a\\b.txt"));
}

TEST(WorkDir, AnAppendAfterATornLineStartsOnALineOfItsOwn) {
    TempDir temp;
    const WorkDir dir(temp.path());
    temp.write("log.txt", "\"whole\"\r\n\"torn");
    dir.append("log.txt", "\"next\"\r\n");
    EXPECT_EQ(temp.read("log.txt"), "\"whole\"\r\n\"torn\r\n\"next\"\r\n");
}

TEST(WorkDir, AFolderWhereAFileShouldBeIsReportedAndLeftAlone) {
    TempDir temp;
    const WorkDir dir(temp.path());
    std::filesystem::create_directory(temp.path() / "topic.txt");
    EXPECT_EQ(errorOf([&] { dir.readAll("topic.txt"); }), ErrorNumber::PathAccess);
    EXPECT_EQ(errorOf([&] { dir.readAllCreatingIfMissing("topic.txt"); }), ErrorNumber::PathAccess);
    EXPECT_EQ(errorOf([&] { dir.append("topic.txt", "x\r\n"); }), ErrorNumber::PathAccess);
    EXPECT_EQ(errorOf([&] { dir.replaceAtomically("topic.txt", "x"); }), ErrorNumber::PathAccess);
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "topic.txt"));
}

TEST(WorkDir, ReplacingIsAtomicAndRespectsAReadOnlyFile) {
    TempDir temp;
    const WorkDir dir(temp.path());
    temp.write("s.txt", "old\r\n");
    dir.replaceAtomically("s.txt", "new\r\n");
    EXPECT_EQ(temp.read("s.txt"), "new\r\n");
    EXPECT_EQ(temp.listing(), "s.txt"); // no temporary file left behind

    if (::geteuid() != 0) {
        ::chmod((temp.path() / "s.txt").c_str(), 0444);
        EXPECT_EQ(errorOf([&] { dir.replaceAtomically("s.txt", "newer\r\n"); }),
                  ErrorNumber::PermissionDenied);
        EXPECT_EQ(temp.read("s.txt"), "new\r\n");
        EXPECT_EQ(temp.listing(), "s.txt");
    }
}

TEST(WorkDir, ErrorsNameTheFileAndTheSystemsReason) {
    TempDir temp;
    const WorkDir dir(temp.path());
    try {
        dir.readAll("設定.txt");
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_EQ(error.fileName(), "設定.txt");
        EXPECT_NE(std::string(error.what()).find("設定.txt"), std::string::npos);
        EXPECT_NE(error.description().find("No such file"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("53"), std::string::npos);
    }
}

// A backup and a rename never take the place of anything already under the
// name: a file, a folder or a link (dangling or not) stays as it was.
TEST(WorkDir, NewEntriesNeverReplaceWhatIsThere) {
    TempDir temp;
    const WorkDir dir(temp.path());
    temp.write("a.txt", "ours");
    temp.write("b.txt", "theirs");
    std::filesystem::create_directory(temp.path() / "backup");
    temp.write("backup/a.txt", "kept");
    std::filesystem::create_symlink(temp.path() / "nowhere", temp.path() / "link.txt");
    EXPECT_FALSE(makeNewFolder(dir, "backup"));
    EXPECT_FALSE(makeNewFolder(dir, "a.txt"));
    const WorkDir backup(temp.path() / "backup");
    EXPECT_THROW(copyToNewFile(dir, "a.txt", backup), FileError);
    for (const char* target : {"a.txt", "link.txt", "backup"}) {
        EXPECT_THROW(moveWithoutReplacing(dir, "b.txt", dir, target), FileError) << target;
    }
    EXPECT_EQ(temp.read("a.txt"), "ours");
    EXPECT_EQ(temp.read("b.txt"), "theirs");
    EXPECT_EQ(temp.read("backup/a.txt"), "kept");
    EXPECT_TRUE(std::filesystem::is_symlink(temp.path() / "link.txt"));
    EXPECT_FALSE(std::filesystem::exists(temp.path() / "nowhere"));

    EXPECT_TRUE(makeNewFolder(dir, "backup-2"));
    copyToNewFile(dir, "a.txt", WorkDir(temp.path() / "backup-2"));
    moveWithoutReplacing(dir, "b.txt", dir, "c.txt");
    EXPECT_EQ(temp.read("backup-2/a.txt"), "ours");
    EXPECT_EQ(temp.listing(), "a.txt backup backup-2 c.txt link.txt");
}

} // namespace
} // namespace wordbloom
