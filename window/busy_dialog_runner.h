// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogue/work_runner.h"

#include <chrono>

class QWidget;

namespace wordbloom {

// Runs long work on a thread of its own. While the window waits for it, the
// window goes on painting, and should the wait last longer than a moment, a
// modal dialog with a busy bar and the text of the work shows until it ends.
// Until the wait is over, the player's keys and clicks are held back.
class BusyDialogRunner final : public WorkRunner {
public:
    static constexpr std::chrono::milliseconds kDefaultDelay{300};

    explicit BusyDialogRunner(QWidget* owner, std::chrono::milliseconds delay = kDefaultDelay)
        : m_owner(owner), m_delay(delay) {}

    std::unique_ptr<PendingWork> start(const std::string& what,
                                       std::function<void()> work) override;

private:
    QWidget* m_owner;
    std::chrono::milliseconds m_delay;
};

} // namespace wordbloom
