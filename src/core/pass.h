#pragma once
// The rename pass: every rule walks a list of items and computes one new name per item, which
// makes a plan (plan.h) that a preview shows and an execute applies. The rules differ only in
// the choices of PassDescription; the loop itself exists once, here. It works on GB18030 texts
// and knows no widgets.

#include "plan.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvendi::core {

// Thrown by a rule that could not do its work for one item (a tag write that failed): the item
// is listed in the refused report with reason (UTF-8) and the pass goes on.
struct ItemRefused {
    std::string reason;
};

// What a rule's operation gets for one item.
struct RuleInput {
    const std::string &name;   // the item's text as the description prepares it
    const std::string &source; // the path the item names, from the root
    std::int32_t counter;      // the running number (the start number when the rule has none)
    int index;                 // position of the item in the walked list, from 0
    // Where the rule may leave a note (UTF-8, a string literal) for the line of a rename that
    // goes ahead, as its reason (what made the name); a refusal's own reason replaces it. Null
    // when nobody asks.
    StaticText *note = nullptr;
};

// Where a new name goes.
enum class Target {
    CurrentFolder, // a bare new name, taken in the folder of the pass
    SameFolder,    // the rule rewrote the item's whole text: its folder part must not change
    InFolder,      // folder + "/" + new name (PassDescription::folder, or the item's own folder)
};

enum class PreviewShows { NewName, FullTarget, FullTargetOnExecute };

struct PassDescription {
    bool checked_only = true;
    bool trim = false;
    bool file_name_part = false;
    bool status_panel = false;
    Target target = Target::CurrentFolder;
    std::optional<std::string> folder; // for Target::InFolder; nothing: the item's own folder
    PreviewShows preview = PreviewShows::NewName;
    // The rule writes the ID3v1 tag of each item it returns (and renames nothing), in any pass:
    // the tags of the MP3 items are journaled before it.
    bool writes_tags = false;
    // Reads the start number; throws ConversionError. Empty: the rule has no counter.
    std::function<std::int32_t()> start_number;
    // The new name, or nothing to pass over the item without a trace (no line, no number).
    // May throw ItemRefused for this item; any other exception ends the pass, and what was done
    // before stays done.
    std::function<std::optional<std::string>(const RuleInput &)> rule;
};

struct PassContext {
    bool execute = false;
    // Swaps and shifts: the renames run in an order that frees each name before it is taken
    // (run_order.h), not in list order.
    bool order = false;
    // The folder of the pass (GB18030, from the root): relative item paths lie in it, and a bare
    // new name goes into it. Below the window nothing asks the process where it stands.
    std::string_view folder;
    // The items are entries of folder, shown with it (the file list's); else they are paths,
    // shown as they stand.
    bool entries = false;
    // Called with the name in work when the description asks for the status panel, and with
    // the progress; both may be empty.
    std::function<void(const std::string &)> status;
    std::function<void(std::size_t done, std::size_t total)> progress;
};

// Runs the rule over items in order, appending to plan as it goes, so that after an error plan
// holds what was planned up to it (and an execute can still apply that much, as a pass that
// renames item by item would have). The plan refers to items: keep them while it is used.
void plan_pass(const PassDescription &description, const std::vector<PassItem> &items,
               const PassContext &context, Plan &plan);

} // namespace tarvendi::core
