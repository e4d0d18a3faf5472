// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "descriptor.h"

#include <cstdint>
#include <filesystem>

namespace wordbloom {

// Where a folder stands on its disk: the same for every path that leads to
// it (a symbolic link, a bind mount, a relative path).
struct FolderIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool operator==(const FolderIdentity&) const = default;
};

// A running copy of the game's hold on its data folder, so that a second copy
// started on the same folder can tell and step aside.
//
// The lock is on the folder itself, not on a file in it: the player's folder
// gains no file that could be synced, imported, backed up or mistaken for a
// data file, a read-only folder can be locked as well, and every path to the
// folder meets the same lock. The kernel keeps it for the open descriptor, so
// it goes when the copy ends, however it ends: a crash or a kill never leaves
// it behind to block the next start.
class FolderLock {
public:
    enum class State {
        Held,              // this copy has the folder
        HeldByAnotherCopy, // a running copy has it already
        Unavailable,       // the folder cannot be locked: no lock is held
    };

    // Takes the lock without waiting.
    static FolderLock take(const std::filesystem::path& folder);

    State state() const { return m_state; }
    // Known unless the folder could not be opened.
    const FolderIdentity& identity() const { return m_identity; }
    // Why the lock is Unavailable, as an errno value.
    int failure() const { return m_failure; }

private:
    FolderLock(Descriptor folder, State state, FolderIdentity identity, int failure);

    Descriptor m_folder;
    State m_state;
    FolderIdentity m_identity;
    int m_failure;
};

} // namespace wordbloom
