#pragma once
// Items handed from one thread to another in runs, in order: the giver waits while too many wait
// already, so that a fast giver never piles a million of them up in memory; the taker takes all
// that wait at once. The vectors swap their room, so a long hand-over allocates hardly at all.

#include <condition_variable>
#include <cstddef>
#include <iterator>
#include <mutex>
#include <vector>

namespace tarvendi::core {

template <class T> class Handover {
public:
    // most: how many may wait before the giver waits too.
    explicit Handover(std::size_t most)
        : most_(most) {}

    // Hands items over (leaving it empty) once fewer than `most` wait.
    void give(std::vector<T> &items) {
        {
            std::unique_lock lock(mutex_);
            room_.wait(lock, [&] { return waiting_.size() < most_; });
            if (waiting_.empty())
                waiting_.swap(items);
            else
                waiting_.insert(waiting_.end(), std::make_move_iterator(items.begin()),
                                std::make_move_iterator(items.end()));
        }
        items.clear();
        ready_.notify_one();
    }

    // Waits for items and takes all that wait into out, in order; false at the end, once
    // closed and nothing waits.
    bool take(std::vector<T> &out) {
        out.clear();
        {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [&] { return closed_ || !waiting_.empty(); });
            if (waiting_.empty())
                return false;
            out.swap(waiting_);
        }
        room_.notify_one();
        return true;
    }

    // No more is given: the taker takes what waits, then ends.
    void close() {
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        ready_.notify_one();
    }

private:
    const std::size_t most_;
    std::mutex mutex_;
    std::condition_variable ready_; // something was given, or the end
    std::condition_variable room_;  // the taker took what waited
    std::vector<T> waiting_;        // guarded by mutex_
    bool closed_ = false;           // guarded by mutex_
};

} // namespace tarvendi::core
