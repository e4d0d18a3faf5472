// SPDX-License-Identifier: GPL-3.0-or-later
#include "child_process.h"

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace wordbloom::bench {

namespace {

// What the launcher sends back for one program.
struct Reply {
    double seconds;
    std::uint64_t peakRssBytes;
    std::int32_t ok;
};

struct Channel {
    int requests = -1; // written by the benchmark process
    int replies = -1;  // read by the benchmark process
};

Channel& channel() {
    static Channel pipes;
    return pipes;
}

bool readExactly(int fd, void* data, std::size_t size) {
    auto* bytes = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t got = ::read(fd, bytes, size);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        bytes += got;
        size -= static_cast<std::size_t>(got);
    }
    return true;
}

bool writeExactly(int fd, const void* data, std::size_t size) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t put = ::write(fd, bytes, size);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        bytes += put;
        size -= static_cast<std::size_t>(put);
    }
    return true;
}

// A request is a count of texts, then each text as its length and bytes: the
// program, the folder, then the extra environment settings.
bool sendTexts(int fd, const std::vector<std::string>& texts) {
    const auto count = static_cast<std::uint32_t>(texts.size());
    if (!writeExactly(fd, &count, sizeof count)) {
        return false;
    }
    for (const std::string& text : texts) {
        const auto length = static_cast<std::uint32_t>(text.size());
        if (!writeExactly(fd, &length, sizeof length) ||
            !writeExactly(fd, text.data(), text.size())) {
            return false;
        }
    }
    return true;
}

bool receiveTexts(int fd, std::vector<std::string>& texts) {
    std::uint32_t count = 0;
    if (!readExactly(fd, &count, sizeof count)) {
        return false;
    }
    texts.assign(count, {});
    for (std::string& text : texts) {
        std::uint32_t length = 0;
        if (!readExactly(fd, &length, sizeof length)) {
            return false;
        }
        text.resize(length);
        if (!readExactly(fd, text.data(), length)) {
            return false;
        }
    }
    return true;
}

// posix_spawn's file actions, released on every path out.
class FileActions {
public:
    FileActions() { ::posix_spawn_file_actions_init(&m_actions); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    ~FileActions() { ::posix_spawn_file_actions_destroy(&m_actions); }
    posix_spawn_file_actions_t* get() { return &m_actions; }

private:
    posix_spawn_file_actions_t m_actions{};
};

Reply launch(std::vector<std::string>& request) {
    std::vector<std::string> environment(request.begin() + 2, request.end());
    for (char** entry = environ; *entry != nullptr; ++entry) {
        environment.emplace_back(*entry);
    }
    std::vector<char*> envp;
    envp.reserve(environment.size() + 1);
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {request[0].data(), nullptr};

    FileActions actions;
    ::posix_spawn_file_actions_addchdir_np(actions.get(), request[1].c_str());
    ::posix_spawn_file_actions_addopen(actions.get(), 1, "/dev/null", O_WRONLY, 0);
    ::posix_spawn_file_actions_addopen(actions.get(), 2, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (::posix_spawn(&child, argv[0], actions.get(), nullptr, argv, envp.data()) != 0) {
        return {0, 0, 0};
    }
    int status = 0;
    rusage usage{};
    while (::wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            return {0, 0, 0};
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    // Linux gives the peak in kibibytes.
    return {elapsed.count(), static_cast<std::uint64_t>(usage.ru_maxrss) * 1024, ok ? 1 : 0};
}

[[noreturn]] void serve(int requests, int replies) {
    std::vector<std::string> request;
    while (receiveTexts(requests, request) && request.size() >= 2) {
        const Reply reply = launch(request);
        if (!writeExactly(replies, &reply, sizeof reply)) {
            break;
        }
    }
    ::_exit(0);
}

} // namespace

void startLauncher() {
    int requests[2];
    int replies[2];
    if (::pipe2(requests, O_CLOEXEC) != 0 || ::pipe2(replies, O_CLOEXEC) != 0) {
        throw std::runtime_error("cannot make the launcher's pipes");
    }
    const pid_t launcher = ::fork();
    if (launcher < 0) {
        throw std::runtime_error("cannot start the launcher");
    }
    if (launcher == 0) {
        ::close(requests[1]);
        ::close(replies[0]);
        serve(requests[0], replies[1]);
    }
    ::close(requests[0]);
    ::close(replies[1]);
    channel() = {requests[1], replies[0]};
}

ChildRun runChild(const std::filesystem::path& program, const std::filesystem::path& folder,
                  const std::vector<std::string>& extraEnvironment) {
    std::vector<std::string> request{program.string(), folder.string()};
    request.insert(request.end(), extraEnvironment.begin(), extraEnvironment.end());
    Reply reply{};
    if (channel().requests < 0 || !sendTexts(channel().requests, request) ||
        !readExactly(channel().replies, &reply, sizeof reply)) {
        throw std::runtime_error("the launcher is not running");
    }
    if (reply.ok == 0) {
        throw std::runtime_error(program.string() + " did not start or did not end well");
    }
    return {reply.seconds, static_cast<std::size_t>(reply.peakRssBytes)};
}

} // namespace wordbloom::bench
