// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the real program, offscreen, in a data folder and checks how its
// start ends. Each run has a deadline: a program that hangs is killed and the
// test fails, rather than the whole test run waiting for ever.

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace fs = std::filesystem;

namespace {

using wordbloom::testing::TempDir;

constexpr auto kDeadline = std::chrono::seconds(60);

struct Outcome {
    bool finished = false; // ended by itself before the deadline
    int status = 0;        // as waitpid gives it
    std::string errorOutput;
};

struct Launch {
    // Ends the program at the first turn of its event loop, and closes a
    // box it shows before its window as soon as it is up.
    bool quitAfterShow = true;
    // The child enters the folder and removes it before it starts the
    // program, which then begins in a working folder that is gone.
    bool removeFolderFirst = false;
};

// A program started in a folder, its standard error led into a pipe.
struct Started {
    pid_t pid = -1;
    int errorOutput = -1;
    // Keeps settings and runtime files of the toolkit out of the real home.
    std::unique_ptr<TempDir> home = std::make_unique<TempDir>();
};

Started startProgram(const fs::path& folder, Launch launch = {}) {
    Started run;
    const fs::path& home = run.home->path();
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen", "HOME=" + home.string(),
                                         "XDG_RUNTIME_DIR=" + home.string(),
                                         "PWD=" + folder.string()};
    if (launch.quitAfterShow) {
        environment.emplace_back("WORDBLOOM_QUIT_AFTER_SHOW=1");
    }
    const std::size_t ours = environment.size();
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view inherited = *entry;
        const std::string_view name = inherited.substr(0, inherited.find('=') + 1);
        if (name != "WORDBLOOM_QUIT_AFTER_SHOW=" &&
            std::none_of(environment.begin(),
                         environment.begin() + static_cast<std::ptrdiff_t>(ours),
                         [&](const std::string& set) { return set.starts_with(name); })) {
            environment.emplace_back(inherited);
        }
    }
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = WORDBLOOM_PROGRAM;
    char* argv[] = {program.data(), nullptr};

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "cannot make a pipe";
        return run;
    }
    run.pid = ::fork();
    if (run.pid < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ADD_FAILURE() << "cannot start a child process";
        return run;
    }
    if (run.pid == 0) {
        // Only async-signal-safe calls until exec.
        ::dup2(pipeFds[1], STDERR_FILENO);
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, STDIN_FILENO);
        ::dup2(nothing, STDOUT_FILENO);
        if (::chdir(folder.c_str()) != 0 ||
            (launch.removeFolderFirst && ::rmdir(folder.c_str()) != 0)) {
            ::_exit(120);
        }
        ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    run.errorOutput = pipeFds[0];
    return run;
}

