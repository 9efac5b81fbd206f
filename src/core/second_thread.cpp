#include "second_thread.h"

namespace tarvendi::core {

SecondThread::~SecondThread() {
    if (!thread_.joinable())
        return;
    job_ = nullptr;
    go_.release();
    thread_.join();
}

void SecondThread::start(std::function<void()> job) {
    job_ = std::move(job);
    if (!thread_.joinable())
        thread_ = std::thread([this] { run(); });
    go_.release();
}

void SecondThread::wait() {
    done_.acquire();
}

void SecondThread::run() {
    for (;;) {
        go_.acquire();
        if (!job_)
            return;
        job_();
        done_.release();
    }
}

} // namespace tarvendi::core
