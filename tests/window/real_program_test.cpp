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

// The environment of a run: offscreen, with a home of its own that keeps
// settings and runtime files of the toolkit out of the real home, and the
// rest inherited. With quitAfterShow the program ends at the first turn of
// its event loop, and a box it shows before its window closes at once.
std::vector<std::string> environmentFor(const fs::path& folder, const fs::path& home,
                                        bool quitAfterShow) {
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen", "HOME=" + home.string(),
                                         "XDG_RUNTIME_DIR=" + home.string(),
                                         "PWD=" + folder.string(), "WORDBLOOM_QUIT_AFTER_SHOW=1"};
    const std::size_t ours = environment.size();
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view inherited = *entry;
        const std::string_view name = inherited.substr(0, inherited.find('=') + 1);
        if (std::none_of(environment.begin(),
                         environment.begin() + static_cast<std::ptrdiff_t>(ours),
                         [&](const std::string& set) { return set.starts_with(name); })) {
            environment.emplace_back(inherited);
        }
    }
    if (!quitAfterShow) {
        environment.erase(environment.begin() + static_cast<std::ptrdiff_t>(ours) - 1);
    }
    return environment;
}

// Runs the program in folder and collects its standard error. With
// removeFolderFirst, the child enters the folder and removes it before it
// starts the program, which then begins in a working folder that is gone.
Outcome runProgram(const fs::path& folder, bool removeFolderFirst = false) {
    const TempDir home;
    std::vector<std::string> environment = environmentFor(folder, home.path(), true);
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
        return {};
    }
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ADD_FAILURE() << "cannot start a child process";
        return {};
    }
    if (child == 0) {
        // Only async-signal-safe calls until exec.
        ::dup2(pipeFds[1], STDERR_FILENO);
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, STDIN_FILENO);
        ::dup2(nothing, STDOUT_FILENO);
        if (::chdir(folder.c_str()) != 0 || (removeFolderFirst && ::rmdir(folder.c_str()) != 0)) {
            ::_exit(120);
        }
        ::execve(argv[0], argv, envp.data());
        ::_exit(127);
    }
    ::close(pipeFds[1]);

    Outcome run;
    const auto deadline = std::chrono::steady_clock::now() + kDeadline;
    const auto remainingMs = [&] {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
    };
    bool open = true;
    while (open) {
        pollfd watched{pipeFds[0], POLLIN, 0};
        const int ready = ::poll(&watched, 1, remainingMs());
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            break;
        }
        char buffer[4096];
        const ssize_t got = ::read(pipeFds[0], buffer, sizeof buffer);
        if (got > 0) {
            run.errorOutput.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            open = false;
        }
    }
    ::close(pipeFds[0]);
    // Standard error closes as the program ends: poll for its status until the deadline.
    while (!open && remainingMs() > 0) {
        if (::waitpid(child, &run.status, WNOHANG) == child) {
            run.finished = true;
            return run;
        }
        ::usleep(10'000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, &run.status, 0);
    return run;
}

// A folder holding the data files a new player is given.
void copyStarterFiles(const TempDir& folder) {
    for (const auto& entry : fs::directory_iterator(WORDBLOOM_STARTER_DATA)) {
        fs::copy_file(entry.path(), folder.path() / entry.path().filename());
    }
}

// Starts the program in folder to keep running, its output thrown away; the
// caller ends it.
pid_t startKeptRunning(const fs::path& folder, const TempDir& home) {
    std::vector<std::string> environment = environmentFor(folder, home.path(), false);
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    std::string program = WORDBLOOM_PROGRAM;
    char* argv[] = {program.data(), nullptr};
    const pid_t child = ::fork();
    if (child == 0) {
        const int nothing = ::open("/dev/null", O_RDWR);
        ::dup2(nothing, STDIN_FILENO);
        ::dup2(nothing, STDOUT_FILENO);
        ::dup2(nothing, STDERR_FILENO);
        if (::chdir(folder.c_str()) == 0) {
            ::execve(argv[0], argv, envp.data());
        }
        ::_exit(127);
    }
    return child;
}

// The program kept running in a folder; killed with SIGKILL at the latest
// when this goes, so that a failed test leaves no program behind.
class KeptRunning {
public:
    KeptRunning(const fs::path& folder, const TempDir& home)
        : m_pid(startKeptRunning(folder, home)) {}
    KeptRunning(const KeptRunning&) = delete;
    KeptRunning& operator=(const KeptRunning&) = delete;
    ~KeptRunning() { killOutright(); }

    pid_t pid() const { return m_pid; }
    void killOutright() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            int status = 0;
            ::waitpid(m_pid, &status, 0);
            m_pid = -1;
        }
    }

private:
    pid_t m_pid;
};

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
    const Outcome run = runProgram(folder, true);
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
    KeptRunning first(folder.path(), elsewhere);
    ASSERT_TRUE(waitUntilLockedBy(first.pid(), folder.path()));
    for (const auto& entry : fs::directory_iterator(folder.path())) {
        fs::remove(entry.path());
    }

    const Outcome second = runProgram(link);
    expectEndedWith(second, 1);
    EXPECT_NE(second.errorOutput.find("すでに起動している Wordbloom"), std::string::npos)
        << second.errorOutput;
    EXPECT_NE(second.errorOutput.find(folder.path().string()), std::string::npos);
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST(RealProgram, ACopyKilledOutrightLeavesNothingThatBlocksTheNextStart) {
    const TempDir folder;
    const TempDir home;
    copyStarterFiles(folder);
    KeptRunning first(folder.path(), home);
    ASSERT_TRUE(waitUntilLockedBy(first.pid(), folder.path()));
    first.killOutright();
    const Outcome next = runProgram(folder.path());
    expectEndedWith(next, 0);
    EXPECT_EQ(next.errorOutput.find("すでに起動している"), std::string::npos);
}

} // namespace
