// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptor.h"
#include "file_error.h"
#include "reasons.h"
#include "work_dir.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace wordbloom {

namespace {

// Another writer holds a file's lock only for the moment of its own append;
// one that holds it for longer than this is not one of ours.
constexpr int kLockTries = 100;
constexpr auto kLockPause = std::chrono::milliseconds(10);

bool endsWithLineEnd(int fd, off_t size) {
    if (size == 0) {
        return true;
    }
    char last = 0;
    if (::pread(fd, &last, 1, size - 1) != 1) {
        return true;
    }
    return last == '\n' || last == '\r';
}

// Read access lets us look at the last byte; a write-only file still takes
// the append.
Descriptor openForAppending(const std::filesystem::path& path, std::string_view name) {
    try {
        return openRegularFile(path, name, O_RDWR | O_APPEND | O_CREAT);
    } catch (const FileError& error) {
        if (error.number() != ErrorNumber::PermissionDenied) {
            throw;
        }
    }
    return openRegularFile(path, name, O_WRONLY | O_APPEND | O_CREAT);
}

// Takes the file's exclusive lock, so that no other copy of the game appends
// between our look at the file's end and our write, or after a failed write
// of ours before it is taken back. False when another program keeps the lock;
// on a file system without locks the append goes ahead without one.
bool lockForAppending(int fd) {
    for (int attempt = 0; attempt < kLockTries; ++attempt) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return true;
        }
        std::this_thread::sleep_for(kLockPause);
    }
    return false;
}

// Where the bytes of one append landed. With O_APPEND each write goes to the
// end of the file as it is at that moment, so the place is read back after
// each write rather than assumed from an earlier look.
struct Landing {
    off_t start = -1;
    off_t end = -1;
    bool whole = true; // one run of bytes, nothing of anyone else's inside
};

bool appendAll(int fd, std::string_view bytes, Landing& landing) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        const off_t end = ::lseek(fd, 0, SEEK_CUR);
        const off_t start = end - written;
        if (end < 0 || (landing.start >= 0 && start != landing.end)) {
            landing.whole = false;
        }
        if (landing.start < 0) {
            landing.start = start;
        }
        landing.end = end;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Takes back the part of a failed append that did get out, so that a full
// disk never leaves a half line in front of the next one. Only our own bytes
// go, and only while they are still the last in the file: bytes another
// writer added after them stay, with our half line before them, which
// readers skip and the next append closes.
void takeBack(int fd, const Landing& landing) {
    struct stat info {};
    if (landing.start < 0 || !landing.whole || ::fstat(fd, &info) != 0 ||
        info.st_size != landing.end) {
        return;
    }
    // Should this fail too, the failed write is still the error to report.
    std::ignore = ::ftruncate(fd, landing.start);
}

} // namespace

void WorkDir::append(std::string_view name, std::string_view bytes) const {
    Descriptor file = openForAppending(pathOf(name), name);
    if (!lockForAppending(file.get())) {
        throw FileError(ErrorNumber::PermissionDenied, std::string(name), reason::kFileInUse);
    }
    const auto size = static_cast<off_t>(fileSize(file.get(), name));
    std::string line;
    if (!endsWithLineEnd(file.get(), size)) {
        line = "\r\n";
    }
    line.append(bytes);
    Landing landing;
    if (!appendAll(file.get(), line, landing)) {
        const int reason = errno;
        takeBack(file.get(), landing);
        throw fileErrorFromErrno(reason, std::string(name));
    }
    if (!file.closeChecked()) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
}

} // namespace wordbloom
