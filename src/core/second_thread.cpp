#include "second_thread.h"

namespace tarvendi::core {

SecondThread::~SecondThread() {
    if (!thread_.joinable())
        return;
    if (busy_)
        wait();
    job_ = nullptr;
    go_.release();
    thread_.join();
}

void SecondThread::start(std::function<void()> job) {
    job_ = std::move(job);
    busy_ = true;
    if (!thread_.joinable())
        thread_ = std::thread([this] { run(); });
    go_.release();
}

void SecondThread::wait() {
    done_.acquire();
    busy_ = false;
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
