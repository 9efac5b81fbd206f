#pragma once
// The verdicts of a plan, worked out in run order against the names that the target folders
// hold: each folder is listed once, when first needed, into a hash table that the run then updates
// (a rename takes its target and frees its source), so no item costs a system call.

#include "filesystem.h"
#include "name_table.h"
#include "plan.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarvendi::core {

class TargetCheck {
public:
    // A source path as its folder (GB18030; empty: the pass's folder) and name.
    using Source = std::pair<std::string_view, std::string_view>;
    // here: the pass's folder (GB18030, from the root), against which relative paths are
    // resolved. Without against_disk nothing is listed: only what no file system would
    // accept is refused (an execute, where the file system itself decides whether a name is
    // free). renames: about how many renames will be judged (room for their names). source_of
    // gives the source of a rename judged earlier (its PlannedRename stays where it is).
    using SourceOf = std::function<Source(const PlannedRename &)>;
    TargetCheck(const std::string &here, bool against_disk, std::size_t renames,
                SourceOf source_of);

    // Sets the verdict and reason of r, which renames source to name in folder (GB18030; empty:
    // here), and records what a rename that will happen takes and frees for
    // the items after it. The renames judged lie one after another in one array, in the order
    // they are judged (a plan's renames), and stay there.
    void judge(PlannedRename &r, Source source, std::string_view folder, std::string_view name);

private:
    using Folder = NameTable;

    // A folder as the run names it. A run mostly stays in one folder, written one way for the
    // sources and maybe another for the targets ("" for here): the last of
    // each side is kept at hand with what it resolves to, so that most items cost no lookup.
    struct Recent {
        bool known = false;
        std::string named;       // GB18030, as the run gives it
        bool convertible = true; // its name has a disk form
        std::string absolute;    // as the disk spells it
        platform::NameRules rules;
        bool above_journal = false; // the journal's folder lies somewhere below it
        Folder *table = nullptr;    // its names, when checked against the disk; folded where the
                                    // folder folds case
    };
    const Recent &resolve(std::string_view folder, Recent &recent);
    std::string absolute(std::string_view disk_folder) const;
    const platform::NameRules &rules(const std::string &absolute_folder);
    Folder &table(const std::string &absolute_folder, bool folds_case);
    // name as the table of folder holds it.
    std::string_view key(const Recent &folder, const std::string &name, std::string &room) const;
    void free(const Recent &from, const std::string &old_name);
    // Whether the entry name in folder is the journal's folder or holds it.
    bool holds_journal(const Recent &folder, std::string_view name) const;
    // Frees the names of every rename judged before current that will rename, and from now on
    // each one's at once.
    void free_earlier_sources(const PlannedRename &current);

    std::string current_;
    std::string journal_; // the journal's folder, as the disk spells it
    bool against_disk_;
    std::size_t renames_;
    std::unordered_map<std::string, std::unique_ptr<Folder>> folders_;
    std::unordered_map<std::string, platform::NameRules> rules_;
    Recent sources_;
    Recent targets_;
    std::string old_name_; // the disk forms of the item in work, their room reused
    std::string new_name_;
    std::string folded_; // room for a name folded to one case
    SourceOf source_of_;
    // A rename frees its source name for the items after it; that matters only to an item that
    // wants a name the table shows as held. Until one does, nothing is freed: the renames judged
    // so far are those from the first up to the one in work, which
    // spares the usual run (where no new name is an old one) a lookup per item, and a list.
    bool freeing_at_once_ = false;
    const PlannedRename *first_judged_ = nullptr;
};

} // namespace tarvendi::core
