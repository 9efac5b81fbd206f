#pragma once
// Batches of items handed from one thread to another, in order: the giver waits while too many
// items wait already, so that a fast giver never piles a million of them up in memory. Each
// batch passes whole, and the room of a batch the taker is done with goes back to the giver:
// after the first few batches a long hand-over allocates nothing, and touches no fresh memory.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <utility>
#include <vector>

namespace tarvendi::core {

// Batch: a std::vector, or anything with size(), clear() and a cheap move.
template <class Batch> class Handover {
public:
    // most: how many items may wait before the giver waits too.
    explicit Handover(std::size_t most)
        : most_(most) {}

    // Hands batch over once fewer than `most` items wait; batch is left empty, with the room of
    // a batch taken earlier when there is one.
    void give(Batch &batch) {
        {
            std::unique_lock lock(mutex_);
            room_.wait(lock, [&] { return waiting_ < most_; });
            waiting_ += batch.size();
            batches_.push_back(std::move(batch));
            if (spare_.empty()) {
                batch = Batch();
            } else {
                batch = std::move(spare_.back());
                spare_.pop_back();
            }
        }
        batch.clear();
        ready_.notify_one();
    }

    // Waits for the oldest batch and takes it into batch, whose room goes back to the giver;
    // false at the end, once closed and nothing waits.
    bool take(Batch &batch) {
        batch.clear();
        {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [&] { return closed_ || !batches_.empty(); });
            if (batches_.empty())
                return false;
            if (spare_.size() < kSpares)
                spare_.push_back(std::move(batch));
            batch = std::move(batches_.front());
            batches_.pop_front();
            waiting_ -= batch.size();
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
    // The giver holds one batch while the taker works on another: two spares keep both busy.
    static constexpr std::size_t kSpares = 2;

    const std::size_t most_;
    std::mutex mutex_;
    std::condition_variable ready_; // something was given, or the end
    std::condition_variable room_;  // the taker took a batch
    std::deque<Batch> batches_;     // guarded by mutex_
    std::vector<Batch> spare_;      // emptied batches, guarded by mutex_
    std::size_t waiting_ = 0;       // items in batches_, guarded by mutex_
    bool closed_ = false;           // guarded by mutex_
};

} // namespace tarvendi::core
