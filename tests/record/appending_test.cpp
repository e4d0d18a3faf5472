// SPDX-License-Identifier: GPL-3.0-or-later
// Appends that meet another writer: a failed append takes back only its own
// bytes, and an append waits for the file's lock rather than mix its line
// with another copy's.
#include "record/file_error.h"
#include "record/work_dir.h"
#include "support/player_process.h"
#include "support/temp_dir.h"

#include <array>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>

namespace wordbloom {
namespace {

using testing::TempDir;

const std::string kBefore = "\"2024/01/14\",\"20:00:00\",\"好きな色\",1,1,0,0,1\r\n";
const std::string kOurs = "\"2024/01/15\",\"09:00:00\",\"一番食べたいもの\",2,2,0,0,4\r\n";
const std::string kTheirs = "\r\n\"2024/01/15\",\"09:00:01\",\"好きな色\",3,3,0,0,9\r\n";
// Of our line, the disk takes this many bytes before it is full.
constexpr std::size_t kRoom = 10;

// What another writer, one that takes no lock, appends at the moment the
// disk refuses the rest of our line: the signal of the refused write arrives
// between our write and our taking it back. Only system calls, as in any
// signal handler; the other writer is not held by our size limit.
std::array<char, 4096> otherWritersFile{};

void otherWriterAppends(int /*signal*/) {
    rlimit unlimited{};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    unlimited.rlim_cur = unlimited.rlim_max;
    ::setrlimit(RLIMIT_FSIZE, &unlimited);
    const int fd = ::open(otherWritersFile.data(), O_WRONLY | O_APPEND);
    std::ignore = ::write(fd, kTheirs.data(), kTheirs.size());
    ::close(fd);
    std::signal(SIGXFSZ, SIG_IGN);
}

// Alone, a failed append takes back its whole half line (FaultTest has that).
TEST(Appending, AFailedAppendTakesBackOnlyItsOwnBytes) {
    const TempDir temp;
    temp.write("履歴.txt", kBefore);
    testing::openToPlayer(temp.path());
    const std::string path = (temp.path() / "履歴.txt").string();
    path.copy(otherWritersFile.data(), otherWritersFile.size() - 1);
    EXPECT_TRUE(testing::runAsPlayer(
        [&] {
            std::signal(SIGXFSZ, otherWriterAppends);
            try {
                WorkDir(temp.path()).append("履歴.txt", kOurs);
                ADD_FAILURE() << "the append did not fail";
            } catch (const FileError& error) {
                EXPECT_EQ(error.number(), ErrorNumber::DiskFull);
            }
        },
        {kBefore.size() + kRoom}));
    // Our half line stays, on a line of its own that readers skip, before theirs.
    EXPECT_EQ(temp.read("履歴.txt"), kBefore + kOurs.substr(0, kRoom) + kTheirs);
}

TEST(Appending, AnAppendWaitsForTheFilesLockAndGivesUpOnOneThatIsKept) {
    const TempDir temp;
    temp.write("履歴.txt", kBefore);
    const WorkDir dir(temp.path());
    const int holder = ::open((temp.path() / "履歴.txt").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    try {
        dir.append("履歴.txt", kOurs);
        ADD_FAILURE() << "appended past another writer's lock";
    } catch (const FileError& error) {
        EXPECT_EQ(error.number(), ErrorNumber::PermissionDenied);
    }
    EXPECT_EQ(temp.read("履歴.txt"), kBefore);
    ::close(holder);
    dir.append("履歴.txt", kOurs);
    EXPECT_EQ(temp.read("履歴.txt"), kBefore + kOurs);
}

} // namespace
} // namespace wordbloom
