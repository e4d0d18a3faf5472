// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>

namespace wordbloom {

// Work that was started and may still be going on.
class PendingWork {
public:
    virtual ~PendingWork() = default;
    // Returns once the work is done and throws what it threw.
    virtual void wait() = 0;
};

// Runs long pieces of work for the handlers, such as reading a large file.
// The work only fills objects of its own; the handler applies the result once
// the work is done. `what` tells the player what is being done, should the
// wait take a while.
class WorkRunner {
public:
    virtual ~WorkRunner() = default;

    // Starts the work; it may go on until wait is called.
    virtual std::unique_ptr<PendingWork> start(const std::string& what,
                                               std::function<void()> work) = 0;

    // Runs the work and waits for it.
    void run(const std::string& what, std::function<void()> work) {
        start(what, std::move(work))->wait();
    }
};

// Runs the work at once, on the calling thread, when it is started.
class InlineWorkRunner final : public WorkRunner {
public:
    std::unique_ptr<PendingWork> start(const std::string&, std::function<void()> work) override;
};

} // namespace wordbloom
