// SPDX-License-Identifier: GPL-3.0-or-later
#include "folder_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

namespace wordbloom {

FolderLock::FolderLock(Descriptor folder, State state, FolderIdentity identity, int failure)
    : m_folder(std::move(folder)), m_state(state), m_identity(identity), m_failure(failure) {}

FolderLock FolderLock::take(const std::filesystem::path& folder) {
    // Close-on-exec keeps the lock from living on in a program started from
    // the game.
    Descriptor opened = openFile(folder, O_RDONLY | O_DIRECTORY);
    if (!opened.valid()) {
        return {Descriptor(-1), State::Unavailable, {}, errno};
    }
    struct stat info {};
    if (::fstat(opened.get(), &info) != 0) {
        return {Descriptor(-1), State::Unavailable, {}, errno};
    }
    const FolderIdentity identity{static_cast<std::uint64_t>(info.st_dev),
                                  static_cast<std::uint64_t>(info.st_ino)};
    int result = 0;
    do {
        result = ::flock(opened.get(), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        return {std::move(opened), State::Held, identity, 0};
    }
    if (errno == EWOULDBLOCK) {
        return {Descriptor(-1), State::HeldByAnotherCopy, identity, 0};
    }
    // A file system without locks on folders (NFS, some FUSE mounts).
    return {Descriptor(-1), State::Unavailable, identity, errno};
}

} // namespace wordbloom
