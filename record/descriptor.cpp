// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptor.h"

#include "file_error.h"
#include "reasons.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wordbloom {

namespace {

[[noreturn]] void throwNotARegularFile(std::string_view name) {
    throw FileError(ErrorNumber::PathAccess, std::string(name), reason::kNotARegularFile);
}

struct stat statusOf(int fd, std::string_view name) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    return info;
}

} // namespace

Descriptor::~Descriptor() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool Descriptor::closeChecked() {
    const int fd = std::exchange(m_fd, -1);
    return ::close(fd) == 0;
}

Descriptor openFile(const std::filesystem::path& path, int flags, mode_t mode) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return Descriptor(fd);
}

void requireRegularFile(const struct stat& info, std::string_view name) {
    if (S_ISDIR(info.st_mode)) {
        throw fileErrorFromErrno(EISDIR, std::string(name));
    }
    if (!S_ISREG(info.st_mode)) {
        throwNotARegularFile(name);
    }
}

std::size_t fileSize(int fd, std::string_view name) {
    return static_cast<std::size_t>(statusOf(fd, name).st_size);
}

Descriptor openRegularFile(const std::filesystem::path& path, std::string_view name, int flags,
                           mode_t mode) {
    Descriptor file = openFile(path, flags | O_NONBLOCK, mode);
    if (!file.valid()) {
        // A FIFO with no reader, or a socket, refuses a non-blocking open
        // with ENXIO.
        if (errno == ENXIO) {
            throwNotARegularFile(name);
        }
        throw fileErrorFromErrno(errno, std::string(name));
    }
    requireRegularFile(statusOf(file.get(), name), name);
    // Reads and writes of a regular file go on as usual.
    const int status = ::fcntl(file.get(), F_GETFL);
    if (status >= 0) {
        static_cast<void>(::fcntl(file.get(), F_SETFL, status & ~O_NONBLOCK));
    }
    return file;
}

std::optional<std::size_t> readAt(int fd, std::size_t offset, std::span<char> buffer) {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::pread(fd, buffer.data() + done, buffer.size() - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace wordbloom
