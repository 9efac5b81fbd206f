#pragma once
// The text of a journal file: one JSON object a line, so that a person can read it and a run cut
// short by a crash leaves every line before the cut whole.
//
//   {"tarvendi_journal":1,"started":"2026-12-07T16:25:00Z"}
//   {"rename":"/music/a.mp3","to":"/music/01-a.mp3"}      a rename that will be tried
//   {"tag":"/music/b.mp3","old":"5441..."}                the 128 bytes a file ended with (hex)
//   {"tag":"/music/c.mp3","old":null}                     a file that had no tag
//   {"folder":"/music/new"}                               a folder that will be made
//   {"finished":true,"failed":[3,17]}                     the run's end: the steps that failed
//   {"interrupted":true}                                  a run found cut short, left as it was
//
// Paths are absolute, as the disk spells them; one that is not valid UTF-8 is written in hex
// under the key with "_hex" added ("rename_hex", "to_hex", ...).

#include <optional>
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
    std::vector<JournalStep> steps;
    bool finished = false;    // the run reached its end: failed tells what did not happen
    bool interrupted = false; // cut short, and found so at a start
    std::vector<std::size_t> failed;
};

std::string journal_header(std::string_view started);
// Appends the line of step to out.
void append_step_line(const JournalStep &step, std::string &out);
std::string finished_line(const std::vector<std::size_t> &failed);
std::string interrupted_line();

// Reads a journal's text; a last line cut short by a crash is left out. Throws
// std::runtime_error when the text is not a journal.
JournalRecord parse_journal(std::string_view text);

} // namespace tarvendi::core
