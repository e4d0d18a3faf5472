// SPDX-License-Identifier: GPL-3.0-or-later
#include "player_process.h"

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace wordbloom::testing {

namespace {

constexpr uid_t kNobody = 65534;

void becomePlayer(const ChildLimits& limits) {
    if (limits.secondsLimit) {
        ::alarm(*limits.secondsLimit);
    }
    if (limits.fileSizeLimit) {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        ::getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = *limits.fileSizeLimit;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    if (::geteuid() == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            std::perror("cannot give up root");
            std::_Exit(3);
        }
    }
}

} // namespace

bool runAsPlayer(const std::function<void()>& body, ChildLimits limits) {
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        becomePlayer(limits);
        body();
        std::fflush(nullptr);
        std::_Exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void openToPlayer(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    fs::permissions(folder, fs::perms::all);
    for (const auto& entry : fs::directory_iterator(folder)) {
        fs::permissions(entry.path(), entry.is_directory()
                                          ? fs::perms::all
                                          : fs::perms::owner_read | fs::perms::owner_write |
                                                fs::perms::group_read | fs::perms::group_write |
                                                fs::perms::others_read | fs::perms::others_write);
    }
}

} // namespace wordbloom::testing
