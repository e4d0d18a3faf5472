// SPDX-License-Identifier: GPL-3.0-or-later
#include "work_dir.h"

#include "descriptor.h"
#include "file_error.h"
#include "reasons.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace wordbloom {

WorkDir::WorkDir(std::filesystem::path root) : m_root(std::move(root)) {}

std::filesystem::path WorkDir::pathOf(std::string_view name) const {
    const std::string text(name);
    if (text == "." || text == ".." || text.find('/') != std::string::npos ||
        text.find('\0') != std::string::npos) {
        throw FileError(ErrorNumber::BadFileName, text, reason::kOutsideTheFolder);
    }
    if (text.size() > NAME_MAX) {
        throw FileError(ErrorNumber::BadFileName, text, reason::fileNameLongerThan(NAME_MAX));
    }
    return m_root / text;
}

bool WorkDir::exists(std::string_view name) const {
    struct stat info {};
    return ::stat(pathOf(name).c_str(), &info) == 0;
}

ReadingFile::ReadingFile(int fd, std::size_t size, std::string name)
    : m_fd(fd), m_size(size), m_name(std::move(name)) {}

ReadingFile::ReadingFile(ReadingFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_size(other.m_size), m_name(std::move(other.m_name)) {}

ReadingFile::~ReadingFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

std::size_t ReadingFile::readAt(std::size_t offset, std::span<char> buffer) const {
    const auto got = wordbloom::readAt(m_fd, offset, buffer);
    if (!got) {
        throw fileErrorFromErrno(errno, m_name);
    }
    return *got;
}

ReadingFile WorkDir::openForReading(std::string_view name) const {
    Descriptor file = openRegularFile(pathOf(name), name, O_RDONLY);
    const std::size_t size = fileSize(file.get(), name);
    return ReadingFile(file.release(), size, std::string(name));
}

std::string WorkDir::readAll(std::string_view name) const {
    return readPrefix(name, std::string::npos).bytes;
}

WorkDir::Prefix WorkDir::readPrefix(std::string_view name, std::size_t maxBytes) const {
    Descriptor file = openRegularFile(pathOf(name), name, O_RDONLY);
    Prefix prefix{{}, true};
    struct stat info {};
    if (::fstat(file.get(), &info) == 0 && info.st_size > 0) {
        prefix.bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes));
    }
    char buffer[1 << 16];
    while (prefix.bytes.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - prefix.bytes.size());
        const ssize_t got = ::read(file.get(), buffer, wanted);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw fileErrorFromErrno(errno, std::string(name));
        }
        if (got == 0) {
            return prefix;
        }
        prefix.bytes.append(buffer, static_cast<std::size_t>(got));
    }
    char probe = 0;
    prefix.whole = ::read(file.get(), &probe, 1) == 0;
    return prefix;
}

std::string WorkDir::readAllCreatingIfMissing(std::string_view name) const {
    try {
        return readAll(name);
    } catch (const FileError& error) {
        if (error.number() != ErrorNumber::FileNotFound) {
            throw;
        }
    }
    createIfMissing(name);
    return {};
}

void WorkDir::createIfMissing(std::string_view name) const {
    if (exists(name)) {
        return;
    }
    Descriptor file = openFile(pathOf(name), O_WRONLY | O_CREAT | O_EXCL);
    if (!file.valid() && errno != EEXIST) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
}

void WorkDir::truncateAll(std::initializer_list<std::string_view> names) const {
    std::vector<std::pair<Descriptor, std::string_view>> files;
    files.reserve(names.size());
    std::vector<std::string_view> missing;
    for (const std::string_view name : names) {
        try {
            files.emplace_back(openRegularFile(pathOf(name), name, O_WRONLY), name);
        } catch (const FileError& error) {
            if (error.number() != ErrorNumber::FileNotFound) {
                throw;
            }
            missing.push_back(name);
        }
    }
    // Missing files are made only once every existing one is open for writing.
    for (const std::string_view name : missing) {
        files.emplace_back(openRegularFile(pathOf(name), name, O_WRONLY | O_CREAT), name);
    }
    for (const auto& [file, name] : files) {
        if (::ftruncate(file.get(), 0) != 0) {
            throw fileErrorFromErrno(errno, std::string(name));
        }
    }
}

void WorkDir::truncate(std::string_view name) const {
    // Emptied only once it is known to be a regular file.
    const Descriptor file = openRegularFile(pathOf(name), name, O_WRONLY | O_CREAT);
    if (::ftruncate(file.get(), 0) != 0) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
}

} // namespace wordbloom
