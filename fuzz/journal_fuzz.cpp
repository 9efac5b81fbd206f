// The journal reader on arbitrary bytes, and records written by the journal's own writers read
// back, whole and cut at any byte as a crash leaves them. Traps when a property that holds for
// every input breaks: a record that cannot be read must say so with DamagedRecord and nothing
// else, and what the reader returns must be what the text says.

#include "journal_format.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

using namespace tarvendi::core;

void require(bool holds) {
    if (!holds)
        __builtin_trap();
}

// nullopt when the reader reports the record damaged; any other exception is a fault.
std::optional<JournalRecord> read(std::string_view text, std::size_t &damaged_line) {
    try {
        return parse_journal(text);
    } catch (const DamagedRecord &damaged) {
        damaged_line = damaged.line;
        return std::nullopt;
    } catch (...) {
        __builtin_trap();
    }
}

bool same(const JournalStep &a, const JournalStep &b) {
    return a.kind == b.kind && a.path == b.path && a.target == b.target && a.old_tail == b.old_tail;
}

bool same(const JournalRecord &a, const JournalRecord &b) {
    return a.started == b.started && a.by == b.by && a.what == b.what &&
           std::equal(a.steps.begin(), a.steps.end(), b.steps.begin(), b.steps.end(),
                      [](const JournalStep &x, const JournalStep &y) { return same(x, y); }) &&
           a.finished == b.finished && a.interrupted == b.interrupted && a.failed == b.failed &&
           a.written == b.written;
}

std::string hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const char b : bytes) {
        out += kDigits[static_cast<unsigned char>(b) >> 4];
        out += kDigits[static_cast<unsigned char>(b) & 15];
    }
    return out;
}

// A record as the writers put it down; reads back as the record itself.
std::string write(const JournalRecord &record) {
    std::string text = journal_header(record.started, record.by, record.what);
    for (const JournalStep &step : record.steps)
        append_step_line(step, text);
    for (const auto &[step, tail] : record.written)
        text += written_tag_line(step, tail);
    if (record.finished)
        text += finished_line(record.failed);
    if (record.interrupted)
        text += interrupted_line();
    return text;
}

// The newline-terminated lines: the reader ignores a last line without its end.
std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string_view::npos;
         start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

std::size_t lines_holding(const std::vector<std::string_view> &lines, std::string_view key) {
    return std::count_if(lines.begin() + 1, lines.end(), [key](std::string_view line) {
        return line.find(key) != std::string_view::npos;
    });
}

void check_read(std::string_view text) {
    const std::vector<std::string_view> lines = lines_of(text);
    std::size_t damaged_line = 0;
    const std::optional<JournalRecord> record = read(text, damaged_line);
    if (!record) {
        require(damaged_line >= 1 && damaged_line <= std::max<std::size_t>(lines.size(), 1));
        return;
    }
    // Every step from a line of its own after the header.
    require(!lines.empty() && record->steps.size() <= lines.size() - 1);
    require(std::is_sorted(record->failed.begin(), record->failed.end()));
    require(record->finished || record->failed.empty());

    // Without a backslash JSON cannot spell a key or a string other than as its bytes, so every
    // key the reader acted on and every string it returned stands in the text as it is (a path
    // perhaps in hex).
    if (text.find('\\') == std::string_view::npos) {
        const auto holds = [text](std::string_view part) {
            return text.find(part) != std::string_view::npos;
        };
        const auto holds_bytes = [&](std::string_view bytes) {
            return holds(bytes) || holds(hex(bytes));
        };
        require(holds(record->started) && holds(record->by) && holds(record->what));
        std::size_t renames = 0, tags = 0, folders = 0;
        for (const JournalStep &step : record->steps) {
            require(holds_bytes(step.path) && holds_bytes(step.target));
            require(!step.old_tail || holds(hex(*step.old_tail)));
            renames += step.kind == StepKind::Rename;
            tags += step.kind == StepKind::Tag;
            folders += step.kind == StepKind::Folder;
        }
        require(renames <= lines_holding(lines, "\"rename"));
        require(tags <= lines_holding(lines, "\"tag"));
        require(folders <= lines_holding(lines, "\"folder"));
        require(!record->finished || holds("\"finished\""));
        require(!record->interrupted || holds("\"interrupted\""));
        require(record->written.empty() || holds("\"wrote\""));
        for (const auto &[step, tail] : record->written)
            require(holds(hex(tail)));
    }

    // What was read, written again, reads the same.
    std::size_t again_damaged = 0;
    const std::optional<JournalRecord> again = read(write(*record), again_damaged);
    require(again && same(*again, *record));
}

// One line of a written record after the header, and what it adds to the record when read.
struct Line {
    std::size_t end; // the offset of its newline
    std::optional<JournalStep> step;
    std::optional<std::pair<std::size_t, std::string>> wrote;
    bool finished = false;
};

std::string tag_bytes(FuzzedDataProvider &in) {
    std::string tail = in.ConsumeBytesAsString(kTagSize);
    tail.resize(kTagSize, '\0');
    return tail;
}

