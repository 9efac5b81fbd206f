#pragma once
// The journal of executes, a file each under platform::journal_folder(): before the first change
// of an execute, every step it will try is written down and flushed to the disk; after the run,
// which steps failed. An execute can so be undone (undo.h), also after a crash in its middle.
// The newest 50 are kept; one undone is renamed from ".jsonl" to ".undone" and kept as history.

#include "journal_format.h"
#include "state_files.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tarvendi::core {

// The journal could not be written before a change: the execute did not start. what() says why
// (UTF-8).
class JournalError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class Journal {
public:
    static constexpr std::size_t kKept = 50;

    // folder: where the journal files lie (a disk path); made when the first execute needs it.
    explicit Journal(std::string folder);

    // One execute being written down.
    class Run {
    public:
        // Creates the journal file at path; its first line, header, goes out with the steps.
        Run(const std::string &path, std::string header);
        // Adds the line of a step; written out in large pieces.
        void add(const JournalStep &step);
        // Writes out what was added and waits until it is on the disk: from here the steps may
        // be taken.
        void commit();
        // After the run: the steps (by their order, from 0) that did not take place. A failure
        // here is not thrown: the changes are made, and a run without its end is taken as cut
        // short, whose steps the disk tells.
        void finish(const std::vector<std::size_t> &failed);

    private:
        platform::AppendFile file_;
        std::string pending_;
    };

    // Opens the file of a new execute with its first line. Here, in Run::add and in Run::commit
    // a journal that cannot be written throws JournalError: the execute must not start.
    std::unique_ptr<Run> begin();

    // The newest execute not undone yet (its file name), if any.
    std::optional<std::string> newest() const;
    JournalRecord load(const std::string &name) const;
    // Leaves a run that was cut short as it is: no start asks about it again.
    void mark_interrupted(const std::string &name);
    void mark_undone(const std::string &name);

private:
    void prune();

    std::string folder_;
};

} // namespace tarvendi::core
