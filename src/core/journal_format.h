#pragma once
// The text of a journal file: one JSON object a line, so that a person can read it and a run cut
// short by a crash leaves every line before the cut whole.
//
//   {"tarvendi_journal":1,"started":"2026-12-07T16:25:00Z","by":"cli","what":"wildcard"}
//   {"rename":"/music/a.mp3","to":"/music/01-a.mp3"}      a rename that will be tried
//   {"tag":"/music/b.mp3","old":"5441..."}                the 128 bytes a file ended with (hex)
//   {"tag":"/music/c.mp3","old":null}                     a file that had no tag
//   {"folder":"/music/new"}                               a folder that will be made
//   {"wrote":4,"tail":"5441..."}                          the tag that step 4 wrote (hex)
//   {"finished":true,"failed":[3,17]}                     the run's end: the steps that failed
//   {"interrupted":true}                                  a run found cut short, left as it was
//
// Paths are absolute, as the disk spells them; one that is not valid UTF-8 is written in hex
// under the key with "_hex" added ("rename_hex", "to_hex", ...).

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvendi::core {

enum class StepKind : unsigned char { Rename, Tag, Folder };

// An ID3v1 tag: the last 128 bytes of a file, starting with "TAG".
inline constexpr std::size_t kTagSize = 128;

struct JournalStep {
    StepKind kind = StepKind::Rename;
    std::string path;   // Rename: the source; Tag: the file; Folder: the folder made
    std::string target; // Rename: the target
    std::optional<std::string> old_tail; // Tag: the 128-byte tag the file ended with, if any
};

struct JournalRecord {
    std::string started; // UTC, ISO 8601, as the header gives it
    std::string by;      // the front end that wrote it: "window", "cli", or empty
    std::string what;    // the rule or command, as its front end names it; may be empty
    std::vector<JournalStep> steps;
    bool finished = false;           // the run reached its end: failed tells what did not happen
    bool interrupted = false;        // cut short, and found so at a start
    std::vector<std::size_t> failed; // sorted
    std::map<std::size_t, std::string> written; // tag steps: the 128 bytes each wrote
};

std::string journal_header(std::string_view started, std::string_view by,
                           std::string_view what = {});
// Appends the line of step to out.
void append_step_line(const JournalStep &step, std::string &out);
std::string written_tag_line(std::size_t step, std::string_view tail);
std::string finished_line(const std::vector<std::size_t> &failed, bool stopped = false);
std::string interrupted_line();

// A record that cannot be read: `line` (from 1) is the first line that is not what a journal
// holds there.
class DamagedRecord : public std::runtime_error {
public:
    explicit DamagedRecord(std::size_t line)
        : std::runtime_error("damaged journal record")
        , line(line) {}
    std::size_t line;
};

// Reads a journal's text. A line cut short by a crash is left out with everything after it but
// the marks appended later (finished, interrupted), each on a line of its own. Throws
// DamagedRecord for anything else that is not a journal: an empty text, no header, a line that
// cannot be read followed by steps.
JournalRecord parse_journal(std::string_view text);

} // namespace tarvendi::core
