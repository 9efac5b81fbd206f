#pragma once
// Taking an execute back from its journal record: the renames in reverse order, each target back
// to its source without overwriting anything, the tags as they were, the folders made removed
// when still empty. What took place, and what still stands of it, is read from the disk, so that
// a run cut short, or an undo cut short, is taken back as far as it went.

#include "journal.h"
#include "plan.h"

#include <optional>
#include <vector>

namespace tarvendi::core {

// The steps of record (their indices) that undo takes back, in the order it does: those that
// took place and still stand, and those whose file is gone since (reported, not undone).
std::vector<std::size_t> steps_to_undo(const JournalRecord &record);

struct UndoResult {
    std::size_t undone = 0; // steps taken back
    // What could not be undone and why, as a report lists refusals: the current path, the name
    // it should get back (GB18030), the reason.
    std::vector<RefusedRename> refused;
    // A refusal that the user can clear (the old name taken, no permission): the record stays,
    // and the next undo takes back the rest.
    bool remains = false;
};

UndoResult undo(const JournalRecord &record);

// Undoes the record of entry and marks it undone unless something of it remains. Call it holding
// the journal's lock.
UndoResult undo_entry(Journal &journal, const Journal::Entry &entry);

} // namespace tarvendi::core
