#pragma once
// A plan: what one pass will rename, in run order, each with the verdict worked out against the
// names the target folders hold. Applying it renames; the platform's no-overwrite rename keeps
// the last word, since the disk can change between plan and apply.
//
// A plan holds each new name once and refers to its items for the rest (sources, folders), so
// that a pass over a million files holds no name twice: it is valid while its items are.

#include "text_arena.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvendi::core {

// One item as a pass receives it: a working-list item, or a file-list entry (a name in the
// folder the pass is given). It carries the entry's real name, never the text a list shows
// ("[sub]" names the folder sub). The name is a view of a GB18030 name that the caller keeps
// alive through plan and apply.
struct PassItem {
    std::string_view name;
    bool checked = true;
    // "." and "..": passed over without a trace by every pass.
    bool dot_entry = false;
};

enum class Verdict : std::uint8_t {
    Rename,    // will be renamed
    Unchanged, // the new name is the old one: nothing to do
    Exists,    // an entry holds the name and is not renamed away earlier in the run
    Duplicate, // an earlier item of the run takes the same name
    Invalid,   // the name cannot be a name here, or would move or hide the file
};

// "rename", "unchanged", "exists", "duplicate" or "invalid": the word tests and scripts see.
std::string_view verdict_word(Verdict verdict);

inline bool is_refusal(Verdict verdict) {
    return verdict != Verdict::Rename && verdict != Verdict::Unchanged;
}

// Where a planned rename's target lies.
enum class TargetFolder : std::uint8_t {
    Current, // the folder of the pass (Plan::here)
    Plan,    // the folder the plan names (Plan::folder)
    Source,  // the folder of the item's own path
};

// A text that lives as long as the program (a string literal), held as a pointer to its first
// byte: half the room of a view, for a field a million renames each carry.
class StaticText {
public:
    constexpr StaticText() = default;
    // text views a whole string literal, up to its final NUL.
    constexpr StaticText(std::string_view text)
        : text_(text.empty() ? "" : text.data()) {
        assert(text.empty() || text.data()[text.size()] == '\0');
    }
    constexpr operator std::string_view() const { return text_; }
    constexpr bool empty() const { return text_[0] == '\0'; }

private:
    const char *text_ = "";
};

// One item that got a new name. (A million of them are held at once: keep it small.)
struct PlannedRename {
    StaticText reason;      // UTF-8; for Rename empty or the rule's note (RuleInput::note)
    std::uint32_t item = 0; // index into the plan's items
    // What the rule made (GB18030), as the report quotes it: its place in the plan's texts.
    std::uint32_t new_name = 0;
    std::uint32_t new_length = 0;
    std::uint32_t name_start = 0; // the target's name is the new name from here on
    TargetFolder folder = TargetFolder::Current;
    bool full_shown = false; // the preview line is the target's full path, not the new name
    // Breaks a cycle of the run order: first renamed to a temporary name, last to its target.
    bool via_temporary = false;
    Verdict verdict = Verdict::Rename;
};
static_assert(sizeof(PlannedRename) <= 32, "a million renames are held at once");

// name in folder (GB18030; empty: name as it stands).
std::string join(std::string_view folder, std::string_view name);
// path from the root: a relative one lies in here (GB18030, from the root). Into out, whose
// room a loop over a million items reuses.
void from_root_into(std::string_view here, std::string_view path, std::string &out);
inline std::string from_root(std::string_view here, std::string_view path) {
    std::string out;
    from_root_into(here, path, out);
    return out;
}

struct RefusedRename {
    std::string source;   // GB18030
    std::string new_name; // GB18030
    std::string reason;   // UTF-8
    Verdict verdict = Verdict::Invalid;
    // For a rule's refusal: the item's index into the plan's items, which puts its preview line
    // in list order among the renames. Elsewhere 0 and unused.
    std::uint32_t item = 0;
};

struct Plan {
    const std::vector<PassItem> *items = nullptr;
    std::string here;                   // the pass's folder, from the root: paths below lie in it
    std::string items_folder;           // the items are names in it; empty: paths as they stand
    TextArena texts;                    // the new names
    std::string folder;                 // for TargetFolder::Plan
    std::vector<PlannedRename> renames; // in list order
    // The order the renames run in (indices into renames; one via a temporary name comes twice),
    // when it is not the list order (run_order.h); empty: the list order.
    std::vector<std::uint32_t> order;
    std::vector<RefusedRename> refused; // items whose rule could not do its work

    std::string_view new_name(const PlannedRename &r) const {
        return texts.at(r.new_name, r.new_length);
    }
    // The path the item names, as it stands.
    std::string source(const PlannedRename &r) const;
    // The same into out, whose room a loop over a million items reuses.
    void source_into(const PlannedRename &r, std::string &out) const;
    // The source's folder (empty: here) and name, without building a path.
    std::pair<std::string_view, std::string_view> source_parts(const PlannedRename &r) const;
    // The target's folder (empty: here) and name.
    std::string_view target_folder(const PlannedRename &r) const;
    std::string_view target_name(const PlannedRename &r) const {
        return new_name(r).substr(r.name_start);
    }
    // The target's path: its folder and name.
    std::string target(const PlannedRename &r) const;
    // The preview line.
    std::string shown(const PlannedRename &r) const;
    // How many renames have a verdict that refuses them.
    std::size_t refusals() const;
};

} // namespace tarvendi::core
