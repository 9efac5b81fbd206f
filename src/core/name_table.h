#pragma once
// The names of one folder and who holds each, for a planner that must look up a million names
// quickly and in little memory: the listed names lie end to end in one buffer, the names the run
// adds in an arena (never moved, so adding never copies what is there), and the table is flat
// (open addressing, linear probing) with 8-byte slots that refer into them, so no name is stored
// twice. Beside the slots lies one byte a slot that says whether it is taken and holds seven bits
// of its name's hash: probes read only these bytes, which fit in a core's cache where the slots
// do not, and a slot is read only for a name that very likely is the one sought.

#include "text_arena.h"
#include <cstddef>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::core {

enum class Holder : std::uint8_t {
    Disk,   // an entry on disk that the run has not renamed away
    Run,    // a name an earlier item of the run will take
    Nobody, // freed by an earlier rename of the run
};

class NameTable {
public:
    // Takes a folder's listing (names each followed by NUL, as platform::disk_names gives it),
    // every name held by the disk, with room for `more` names to come without growing.
    void adopt(std::shared_ptr<const std::string> listing, std::size_t more);
    // The holder of name, or nothing when the folder has no such name. Valid until add().
    Holder *find(std::string_view name);
    // Gives name to the run unless the disk or the run holds it; returns who held it before
    // (Nobody also when the table had no such name). One probe for both.
    Holder take(std::string_view name);

private:
    struct Slot {
        std::uint32_t offset = 0; // into listing_, or past its end into the chunks
        std::uint8_t length = 0;
        Holder holder = Holder::Disk;
    };
    std::string_view name_at(std::uint32_t offset, std::size_t length) const;
    std::string_view name_of(const Slot &slot) const { return name_at(slot.offset, slot.length); }
    std::size_t place(std::size_t hash) const;
    bool full_for(std::size_t count) const;
    // The slot that holds name, or the free slot where it belongs.
    std::size_t probe(std::string_view name, std::size_t hash) const;
    // Puts a name (at most 255 bytes, as every file name) into the free slot `at` that a probe
    // for it found.
    void insert(std::size_t at, std::size_t hash, std::uint32_t offset, std::size_t length,
                Holder holder);
    void reserve(std::size_t count);

    std::shared_ptr<const std::string> listing_ = std::make_shared<const std::string>();
    TextArena added_;
    std::vector<Slot> slots_;
    std::vector<std::uint8_t> marks_; // per slot: 0 free, else kTaken and seven bits of the hash
    std::size_t count_ = 0;
};

} // namespace tarvendi::core
