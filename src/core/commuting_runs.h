#pragma once
// Renames inside one folder that touch no name in common come out the same in any order, so two
// threads may share them. This splits renames, taken in list order, into runs in which no name
// comes twice: a run ends before the rename that touches a name of the run, which then waits for
// every rename before it. Renames in more than one folder, or in one folder written two ways,
// make no runs: each of them keeps its place.
//
// Names are told apart by 40 bits of their hash: two names that share them only end a run early.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::core {

class CommutingRuns {
public:
    // Forgets the renames; keeps the room.
    void clear();
    // The next rename, as two paths.
    void add(std::string_view source, std::string_view target);
    // The folder part the renames share: "" for bare names, else the path up to its last '/'.
    // Nothing when they do not share one.
    std::optional<std::string_view> folder() const;
    // Where each run starts (indices in the order of add), 0 first. Only for renames that share
    // a folder.
    const std::vector<std::uint32_t> &starts() const { return starts_; }

private:
    // Whether a name with this hash is in the run, and notes it there.
    bool seen(std::uint64_t hash);
    void start_run();
    void grow();

    std::string folder_;
    bool shared_ = true;
    std::uint32_t count_ = 0;
    std::vector<std::uint32_t> starts_;
    // Open addressing: a slot is in use when its top bits are the run's generation, so that a
    // new run starts without clearing the table.
    std::vector<std::uint64_t> slots_;
    std::uint64_t generation_ = 0;
    std::size_t in_run_ = 0; // names noted in the run
};

} // namespace tarvendi::core