void check_written(FuzzedDataProvider &in) {
    static constexpr std::string_view kBy[] = {"", "cli", "window"};
    static constexpr std::string_view kWhat[] = {"", "wildcard", "替换"};
    const std::string_view by = kBy[in.ConsumeIntegralInRange<std::size_t>(0, 2)];
    const std::string_view what = kWhat[in.ConsumeIntegralInRange<std::size_t>(0, 2)];
    std::string text = journal_header("2026-12-07T16:25:00Z", by, what);
    const std::size_t header_end = text.size() - 1;

    std::vector<Line> lines;
    const std::size_t count = in.ConsumeIntegralInRange<std::size_t>(0, 12);
    for (std::size_t i = 0; i < count; ++i) {
        JournalStep step;
        step.kind = static_cast<StepKind>(in.ConsumeIntegralInRange<int>(0, 2));
        step.path = in.ConsumeRandomLengthString(64);
        if (step.kind == StepKind::Rename)
            step.target = in.ConsumeRandomLengthString(64);
        if (step.kind == StepKind::Tag && in.ConsumeBool())
            step.old_tail = tag_bytes(in);
        append_step_line(step, text);
        lines.push_back({text.size() - 1, step, {}, false});
        // The tag a step wrote, noted after it; at times under another step's number.
        if (step.kind == StepKind::Tag && in.ConsumeBool()) {
            const std::size_t number =
                in.ConsumeBool() ? i : in.ConsumeIntegralInRange<std::size_t>(0, count);
            std::string tail = tag_bytes(in);
            text += written_tag_line(number, tail);
            lines.push_back({text.size() - 1, {}, std::pair{number, std::move(tail)}, false});
        }
    }
    std::vector<std::size_t> failed(in.ConsumeIntegralInRange<std::size_t>(0, 4));
    for (std::size_t &step : failed)
        step = in.ConsumeBool() ? in.ConsumeIntegralInRange<std::size_t>(0, count)
                                : in.ConsumeIntegral<std::size_t>();
    const bool finished = in.ConsumeBool();
    if (finished) {
        text += finished_line(failed);
        lines.push_back({text.size() - 1, {}, {}, true});
    }
    std::sort(failed.begin(), failed.end());

    // Whole, the record reads back as written.
    std::size_t damaged_line = 0;
    const std::optional<JournalRecord> whole = read(text, damaged_line);
    require(whole.has_value() && whole->started == "2026-12-07T16:25:00Z" && whole->by == by &&
            whole->what == what);
    JournalRecord expected;
    expected.started = whole->started;
    expected.by = whole->by;
    expected.what = whole->what;
    for (const Line &line : lines) {
        if (line.step)
            expected.steps.push_back(*line.step);
        if (line.wrote)
            expected.written[line.wrote->first] = line.wrote->second;
    }
    expected.finished = finished;
    if (finished)
        expected.failed = failed;
    require(same(*whole, expected));

    // A crash cuts the text at any byte. What comes after starts on a line of its own: the mark
    // of the next start, or (a record damaged in its middle) one more step. Either makes a line
    // that lost only its newline whole again.
    const std::size_t cut = in.ConsumeIntegralInRange<std::size_t>(0, text.size());
    enum class After { Nothing, Mark, Step };
    const After then = static_cast<After>(in.ConsumeIntegralInRange<int>(0, 2));
    std::string cut_text = text.substr(0, cut);
    if (then != After::Nothing && !cut_text.empty() && cut_text.back() != '\n')
        cut_text += '\n';
    const JournalStep later{StepKind::Folder, "/music/later", {}, {}};
    if (then == After::Mark)
        cut_text += interrupted_line();
    else if (then == After::Step)
        append_step_line(later, cut_text);
    const auto kept = [cut, then](std::size_t end) {
        return then != After::Nothing ? end <= cut : end < cut;
    };
    const std::optional<JournalRecord> after = read(cut_text, damaged_line);
    if (!kept(header_end)) {
        require(!after && damaged_line == 1);
        return;
    }
    JournalRecord left;
    left.started = expected.started;
    left.by = expected.by;
    left.what = expected.what;
    left.interrupted = then == After::Mark;
    std::size_t start = header_end + 1;
    for (std::size_t i = 0; i < lines.size(); start = lines[i++].end + 1) {
        const Line &line = lines[i];
        if (!kept(line.end)) {
            // Cut inside this line: a step after it makes the record unreadable from it on.
            if (then == After::Step && start < cut) {
                require(!after && damaged_line == i + 2);
                return;
            }
            break;
        }
        if (line.step)
            left.steps.push_back(*line.step);
        if (line.wrote)
            left.written[line.wrote->first] = line.wrote->second;
        if (line.finished) {
            // Whether a step may follow the end of a run is not for this check to say.
            if (then == After::Step)
                return;
            left.finished = true;
            left.failed = failed;
        }
    }
    if (then == After::Step)
        left.steps.push_back(later);
    require(after && same(*after, left));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    // The input as a journal's text, so that the seeds and what grows from them stay records.
    check_read(input);
    // The input as the paths, tags and cut of a record the writers make.
    FuzzedDataProvider in(data, size);
    check_written(in);
    return 0;
}
