#pragma once
// A second thread for one that shares its work now and then: it runs a job while the thread that
// gave it works on its own part, which then waits for it. Started at the first job and kept, so
// that a job costs a wake-up, not a thread.

#include <functional>
#include <semaphore>
#include <thread>

namespace tarvendi::core {

class SecondThread {
public:
    SecondThread() = default;
    // Waits for a job still running: its owner may be unwinding.
    ~SecondThread();
    SecondThread(const SecondThread &) = delete;
    SecondThread &operator=(const SecondThread &) = delete;

    // Runs job on the second thread. The job must not throw; wait() comes before the next start.
    void start(std::function<void()> job);
    // Until the job started last has run.
    void wait();

private:
    void run();

    std::function<void()> job_; // empty: the thread ends
    bool busy_ = false;         // a job was started and not waited for
    std::binary_semaphore go_{0};
    std::binary_semaphore done_{0};
    std::thread thread_;
};

} // namespace tarvendi::core
