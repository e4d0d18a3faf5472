// SPDX-License-Identifier: GPL-3.0-or-later
#include "descriptor.h"
#include "file_error.h"
#include "work_dir.h"

#include <array>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace wordbloom {

namespace {

constexpr std::size_t kRandomPartLength = 6;
constexpr int kTemporaryNameTries = 100;
constexpr std::string_view kRandomCharacters =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

// Temporary files are named ".<name>.tmp<pid>.<six random letters>": the pid
// tells whether the writer still lives, the random part keeps the name from
// being guessed in advance.
std::string temporaryPrefix(const std::filesystem::path& target) {
    // Built by appending: GCC 12 warns wrongly about the operator+ chain at -O3.
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += ".tmp";
    return prefix;
}

bool isRandomPart(std::string_view text) {
    return text.size() == kRandomPartLength &&
           text.find_first_not_of(kRandomCharacters) == std::string_view::npos;
}

// The pid of the writer that made a temporary file, or 0 for a name that is
// not one of ours. Names without the random part come from earlier versions.
pid_t writerOf(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return 0;
    }
    std::string_view rest = name.substr(prefix.size());
    const std::size_t dot = rest.find('.');
    if (dot != std::string_view::npos) {
        if (!isRandomPart(rest.substr(dot + 1))) {
            return 0;
        }
        rest = rest.substr(0, dot);
    }
    if (rest.empty() || rest.size() > 9 ||
        rest.find_first_not_of("0123456789") != std::string_view::npos) {
        return 0;
    }
    return static_cast<pid_t>(std::stol(std::string(rest)));
}

// Removes the temporary files that writers which were killed before their
// rename left beside the file; a temporary file of a live writer stays.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const pid_t writer = writerOf(entry.path().filename().string(), prefix);
        if (writer > 0 && ::kill(writer, 0) != 0 && errno == ESRCH) {
            ::unlink(entry.path().c_str());
        }
    }
}

// Makes a new temporary file beside the target under a name nobody could
// prepare: created exclusively, so neither a file nor a symbolic link already
// standing under that name is ever opened.
Descriptor createTemporary(const std::filesystem::path& target, std::filesystem::path& made) {
    const std::filesystem::path folder = target.parent_path();
    const std::string prefix = temporaryPrefix(target);
    removeStaleTemporaries(folder, prefix);
    std::random_device seed;
    std::uniform_int_distribution<std::size_t> pick(0, kRandomCharacters.size() - 1);
    for (int attempt = 0; attempt < kTemporaryNameTries; ++attempt) {
        std::string name = prefix + std::to_string(::getpid()) + ".";
        for (std::size_t i = 0; i < kRandomPartLength; ++i) {
            name += kRandomCharacters[pick(seed)];
        }
        made = folder / name;
        Descriptor file = openFile(made, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW);
        if (file.valid() || errno != EEXIST) {
            return file;
        }
    }
    errno = EEXIST;
    return Descriptor(-1);
}

// The file a name stands for: a symbolic link the player made is followed, so
// that the link stays and its target gets the new content.
std::filesystem::path followLinks(const std::filesystem::path& path, std::string_view name) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
        return path;
    }
    std::array<char, PATH_MAX> resolved{};
    if (::realpath(path.c_str(), resolved.data()) == nullptr) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    return resolved.data();
}

// The content of an existing file when it is a regular file that can be read
// and is at most `limit` bytes long; nothing otherwise, and the file is then
// written without comparing. The open never waits on a FIFO.
std::optional<std::string> currentContent(const std::filesystem::path& path, std::string_view name,
                                          std::size_t limit) {
    try {
        const Descriptor file = openRegularFile(path, name, O_RDONLY);
        const std::size_t size = fileSize(file.get(), name);
        if (size > limit) {
            return std::nullopt;
        }
        std::string content(size, '\0');
        if (readAt(file.get(), 0, content) != size) {
            return std::nullopt;
        }
        return content;
    } catch (const FileError&) {
        return std::nullopt;
    }
}

// The old content for a rewrite in place to put back should it fail: as
// read already, or read now when it is no longer than the new content.
std::optional<std::string> contentOr(const std::optional<std::string>& known,
                                     const std::filesystem::path& path, std::string_view name,
                                     std::size_t newSize) {
    return known ? known : currentContent(path, name, newSize + 1);
}

bool temporaryNotAllowed(int reason) {
    return reason == EACCES || reason == EPERM || reason == ENOSPC || reason == EDQUOT;
}

// Writes the new content over the old one in the file itself, for a folder
// that takes no temporary file. Should the write fail, the old content goes
// back in.
void rewriteInPlace(const std::filesystem::path& target, std::string_view name,
                    std::string_view bytes, const std::optional<std::string>& old) {
    const Descriptor file = openRegularFile(target, name, O_WRONLY);
    const auto writeContent = [&](std::string_view content) {
        return ::lseek(file.get(), 0, SEEK_SET) == 0 && writeAll(file.get(), content) &&
               ::ftruncate(file.get(), static_cast<off_t>(content.size())) == 0 &&
               ::fsync(file.get()) == 0;
    };
    if (!writeContent(bytes)) {
        const int reason = errno;
        if (old) {
            static_cast<void>(writeContent(*old));
        }
        throw fileErrorFromErrno(reason, std::string(name));
    }
}

} // namespace

void WorkDir::replaceAtomically(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path target = followLinks(pathOf(name), name);
    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    std::optional<std::string> oldContent;
    if (hadOld) {
        requireRegularFile(old, name);
        // Nothing changes, so nothing is written: a read-only file or folder
        // or a full disk then makes no trouble. A file of another size holds
        // other bytes; it is only read should it have to be written in place.
        if (static_cast<std::size_t>(old.st_size) == bytes.size()) {
            oldContent = currentContent(target, name, bytes.size());
            if (oldContent == bytes) {
                return;
            }
        }
        // A file the player made read-only stays as it is, although the rename
        // below could replace it.
        if (::access(target.c_str(), W_OK) != 0) {
            throw fileErrorFromErrno(errno, std::string(name));
        }
    }
    std::filesystem::path temporary;
    Descriptor file = createTemporary(target, temporary);
    if (!file.valid()) {
        const int reason = errno;
        if (hadOld && temporaryNotAllowed(reason)) {
            rewriteInPlace(target, name, bytes, contentOr(oldContent, target, name, bytes.size()));
            return;
        }
        throw fileErrorFromErrno(reason, std::string(name));
    }
    const auto fail = [&](int reason) {
        ::unlink(temporary.c_str());
        return fileErrorFromErrno(reason, std::string(name));
    };
    if (hadOld) {
        static_cast<void>(::fchmod(file.get(), old.st_mode & 07777));
    }
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0) {
        const int reason = errno;
        if (hadOld && temporaryNotAllowed(reason)) {
            ::unlink(temporary.c_str());
            rewriteInPlace(target, name, bytes, contentOr(oldContent, target, name, bytes.size()));
            return;
        }
        throw fail(reason);
    }
    if (!file.closeChecked()) {
        throw fail(errno);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        throw fail(errno);
    }
}

} // namespace wordbloom
