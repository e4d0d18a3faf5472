// SPDX-License-Identifier: GPL-3.0-or-later
#include "new_entries.h"

#include "descriptor.h"
#include "file_error.h"
#include "reasons.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wordbloom {

namespace {

constexpr mode_t kNewFolderMode = 0777;

[[noreturn]] void fail(int reason, std::string_view name) {
    if (reason == EEXIST) {
        throw FileError(ErrorNumber::PathAccess, std::string(name), reason::kAlreadyThere);
    }
    throw fileErrorFromErrno(reason, std::string(name));
}

constexpr std::size_t kCopyStep = std::size_t{1} << 24;

// Copies what is left of one open file to the end of another.
bool copyByReading(int source, int copy) {
    std::string block(std::size_t{1} << 16, '\0');
    for (;;) {
        const ssize_t got = ::read(source, block.data(), block.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return got == 0;
        }
        if (!writeAll(copy, std::string_view(block.data(), static_cast<std::size_t>(got)))) {
            return false;
        }
    }
}

} // namespace

bool makeNewFolder(const WorkDir& dir, std::string_view name) {
    if (::mkdir(dir.pathOf(name).c_str(), kNewFolderMode) == 0) {
        return true;
    }
    if (errno != EEXIST) {
        fail(errno, name);
    }
    return false;
}

void copyToNewFile(const WorkDir& from, std::string_view name, const WorkDir& to) {
    const Descriptor source = openRegularFile(from.pathOf(name), name, O_RDONLY);
    const std::filesystem::path path = to.pathOf(name);
    Descriptor copy = openFile(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
    if (!copy.valid()) {
        fail(errno, name);
    }
    // The kernel copies, without the bytes passing through here; where it
    // cannot (across file systems on older kernels), they are read and written.
    bool copied = true;
    for (;;) {
        const ssize_t done =
            ::copy_file_range(source.get(), nullptr, copy.get(), nullptr, kCopyStep, 0);
        if (done > 0) {
            continue;
        }
        if (done < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL)) {
            copied = copyByReading(source.get(), copy.get());
        } else {
            copied = done == 0;
        }
        break;
    }
    if (!copied || ::fsync(copy.get()) != 0 || !copy.closeChecked()) {
        const int reason = errno;
        ::unlink(path.c_str());
        fail(reason, name);
    }
}

void moveWithoutReplacing(const WorkDir& from, std::string_view name, const WorkDir& to,
                          std::string_view newName) {
    const std::filesystem::path source = from.pathOf(name);
    const std::filesystem::path target = to.pathOf(newName);
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0) {
        return;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        fail(errno, name);
    }
    // A file system without that kind of rename: a new link, which never
    // replaces anything either, then the old name goes.
    if (::link(source.c_str(), target.c_str()) != 0) {
        fail(errno, name);
    }
    if (::unlink(source.c_str()) != 0) {
        const int reason = errno;
        ::unlink(target.c_str());
        fail(reason, name);
    }
}

void syncFolder(const WorkDir& dir) {
    const Descriptor folder = openFile(dir.root(), O_RDONLY | O_DIRECTORY);
    if (!folder.valid() || ::fsync(folder.get()) != 0) {
        throw fileErrorFromErrno(errno, dir.root().filename().string());
    }
}

} // namespace wordbloom
