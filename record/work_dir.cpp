#include "work_dir.h"

#include "file_error.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace wordbloom {

namespace {

constexpr mode_t kNewFileMode = 0666;

// Owns a file descriptor and closes it on every path out of a call.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Hands the descriptor over to the caller, who closes it.
    int release() { return std::exchange(m_fd, -1); }
    // Closes now and reports whether the close succeeded; close can be the
    // first place a full disk shows on some file systems.
    bool closeChecked() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

Descriptor openFile(const std::filesystem::path& path, int flags, mode_t mode = kNewFileMode) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return Descriptor(fd);
}

// Writes every byte; returns false with errno set when the system refuses.
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

void requireRegularFile(int fd, std::string_view name) {
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    if (S_ISDIR(info.st_mode)) {
        throw fileErrorFromErrno(EISDIR, std::string(name));
    }
    if (!S_ISREG(info.st_mode)) {
        throw FileError(ErrorNumber::PathAccess, std::string(name),
                        "通常のファイルではないため、使えません。");
    }
}

// Removes the temporary files that writers which were killed before their
// rename left beside the file; a temporary file of a live writer stays.
void removeStaleTemporaries(const std::filesystem::path& folder, const std::string& prefix) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(prefix)) {
            continue;
        }
        const std::string pid = name.substr(prefix.size());
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos ||
            pid.size() > 9) {
            continue;
        }
        if (::kill(static_cast<pid_t>(std::stol(pid)), 0) != 0 && errno == ESRCH) {
            ::unlink(entry.path().c_str());
        }
    }
}

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

} // namespace

WorkDir::WorkDir(std::filesystem::path root) : m_root(std::move(root)) {}

std::filesystem::path WorkDir::pathOf(std::string_view name) const {
    const std::string text(name);
    if (text == "." || text == ".." || text.find('/') != std::string::npos ||
        text.find('\0') != std::string::npos) {
        throw FileError(ErrorNumber::BadFileName, text,
                        "ファイル名が正しくありません。フォルダーの外のファイルは使えません。");
    }
    if (text.size() > NAME_MAX) {
        throw FileError(ErrorNumber::BadFileName, text,
                        "ファイル名が長すぎます（" + std::to_string(NAME_MAX) + " バイトまで）。");
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
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t got = ::pread(m_fd, buffer.data() + done, buffer.size() - done,
                                    static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw fileErrorFromErrno(errno, m_name);
        }
        if (got == 0) {
            break;
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

ReadingFile WorkDir::openForReading(std::string_view name) const {
    Descriptor file = openFile(pathOf(name), O_RDONLY);
    if (!file.valid()) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    requireRegularFile(file.get(), name);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    return ReadingFile(file.release(), static_cast<std::size_t>(info.st_size), std::string(name));
}

std::string WorkDir::readAll(std::string_view name) const {
    return readPrefix(name, std::string::npos).bytes;
}

WorkDir::Prefix WorkDir::readPrefix(std::string_view name, std::size_t maxBytes) const {
    Descriptor file = openFile(pathOf(name), O_RDONLY);
    if (!file.valid()) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    requireRegularFile(file.get(), name);
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

void WorkDir::append(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path path = pathOf(name);
    // Read access lets us look at the last byte; a write-only file still
    // takes the append.
    Descriptor file = openFile(path, O_RDWR | O_APPEND | O_CREAT);
    if (!file.valid() && errno == EACCES) {
        file = openFile(path, O_WRONLY | O_APPEND | O_CREAT);
    }
    if (!file.valid()) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    requireRegularFile(file.get(), name);
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    std::string line;
    if (!endsWithLineEnd(file.get(), info.st_size)) {
        line = "\r\n";
    }
    line.append(bytes);
    if (!writeAll(file.get(), line)) {
        const int reason = errno;
        // Take back the part of the line that did get out, so a full disk
        // never leaves a half line in front of the next one.
        static_cast<void>(::ftruncate(file.get(), info.st_size));
        throw fileErrorFromErrno(reason, std::string(name));
    }
    if (!file.closeChecked()) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
}

void WorkDir::replaceAtomically(std::string_view name, std::string_view bytes) const {
    const std::filesystem::path target = pathOf(name);
    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld) {
        if (S_ISDIR(old.st_mode)) {
            throw fileErrorFromErrno(EISDIR, std::string(name));
        }
        // A file the player made read-only stays as it is, although the rename
        // below could replace it.
        if (::access(target.c_str(), W_OK) != 0) {
            throw fileErrorFromErrno(errno, std::string(name));
        }
    }
    const std::string temporaryPrefix = "." + std::string(name) + ".tmp";
    removeStaleTemporaries(m_root, temporaryPrefix);
    const std::filesystem::path temporary = m_root / (temporaryPrefix + std::to_string(::getpid()));
    Descriptor file = openFile(temporary, O_WRONLY | O_CREAT | O_TRUNC);
    if (!file.valid()) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
    const auto fail = [&](int reason) {
        ::unlink(temporary.c_str());
        return fileErrorFromErrno(reason, std::string(name));
    };
    if (hadOld) {
        static_cast<void>(::fchmod(file.get(), old.st_mode & 07777));
    }
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0) {
        throw fail(errno);
    }
    if (!file.closeChecked()) {
        throw fail(errno);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        throw fail(errno);
    }
}

void WorkDir::truncate(std::string_view name) const {
    Descriptor file = openFile(pathOf(name), O_WRONLY | O_CREAT | O_TRUNC);
    if (!file.valid()) {
        throw fileErrorFromErrno(errno, std::string(name));
    }
}

} // namespace wordbloom
