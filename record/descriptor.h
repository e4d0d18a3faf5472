// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <sys/stat.h>
#include <sys/types.h>
#include <utility>

namespace wordbloom {

// Owns a file descriptor and closes it on every path out of a call.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Descriptor();
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Hands the descriptor over to the caller, who closes it.
    int release() { return std::exchange(m_fd, -1); }
    // Closes now and reports whether the close succeeded; close can be the
    // first place a full disk shows on some file systems.
    bool closeChecked();

private:
    int m_fd;
};

inline constexpr mode_t kNewFileMode = 0666;

// Opens a data file and makes sure it is a regular file before anything is
// read or written. The open never waits: a FIFO, socket or device put in the
// place of a data file would otherwise hold the game until something else
// opened its other end. Anything but a regular file throws FileError naming
// the file; a failed open throws the system's reason.
Descriptor openRegularFile(const std::filesystem::path& path, std::string_view name, int flags,
                           mode_t mode = kNewFileMode);

// Opens without the checks of openRegularFile; the descriptor is invalid and
// errno tells why when the system refuses.
Descriptor openFile(const std::filesystem::path& path, int flags, mode_t mode = kNewFileMode);

// Throws FileError unless the status is that of a regular file.
void requireRegularFile(const struct stat& info, std::string_view name);

// The size of an open file; a failure throws FileError naming the file.
std::size_t fileSize(int fd, std::string_view name);

// Reads from offset until the buffer is full or the file ends; returns the
// count of bytes read, or nothing with errno set when the system refuses.
std::optional<std::size_t> readAt(int fd, std::size_t offset, std::span<char> buffer);

// Writes every byte at the file's position; returns false with errno set when
// the system refuses.
bool writeAll(int fd, std::string_view bytes);

} // namespace wordbloom
