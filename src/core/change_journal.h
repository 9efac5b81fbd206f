#pragma once
// Journaling the changes an execute makes besides renames: the tags a pass writes, and the
// folders the name list makes. Each is written down and flushed before the first change.

#include "journal.h"
#include "plan.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::core {

// For a pass whose rule writes tags: the 128 bytes each MP3 item ends with (or that it has no
// tag) go into the journal before the pass; afterwards, the items the pass did not write count
// as failed steps. items are names in folder (empty: paths as they stand); relative paths lie
// in here (from the root).
class TagJournal {
public:
    TagJournal(Journal &journal, const std::vector<PassItem> &items, std::string_view folder,
               std::string_view here);
    void finish(const Plan &plan);

private:
    std::unique_ptr<Journal::Run> run_;
    std::vector<std::uint32_t> step_items_;
    std::vector<std::string> paths_; // GB18030, per step
};

// Writes down the folders (GB18030 paths, relative ones in here) about to be made; finish()
// with those not made.
std::unique_ptr<Journal::Run> journal_folders(Journal &journal, std::string_view here,
                                              const std::vector<std::string> &folders);

} // namespace tarvendi::core
