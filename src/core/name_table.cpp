#include "name_table.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace tarvendi::core {

namespace {

std::size_t hash_of(std::string_view name) {
    return std::hash<std::string_view>{}(name);
}

constexpr std::uint8_t kTaken = 0x80;

// The slot's place comes from the top bits of the hash, its mark from the low ones, so that the
// names probing the same run of slots mostly differ in their marks.
std::uint8_t mark_of(std::size_t hash) {
    return static_cast<std::uint8_t>(kTaken | (hash & 0x7f));
}

} // namespace

void NameTable::adopt(std::shared_ptr<const std::string> listing, std::size_t more) {
    listing_ = std::move(listing);
    const std::string &names = *listing_;
    const auto count = static_cast<std::size_t>(std::count(names.begin(), names.end(), '\0'));
    reserve(count + more);
    std::size_t offset = 0;
    while (offset < names.size()) {
        const std::size_t end = names.find('\0', offset);
        const std::string_view name(names.data() + offset, end - offset);
        const std::size_t hash = hash_of(name);
        insert(probe(name, hash), hash, static_cast<std::uint32_t>(offset), name.size(),
               Holder::Disk);
        offset = end + 1;
    }
}

std::string_view NameTable::name_at(std::uint32_t offset, std::size_t length) const {
    if (offset < listing_->size())
        return std::string_view(*listing_).substr(offset, length);
    return added_.at(static_cast<std::uint32_t>(offset - listing_->size()), length);
}

std::size_t NameTable::place(std::size_t hash) const {
    // The hash scaled to the table, which may have any size: a folder of a million names and
    // the run's million new ones need not round up to a power of two.
    return static_cast<std::size_t>((static_cast<unsigned __int128>(hash) * slots_.size()) >> 64);
}

bool NameTable::full_for(std::size_t count) const {
    return count * 10 > slots_.size() * 7;
}

void NameTable::reserve(std::size_t count) {
    // At most seven tenths full: the probes read a byte a slot, so the runs they walk stay
    // within a cache line or two.
    const std::size_t size = std::max<std::size_t>(16, count * 10 / 7 + 1);
    if (size <= slots_.size())
        return;
    std::vector<Slot> old = std::exchange(slots_, std::vector<Slot>(size));
    const std::vector<std::uint8_t> old_marks =
        std::exchange(marks_, std::vector<std::uint8_t>(size));
    for (std::size_t i = 0; i < old.size(); ++i) {
        if (old_marks[i] != 0) {
            const std::size_t hash = hash_of(name_of(old[i]));
            const std::size_t at = probe(name_of(old[i]), hash);
            slots_[at] = old[i];
            marks_[at] = mark_of(hash);
        }
    }
}

std::size_t NameTable::probe(std::string_view name, std::size_t hash) const {
    const std::uint8_t mark = mark_of(hash);
    std::size_t at = place(hash);
    while (marks_[at] != 0 && (marks_[at] != mark || name_of(slots_[at]) != name))
        if (++at == slots_.size())
            at = 0;
    return at;
}

Holder *NameTable::find(std::string_view name) {
    if (slots_.empty())
        return nullptr;
    const std::size_t at = probe(name, hash_of(name));
    return marks_[at] == 0 ? nullptr : &slots_[at].holder;
}

void NameTable::insert(std::size_t at, std::size_t hash, std::uint32_t offset, std::size_t length,
                       Holder holder) {
    slots_[at] = {offset, static_cast<std::uint8_t>(length), holder};
    marks_[at] = mark_of(hash);
    ++count_;
}

Holder NameTable::take(std::string_view name) {
    if (full_for(count_ + 1))
        reserve(std::max<std::size_t>(count_ + 1, slots_.size()));
    const std::size_t hash = hash_of(name);
    const std::size_t at = probe(name, hash);
    Slot &slot = slots_[at];
    if (marks_[at] == 0) {
        insert(at, hash, static_cast<std::uint32_t>(listing_->size() + added_.add(name)),
               name.size(), Holder::Run);
        return Holder::Nobody;
    }
    const Holder before = slot.holder;
    if (before == Holder::Nobody)
        slot.holder = Holder::Run;
    return before;
}

} // namespace tarvendi::core
