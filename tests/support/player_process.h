// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <sys/resource.h>

namespace wordbloom::testing {

struct ChildLimits {
    // The largest file the child may write, as a full disk would stop it.
    std::optional<rlim_t> fileSizeLimit = std::nullopt;
    // The child is ended after this many seconds, so that a hang fails the
    // test instead of holding up the whole run.
    std::optional<unsigned> secondsLimit = std::nullopt;
};

// Runs body in a child process with an ordinary player's rights: when the
// tests run as root, the child gives root up, so that read-only files and
// folders are read-only to it. GoogleTest failures inside the body count:
// the result is true when the child finished without any.
bool runAsPlayer(const std::function<void()>& body, ChildLimits limits = {});

// Opens a test folder and its files to the player of runAsPlayer: the folder
// and every file in it become writable to everyone.
void openToPlayer(const std::filesystem::path& folder);

} // namespace wordbloom::testing
