#pragma once
// Taking an execute back from its journal record: the renames in reverse order, each target back
// to its source without overwriting anything, the tags as they were, the folders made removed
// when still empty. After a run cut short, what took place is read from the disk.

#include "journal_format.h"
#include "plan.h"

#include <vector>

namespace tarvendi::core {

// Undoes what record says took place and returns what could not be undone and why, as a report
// lists refusals: the current path, the name it should get back (GB18030), the reason.
std::vector<RefusedRename> undo(const JournalRecord &record);

} // namespace tarvendi::core
