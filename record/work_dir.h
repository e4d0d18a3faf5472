// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace wordbloom {

// A data file open for reading, closed when this goes.
class ReadingFile {
public:
    ReadingFile(ReadingFile&& other) noexcept;
    ReadingFile(const ReadingFile&) = delete;
    ReadingFile& operator=(const ReadingFile&) = delete;
    ReadingFile& operator=(ReadingFile&&) = delete;
    ~ReadingFile();

    // The size of the file when it was opened.
    std::size_t size() const { return m_size; }

    // Reads from offset until the buffer is full or the file ends; returns
    // the count of bytes read. A failure throws FileError.
    std::size_t readAt(std::size_t offset, std::span<char> buffer) const;

private:
    friend class WorkDir;
    ReadingFile(int fd, std::size_t size, std::string name);

    int m_fd;
    std::size_t m_size;
    std::string m_name;
};

// The folder that holds the player's data files. Every file is named by a
// bare file name inside it; a name that could reach outside the folder is
// refused, and no directory is ever created. Each call opens, uses and closes
// its file, so no file stays open between the player's actions.
class WorkDir {
public:
    explicit WorkDir(std::filesystem::path root);

    const std::filesystem::path& root() const { return m_root; }

    bool exists(std::string_view name) const;

    // The whole content of the file; FileError FileNotFound when it is missing.
    std::string readAll(std::string_view name) const;

    // At most maxBytes from the start of the file; `whole` says whether that
    // is all of it. FileError FileNotFound when it is missing.
    struct Prefix {
        std::string bytes;
        bool whole;
    };
    Prefix readPrefix(std::string_view name, std::size_t maxBytes) const;

    // Opens the file for reading in parts; FileError FileNotFound when it is
    // missing.
    ReadingFile openForReading(std::string_view name) const;

    // The whole content, after creating the file empty when it is missing.
    // An existing file is never truncated or rewritten.
    std::string readAllCreatingIfMissing(std::string_view name) const;

    // Creates the file empty when it is missing; leaves an existing one alone.
    void createIfMissing(std::string_view name) const;

    // Appends bytes that form whole lines. They go out in one write, so a crash
    // tears at most this last line, and a torn line left by an earlier crash is
    // closed first so the new line stands alone. The file is locked while it is
    // appended to, so that two copies of the game never mix their lines. A
    // failed write takes back the bytes it wrote itself, never another
    // writer's. A lock that another program keeps for over a second throws
    // FileError PermissionDenied and nothing is written.
    void append(std::string_view name, std::string_view bytes) const;

    // Replaces the whole file: the new content is written to a temporary file
    // beside it and renamed over it, so the file holds either the old or the new
    // content whatever happens in between. Nothing is written when the file
    // already holds these bytes. A symbolic link stays and its target is
    // replaced. Where the folder takes no temporary file (no write access, a
    // full disk), a writable file is rewritten in place instead.
    void replaceAtomically(std::string_view name, std::string_view bytes) const;

    // Empties the file to zero bytes, creating it when missing.
    //
    // Every call refuses a name that stands for anything but a regular file (a
    // folder, a FIFO, a socket, a device) with FileError, without waiting on it.
    void truncate(std::string_view name) const;

    // Empties every one of the files, or none: each is opened for writing (a
    // missing one made) before any is emptied, so a file that cannot be
    // written throws FileError while all of them still hold what they held.
    void truncateAll(std::initializer_list<std::string_view> names) const;

    // The path of a file in this folder, after checking that the name is a bare
    // file name. Throws FileError BadFileName otherwise.
    std::filesystem::path pathOf(std::string_view name) const;

private:
    std::filesystem::path m_root;
};

} // namespace wordbloom
