#pragma once
// The journal of executes, a file each under platform::journal_folder(): before the first change
// of an execute, every step it will try is written down and flushed to the disk; after the run,
// which steps failed. An execute can so be undone (undo.h), also after a crash in its middle.
//
// Every process that writes or undoes holds the journal's lock meanwhile, so that one record is
// written, or undone, at a time. Records are numbered in the order they began (the number leads
// the file name), never by the clock; the newest 50 are kept. One undone is renamed from ".jsonl"
// to ".undone", one that cannot be read to ".damaged", and both are kept for a person to read.

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
    // by: the front end, written into each record.
    explicit Journal(std::string folder, std::string by = {});

    const std::string &folder() const { return folder_; }

    // The journal's lock. A process holds it once, however many of its parts ask: nothing when
    // wait is false and another process holds it. Throws JournalError when the lock file cannot
    // be made.
    using Lock = std::shared_ptr<platform::FileLock>;

    // Names the rule or command of the next record begun (UTF-8), for the history; used once.
    void describe_next(std::string what) { what_ = std::move(what); }
    Lock lock(bool wait) const;

    // One execute being written down; holds the lock until it is destroyed.
    class Run {
    public:
        // Writes the record under a name of its own until commit() gives it path: a process killed
        // before leaves no record. Its first line, header, goes out with the steps.
        Run(Lock lock, const std::string &path, std::string header);
        // A run whose steps never reached the disk, and so never began, leaves no record.
        ~Run();
        Run(const Run &) = delete;
        Run &operator=(const Run &) = delete;
        // Adds the line of a step; written out in large pieces.
        void add(const JournalStep &step);
        // Writes out what was added and waits until it is on the disk: from here the steps may
        // be taken.
        void commit();
        // After the run, before finish(): a line that tells more of it (written_tag_line).
        void note(const std::string &line) { pending_ += line; }
        // After the run: the steps (by their order, from 0) that did not take place. A run in
        // which none took place leaves no record. A failure here is not thrown: the changes are
        // made, and a run without its end is taken as cut short, whose steps the disk tells.
        // stopped: the user stopped the run, and the steps not reached are among the failed;
        // its end says so ("stopped":true beside "finished"), which readers take as any end.
        void finish(const std::vector<std::size_t> &failed, bool stopped = false);

    private:
        Lock lock_;
        std::string path_;
        platform::AppendFile file_;
        std::string pending_;
        std::size_t steps_ = 0;
        bool committed_ = false;
        bool ended_ = false;
    };

    // Opens the file of a new execute with its first line, once no other process writes or
    // undoes (it waits). Here, in Run::add and in Run::commit a journal that cannot be written
    // throws JournalError: the execute must not start.
    std::unique_ptr<Run> begin();

    // Whether a record not undone yet is there (without reading it).
    bool has_newest() const;

    // A record that could not be read, set aside.
    struct SetAside {
        std::string name; // its file name now
        std::size_t line; // the first line that could not be read, from 1
    };
    struct Entry {
        std::string name;
        JournalRecord record;
    };
    // The newest record not undone yet, read. Call it holding the lock. A record that cannot be
    // read is set aside (each one in set_aside), and the next older one is taken; one without a
    // single step (its run was killed before its first change) is removed. Without set_aside
    // nothing is changed: a damaged newest record gives nothing.
    std::optional<Entry> newest(std::vector<SetAside> *set_aside);

    // One record as the history shows it.
    struct Past {
        enum class State { Undoable, Undone, Interrupted, Damaged };
        std::string name;
        State state = State::Undoable;
        JournalRecord record; // empty when damaged
    };
    // Every record kept, newest first. Reads them all: for a person's look, not for a run.
    std::vector<Past> history() const;

    // Leaves a run that was cut short as it is: no start asks about it again.
    void mark_interrupted(const std::string &name);
    void mark_undone(const std::string &name);

private:
    // Removes all but the newest `keep` records.
    void prune(std::size_t keep);
    std::uint64_t next_number() const;

    std::string folder_;
    std::string by_;
    std::string what_;
};

} // namespace tarvendi::core
