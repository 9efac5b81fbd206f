#pragma once
// A plan: what one pass will rename, in run order, each with the verdict worked out against the
// names the target folders hold. Applying it renames; the platform's no-overwrite rename keeps
// the last word, since the disk can change between plan and apply.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::core {

enum class Verdict {
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

// One item that got a new name. Texts are GB18030 except reason (UTF-8).
struct PlannedRename {
    std::string source;   // the path the item names, as it stands
    std::string folder;   // the target's folder; empty: the current directory
    std::string name;     // the target's name in that folder
    std::string new_name; // what the rule made, as the report quotes it
    std::string shown;    // the preview line
    Verdict verdict = Verdict::Rename;
    std::string reason; // empty for Rename
};

struct RefusedRename {
    std::string source;   // GB18030
    std::string new_name; // GB18030
    std::string reason;   // UTF-8
};

struct Plan {
    std::vector<PlannedRename> renames; // in run order
    std::vector<RefusedRename> refused; // items whose rule could not do its work
    std::size_t refusals() const;       // renames whose verdict is a refusal
};

// Applies the plan in order and returns every refusal in run order: the items refused by their
// rule, then each planned rename that is invalid (never tried) or that the file system refused.
// A rename whose target was in use when planned is still tried: the disk may have changed since,
// and the file system's no-overwrite rename has the last word and the reason the report gives.
// progress (may be empty) hears the index of each planned rename.
std::vector<RefusedRename> apply_plan(const Plan &plan,
                                      const std::function<void(std::size_t done)> &progress = {});

} // namespace tarvendi::core
