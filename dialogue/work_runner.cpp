// SPDX-License-Identifier: GPL-3.0-or-later
#include "work_runner.h"

namespace wordbloom {

namespace {

// Work run to its end when it was made.
class DoneWork final : public PendingWork {
public:
    explicit DoneWork(const std::function<void()>& work) {
        try {
            work();
        } catch (...) {
            m_failure = std::current_exception();
        }
    }
    void wait() override {
        if (m_failure) {
            std::rethrow_exception(m_failure);
        }
    }

private:
    std::exception_ptr m_failure;
};

} // namespace

std::unique_ptr<PendingWork> InlineWorkRunner::start(const std::string&,
                                                     std::function<void()> work) {
    return std::make_unique<DoneWork>(work);
}

} // namespace wordbloom
