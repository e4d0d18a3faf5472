#include "work_runner.h"

namespace wordbloom {

namespace {

class DoneWork final : public PendingWork {
public:
    explicit DoneWork(std::exception_ptr failure) : m_failure(std::move(failure)) {}
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
    std::exception_ptr failure;
    try {
        work();
    } catch (...) {
        failure = std::current_exception();
    }
    return std::make_unique<DoneWork>(failure);
}

} // namespace wordbloom