// Collects the program's standard error until it ends, and its status.
Outcome waitForEnd(Started& started) {
    Outcome run;
    if (started.pid < 0) {
        return run;
    }
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    const auto remainingMs = [&] {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
    };
    bool open = true;
    while (open) {
        pollfd watched{started.errorOutput, POLLIN, 0};
        const int ready = ::poll(&watched, 1, remainingMs());
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t got = ::read(started.errorOutput, buffer, sizeof buffer);
        if (got > 0) {
            run.errorOutput.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            open = false;
        }
    }
    ::close(started.errorOutput);
    // Standard error closes as the program ends: poll for its status until the deadline.
    while (!open && remainingMs() > 0) {
        if (::waitpid(started.pid, &run.status, WNOHANG) == started.pid) {
            run.finished = true;
            return run;
        }
        ::usleep(10'000);
    }
    ::kill(started.pid, SIGKILL);
    ::waitpid(started.pid, &run.status, 0);
    return run;
}

Outcome runProgram(const fs::path& folder, Launch launch = {}) {
    Started started = startProgram(folder, launch);
    return waitForEnd(started);
}

// A folder holding the data files a new player is given.
void copyStarterFiles(const TempDir& folder) {
    for (const auto& entry : fs::directory_iterator(WORDBLOOM_STARTER_DATA)) {
        fs::copy_file(entry.path(), folder.path() / entry.path().filename());
    }
}

// Waits until the program holds the lock on the folder, as the kernel lists
// it, without touching the lock itself.
bool waitUntilLockedBy(pid_t program, const fs::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        return false;
    }
    const std::string holder = " " + std::to_string(program) + " ";
    const std::string inode = ":" + std::to_string(info.st_ino) + " ";
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    while (std::chrono::steady_clock::now() < deadline) {
        std::ifstream locks("/proc/locks");
        for (std::string line; std::getline(locks, line);) {
            if (line.find("FLOCK") != std::string::npos && line.find(holder) != std::string::npos &&
                line.find(inode) != std::string::npos) {
                return true;
            }
        }
        ::usleep(10'000);
    }
    return false;
}

void expectEndedWith(const Outcome& run, int exitStatus) {
    ASSERT_TRUE(run.finished) << "the program did not end within " << kDeadline.count()
                              << " s and was killed; its standard error:\n"
                              << run.errorOutput;
    ASSERT_TRUE(WIFEXITED(run.status))
        << "ended by signal " << WTERMSIG(run.status) << "; standard error:\n"
        << run.errorOutput;
    EXPECT_EQ(WEXITSTATUS(run.status), exitStatus) << run.errorOutput;
}

TEST(RealProgram, StartsAndEndsOnTheStarterFiles) {
    const TempDir folder;
    copyStarterFiles(folder);
    expectEndedWith(runProgram(folder.path()), 0);
}

// Opening a named pipe for reading waits for a writer that never comes; the
// program has to refuse the file instead.
TEST(RealProgram, FifoInPlaceOfADataFileEndsTheStartWithAReport) {
    for (const char* name : {"履歴.txt", "設定.txt", "題目.txt"}) {
        SCOPED_TRACE(name);
        const TempDir folder;
        copyStarterFiles(folder);
        const fs::path file = folder.path() / name;
        fs::remove(file);
        ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
        const Outcome run = runProgram(folder.path());
        expectEndedWith(run, 1);
        EXPECT_NE(run.errorOutput.find(std::string("「") + name + "」"), std::string::npos)
            << run.errorOutput;
        EXPECT_NE(run.errorOutput.find("実行時エラー '75'"), std::string::npos) << run.errorOutput;
    }
}

TEST(RealProgram, AWorkingFolderThatIsGoneGetsTheStartUpReport) {
    const TempDir parent;
    const fs::path folder = parent.path() / "gone";
    fs::create_directory(folder);
    const Outcome run = runProgram(folder, {.removeFolderFirst = true});
    expectEndedWith(run, 1);
    EXPECT_NE(run.errorOutput.find("実行時エラー '76'"), std::string::npos) << run.errorOutput;
}

// A second copy, started on the folder through another path, says so and
// ends. It reads and writes nothing: with the data files gone, a copy that
// read one would report it missing, and one that wrote would leave a file.
TEST(RealProgram, ASecondCopyOnTheSameFolderSaysSoAndTouchesNoFile) {
    const TempDir folder;
    const TempDir elsewhere;
    copyStarterFiles(folder);
    const fs::path link = elsewhere.path() / "same-folder";
    fs::create_directory_symlink(folder.path(), link);
    Started first = startProgram(folder.path(), {.quitAfterShow = false});
    ASSERT_TRUE(waitUntilLockedBy(first.pid, folder.path()));
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        fs::remove(entry.path());
    }

    const Outcome second = runProgram(link);
    expectEndedWith(second, 1);
    EXPECT_NE(second.errorOutput.find("すでに起動している Wordbloom"), std::string::npos)
        << second.errorOutput;
    EXPECT_NE(second.errorOutput.find(folder.path().string()), std::string::npos);
    EXPECT_TRUE(fs::is_empty(folder.path()));

    ::kill(first.pid, SIGKILL);
    waitForEnd(first);
}

TEST(RealProgram, ACopyKilledOutrightLeavesNothingThatBlocksTheNextStart) {
    const TempDir folder;
    copyStarterFiles(folder);
    Started first = startProgram(folder.path(), {.quitAfterShow = false});
    ASSERT_TRUE(waitUntilLockedBy(first.pid, folder.path()));
    ::kill(first.pid, SIGKILL);
    ASSERT_TRUE(WIFSIGNALED(waitForEnd(first).status));
    const Outcome next = runProgram(folder.path());
    expectEndedWith(next, 0);
    EXPECT_EQ(next.errorOutput.find("すでに起動している"), std::string::npos);
}

} // namespace
