// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/busy_dialog_runner.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <limits>
#include <thread>

namespace wordbloom {

namespace {

std::unique_ptr<QProgressDialog> busyDialog(const std::string& what, QWidget* owner) {
    auto dialog =
        std::make_unique<QProgressDialog>(QString::fromStdString(what), QString(), 0, 0, owner);
    dialog->setWindowTitle(QStringLiteral("Wordbloom"));
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    // The dialog would show itself after a minimum duration of its own.
    dialog->setMinimumDuration(std::numeric_limits<int>::max());
    dialog->setCancelButton(nullptr);
    return dialog;
}

// Work on a thread of its own. Made and waited for on the window's thread.
class ThreadedWork final : public PendingWork {
public:
    ThreadedWork(std::string what, std::function<void()> work, QWidget* owner,
                 std::chrono::milliseconds delay)
        : m_what(std::move(what)), m_owner(owner), m_delay(delay) {
        m_thread = std::thread([this, work = std::move(work)] {
            try {
                work();
            } catch (...) {
                m_failure = std::current_exception();
            }
            m_done = true;
            // Ends the wait, should the window be waiting.
            QMetaObject::invokeMethod(
                &m_receiver,
                [this] {
                    if (m_waiting != nullptr) {
                        m_waiting->quit();
                    }
                },
                Qt::QueuedConnection);
        });
    }

    ThreadedWork(const ThreadedWork&) = delete;
    ThreadedWork& operator=(const ThreadedWork&) = delete;

    ~ThreadedWork() override {
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

    void wait() override {
        if (!m_done) {
            waitPainting();
        }
        // Also when the program is asked to end during the wait: the work
        // fills the caller's objects.
        m_thread.join();
        if (m_failure) {
            std::rethrow_exception(m_failure);
        }
    }

private:
    void waitPainting() {
        QEventLoop loop;
        m_waiting = &loop;
        // Made only when the wait lasts: most work is over before.
        std::unique_ptr<QProgressDialog> progress;
        QTimer delay;
        delay.setSingleShot(true);
        QObject::connect(&delay, &QTimer::timeout, &loop, [&] {
            progress = busyDialog(m_what, m_owner);
            progress->show();
        });
        delay.start(m_delay);
        if (!m_done) {
            // Painting goes on; keys and clicks are kept for after the work.
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        m_waiting = nullptr;
    }

    std::string m_what;
    QWidget* m_owner;
    std::chrono::milliseconds m_delay;
    QObject m_receiver; // lives on the window's thread
    QEventLoop* m_waiting = nullptr;
    std::atomic<bool> m_done = false;
    std::exception_ptr m_failure;
    std::thread m_thread; // started last, joined before the rest goes
};

} // namespace

std::unique_ptr<PendingWork> BusyDialogRunner::start(const std::string& what,
                                                     std::function<void()> work) {
    return std::make_unique<ThreadedWork>(what, std::move(work), m_owner, m_delay);
}

} // namespace wordbloom
